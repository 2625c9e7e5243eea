#include "line_shortener.h"

#include <string>
#include <unordered_map>

#include "move_generator.h"
#include "solver_position.h"
#include "state_key.h"

namespace kes::solver {

namespace {

// Plays the moves from the saved position; false when one is refused.
bool playsThrough(Position& position, const Position::Saved& from, const std::vector<SolverMove>& moves) {
  position.restore(from);
  for (const SolverMove& m : moves)
    if (!position.apply(m)) return false;
  return true;
}

}  // namespace

std::vector<SolverMove> shortenLine(Position& position, const std::vector<SolverMove>& line) {
  const Position::Saved root = position.save();
  // Where along the line each position lies (the last time it is met).
  std::unordered_map<std::string, std::size_t> along;
  along[exactKey(position.state())] = 0;
  for (std::size_t k = 0; k < line.size(); ++k) {
    if (!position.apply(line[k])) {
      position.restore(root);
      return line;
    }
    along[exactKey(position.state())] = k + 1;
  }
  const std::string endKey = exactKey(position.state());
  const bool endWon = position.won();

  std::vector<SolverMove> shorter;
  Position::Saved here = root;
  for (std::size_t i = 0; i < line.size();) {
    std::size_t furthest = i + 1;
    SolverMove best = line[i];
    position.restore(here);
    for (const SolverMove& m : legalMoves(position)) {
      position.restore(here);
      if (!position.apply(m)) continue;
      const auto found = along.find(exactKey(position.state()));
      if (found != along.end() && found->second > furthest) {
        furthest = found->second;
        best = m;
      }
    }
    position.restore(here);
    position.apply(best);
    here = position.save();
    shorter.push_back(best);
    i = furthest;
  }
  const bool same = playsThrough(position, root, shorter) && exactKey(position.state()) == endKey &&
                    position.won() == endWon;
  position.restore(root);
  return same ? shorter : line;
}

}  // namespace kes::solver
