#include "solver.h"

#include <algorithm>
#include <cstdlib>
#include <deque>

#include "engine/card.h"
#include "move_generator.h"
#include "solver_position.h"
#include "search_limits.h"
#include "state_key.h"
#include "table_score.h"

namespace kes::solver {

namespace {


struct Child {
  SolverMove move;
  int score;
  int order;
};

struct Frame {
  Position::Saved saved;
  std::vector<Child> children;
  std::size_t next = 0;
  SolverMove via;  // the move that led here
};

// The moves from the root to the top of the search path.
std::vector<SolverMove> pathOf(const std::deque<Frame>& stack) {
  std::vector<SolverMove> path;
  for (std::size_t i = 1; i < stack.size(); ++i) path.push_back(stack[i].via);
  return path;
}

class Search {
 public:
  Search(Position& position, const SolveOptions& options)
      : position_(position), options_(options), limits_(options.budget, options.cancel) {}

  SolveResult run();

 private:
  bool overBudget(std::string& reason) const {
    return limits_.spent(static_cast<std::int64_t>(stack_.size()) * kSavedPositionBytes, reason);
  }
  // Orders the moves worth trying from the position now on the table, best
  // first. The engine plays and judges each only when the search visits it.
  void expand(Frame& frame);
  // Plays the frame's next child; true when the search should go on from
  // the new frame on top (false for a refused, ending or seen position).
  bool descend(Frame& top, bool& won);
  SolveResult finish(Verdict verdict, std::string reason);
  // Keeps the path to the top of the stack when its score is the best yet.
  void noteBest(int score) {
    if (score <= bestScore_) return;
    bestScore_ = score;
    bestLine_ = pathOf(stack_);
  }

  Position& position_;
  SolveOptions options_;
  SearchLimits limits_;
  // A deque: a frame holds a whole saved game, never moved as the path grows.
  std::deque<Frame> stack_;
  std::vector<SolverMove> winningTail_;
  Position::Saved root_;
  std::vector<SolverMove> bestLine_;
  // The table of the position on top of the path, as the score reads it
  // (filled when the position is entered, read by its expansion), and the
  // one a press is scored on.
  ScoreTable table_;
  ScoreTable pressed_;
  int bestScore_ = 0;
};

void Search::expand(Frame& frame) {
  const std::vector<SolverMove> moves = searchMoves(position_, options_.safeMoves, options_.stockPlays);
  if (moves.size() == 1) {
    frame.children.push_back({moves.front(), 0, 0});
    return;
  }
  int order = 0;
  for (const SolverMove& move : moves) {
    if (move.kind == MoveKind::Drag) {
      frame.children.push_back({move, dragScore(table_, move), order++});
      continue;
    }
    // A press (a turn, a deal from the stock) changes the table by the
    // game's own rules: it is played to be scored.
    const bool changed = position_.apply(move);
    fillScoreTable(position_.state(), pressed_);
    const int score = tableScore(pressed_);
    position_.restore(frame.saved);
    if (changed) frame.children.push_back({move, score, order++});
  }
  std::stable_sort(frame.children.begin(), frame.children.end(), [](const Child& a, const Child& b) {
    return a.score != b.score ? a.score > b.score : a.order < b.order;
  });
}

bool Search::descend(Frame& top, bool& won) {
  const SolverMove move = top.children[top.next++].move;
  position_.restore(top.saved);
  if (!position_.apply(move)) return false;
  if (position_.won()) {
    winningTail_ = {move};
    won = true;
    return false;
  }
  if (position_.over()) return false;
  if (!limits_.meet(canonicalKey(position_.state()))) return false;
  stack_.push_back({position_.save(), {}, 0, move});
  fillScoreTable(position_.state(), table_);
  noteBest(tableScore(table_));
  return true;
}

SolveResult Search::finish(Verdict verdict, std::string reason) {
  SolveResult result;
  result.verdict = verdict;
  result.reason = std::move(reason);
  result.states = limits_.states();
  if (verdict == Verdict::Won) {
    std::vector<SolverMove> line = pathOf(stack_);
    line.insert(line.end(), winningTail_.begin(), winningTail_.end());
    result.moves = primitiveLine(line);
  } else {
    result.bestMoves = primitiveLine(bestLine_);
    result.bestScore = bestScore_;
  }
  position_.restore(root_);
  result.ms = limits_.elapsedMs();
  return result;
}

SolveResult Search::run() {
  root_ = position_.save();
  if (position_.won()) return finish(Verdict::Won, "the game is already won");
  if (position_.over()) return finish(Verdict::Lost, "the game is over");
  const bool complete = movesComplete(position_.state().params);
  limits_.meet(canonicalKey(position_.state()));
  stack_.push_back({position_.save(), {}, 0, {}});
  fillScoreTable(position_.state(), table_);
  bestScore_ = tableScore(table_);
  expand(stack_.back());
  std::string reason;
  bool won = false;
  while (!stack_.empty()) {
    Frame& top = stack_.back();
    if (top.next >= top.children.size()) {
      stack_.pop_back();
      continue;
    }
    if (overBudget(reason)) return finish(Verdict::Unknown, reason);
    if (descend(top, won)) expand(stack_.back());
    if (won) return finish(Verdict::Won, "a winning line was found");
  }
  if (!complete) return finish(Verdict::Unknown, "every position was searched, but this game has a move the solver cannot name (a press on the empty waste)");
  return finish(Verdict::Lost, "every position the deal can reach was searched without a win");
}

}  // namespace

const char* verdictWord(Verdict verdict) {
  switch (verdict) {
    case Verdict::Won: return "won";
    case Verdict::Lost: return "lost";
    case Verdict::Unknown: break;
  }
  return "unknown";
}

SolveResult solvePosition(Position& position, const SolveOptions& options) {
  return Search(position, options).run();
}

SolveResult solveState(const GameState& state, const SolveOptions& options) {
  Position position;
  position.setState(state);
  return solvePosition(position, options);
}

SolveResult solveDeal(const GameParams& params, const std::string& dealNumber, const SolveOptions& options) {
  Position position;
  const std::string error = position.deal(params, dealNumber);
  if (!error.empty()) {
    SolveResult result;
    result.reason = "the deal failed: " + error;
    return result;
  }
  return solvePosition(position, options);
}

}  // namespace kes::solver
