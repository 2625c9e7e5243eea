#include "solver_move.h"

#include <sstream>

namespace kes::solver {

std::string commandText(const SolverMove& move) {
  switch (move.kind) {
    case MoveKind::Drag: return "move " + std::to_string(move.card) + " " + pileName(move.target);
    case MoveKind::Click: return "click " + std::to_string(move.card);
    case MoveKind::Stock: break;
  }
  return "stock";
}

std::vector<SolverMove> primitiveLine(const std::vector<SolverMove>& line) {
  std::vector<SolverMove> out;
  for (SolverMove move : line) {
    out.insert(out.end(), static_cast<std::size_t>(move.presses), SolverMove{});
    move.presses = 0;
    out.push_back(move);
  }
  return out;
}

std::optional<SolverMove> moveFromText(const std::string& text) {
  std::istringstream in(text);
  std::string verb, card, pile, extra;
  in >> verb >> card >> pile >> extra;
  if (!extra.empty()) return std::nullopt;
  if (verb == "stock" && card.empty()) return SolverMove{};
  const bool number = !card.empty() && card.size() <= 3 && card.find_first_not_of("0123456789") == std::string::npos;
  if (!number) return std::nullopt;
  if (verb == "click" && pile.empty()) return SolverMove{MoveKind::Click, std::stoi(card), {}};
  const auto target = pileFromName(pile);
  if (verb == "move" && target) return SolverMove{MoveKind::Drag, std::stoi(card), *target};
  return std::nullopt;
}

}  // namespace kes::solver
