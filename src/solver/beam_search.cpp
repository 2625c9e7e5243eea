#include "beam_search.h"

#include <algorithm>

#include "move_generator.h"
#include "search_limits.h"
#include "solver_position.h"
#include "state_key.h"
#include "table_score.h"

namespace kes::solver {

namespace {

// How a position of a depth was reached: its parent in the depth before
// and the move from there.
struct Link {
  int parent = -1;
  SolverMove via;
};

struct Candidate {
  Position::Saved saved;
  Link link;
  int score = 0;
  int order = 0;
};

class Beam {
 public:
  Beam(Position& position, const BeamOptions& options)
      : position_(position), options_(options), limits_(options.budget, nullptr) {}
  SolveResult run();

 private:
  // The beam and the children being scored are held beside the table.
  bool overBudget(std::size_t held, std::string& reason) const {
    return limits_.spent(static_cast<std::int64_t>(held) * kSavedPositionBytes, reason);
  }
  // The children of every position of the beam that were never met, scored;
  // true when one of them wins (its line is then in result_).
  bool expand(const std::vector<Position::Saved>& beam, std::vector<Candidate>& children, std::string& reason);
  std::vector<SolverMove> lineTo(int index, std::size_t depth) const;
  SolveResult finish(Verdict verdict, std::string reason);

  Position& position_;
  BeamOptions options_;
  SearchLimits limits_;
  std::vector<std::vector<Link>> depths_;  // the links of every beam so far
  ScoreTable table_;
  SolveResult result_;
  int bestScore_ = 0;
  std::vector<SolverMove> bestLine_;
};

std::vector<SolverMove> Beam::lineTo(int index, std::size_t depth) const {
  std::vector<SolverMove> line;
  for (std::size_t d = depth; d > 0 && index >= 0; --d) {
    const Link& link = depths_[d - 1][static_cast<std::size_t>(index)];
    line.push_back(link.via);
    index = link.parent;
  }
  std::reverse(line.begin(), line.end());
  return line;
}

bool Beam::expand(const std::vector<Position::Saved>& beam, std::vector<Candidate>& children, std::string& reason) {
  int order = 0;
  for (std::size_t i = 0; i < beam.size(); ++i) {
    position_.restore(beam[i]);
    const std::vector<SolverMove> moves = searchMoves(position_, options_.safeMoves, true);
    for (const SolverMove& move : moves) {
      if (overBudget(beam.size() + children.size(), reason)) return false;
      position_.restore(beam[i]);
      if (!position_.apply(move)) continue;
      if (position_.won()) {
        result_.moves = lineTo(static_cast<int>(i), depths_.size());
        result_.moves.push_back(move);
        return true;
      }
      if (position_.over()) continue;
      if (!limits_.meet(canonicalKey(position_.state()))) continue;
      fillScoreTable(position_.state(), table_);
      children.push_back({position_.save(), {static_cast<int>(i), move}, tableScore(table_), order++});
    }
  }
  return false;
}

SolveResult Beam::finish(Verdict verdict, std::string reason) {
  result_.verdict = verdict;
  result_.reason = std::move(reason);
  result_.states = limits_.states();
  result_.ms = limits_.elapsedMs();
  result_.moves = primitiveLine(result_.moves);
  if (verdict != Verdict::Won) {
    result_.bestMoves = primitiveLine(bestLine_);
    result_.bestScore = bestScore_;
  }
  return result_;
}

SolveResult Beam::run() {
  const Position::Saved root = position_.save();
  if (position_.won()) return finish(Verdict::Won, "the game is already won");
  if (position_.over()) return finish(Verdict::Lost, "the game is over");
  limits_.meet(canonicalKey(position_.state()));
  fillScoreTable(position_.state(), table_);
  bestScore_ = tableScore(table_);
  std::vector<Position::Saved> beam{root};
  std::string reason = "every line of the beam came to an end without a win";
  const std::size_t width = static_cast<std::size_t>(std::max(options_.width, 1));
  while (!beam.empty()) {
    std::vector<Candidate> children;
    const bool won = expand(beam, children, reason);
    position_.restore(root);
    if (won) return finish(Verdict::Won, "a winning line was found");
    // Best first; among equals the order of discovery, so the run repeats.
    std::stable_sort(children.begin(), children.end(), [](const Candidate& a, const Candidate& b) {
      return a.score != b.score ? a.score > b.score : a.order < b.order;
    });
    if (children.size() > width) children.resize(width);
    std::vector<Link> links;
    beam.clear();
    for (Candidate& c : children) {
      links.push_back(c.link);
      beam.push_back(std::move(c.saved));
    }
    depths_.push_back(std::move(links));
    if (!children.empty() && children.front().score > bestScore_) {
      bestScore_ = children.front().score;
      bestLine_ = lineTo(0, depths_.size());
    }
    if (overBudget(beam.size(), reason)) break;
  }
  return finish(Verdict::Unknown, reason);
}

}  // namespace

SolveResult beamSearch(Position& position, const BeamOptions& options) {
  return Beam(position, options).run();
}

}  // namespace kes::solver
