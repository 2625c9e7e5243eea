#include "solver.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <limits>

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

// The frames of the search path, root first. A frame popped is kept and
// filled again by the next push, its table's and its moves' memory reused: a
// search pushes one for every position it enters. A deque, so that a frame
// is never moved as the path grows.
class SearchPath {
 public:
  std::size_t size() const { return depth_; }
  bool empty() const { return depth_ == 0; }
  // Frames held, the ones kept for reuse included.
  std::size_t held() const { return frames_.size(); }
  Frame& back() { return frames_[depth_ - 1]; }
  const Frame& back() const { return frames_[depth_ - 1]; }
  const Frame& operator[](std::size_t i) const { return frames_[i]; }
  // A frame on top with no moves yet; its saved position is the caller's.
  Frame& push() {
    if (depth_ == frames_.size()) frames_.emplace_back();
    Frame& frame = frames_[depth_++];
    frame.children.clear();
    frame.next = 0;
    return frame;
  }
  void pop() { --depth_; }
  void clear() { depth_ = 0; }

 private:
  std::deque<Frame> frames_;
  std::size_t depth_ = 0;
};

// The moves from the root to the top of the search path.
std::vector<SolverMove> pathOf(const SearchPath& stack) {
  std::vector<SolverMove> path;
  for (std::size_t i = 1; i < stack.size(); ++i) path.push_back(stack[i].via);
  return path;
}

// The short searches at the first cap win many deals that one order loses
// in the subtree of an early mistake; a deal lost in every order pays them
// once (a few thousand positions) before the growing searches prove it.
// Each growing search may meet three times as many positions as the one
// before. Doubling won as many deals but proved fewer losses in the same
// time: only a search that runs to its end proves a loss, and with doubling
// the capped searches before it cost as many positions as its cap.
constexpr std::int64_t kRunGrowth = 3;
// How far the later searches' orders stray from the score: up to more than
// a card played or an empty pile, so that each short search tries another
// of the moves the score ranks close together. A quarter as much gave the
// searches too few different orders to win the hard FreeCell deals.
constexpr std::uint32_t kOrderNoise = 48;

std::uint32_t mixBits(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return static_cast<std::uint32_t>(x ^ (x >> 31));
}

// The next search's cap; 0 (no cap) once it would pass what any budget
// allows.
std::int64_t nextCap(std::int64_t cap) {
  return cap > std::numeric_limits<std::int64_t>::max() / kRunGrowth ? 0 : cap * kRunGrowth;
}

// A fixed, seeded nudge to a move's score at one depth of the path.
int orderNoise(std::uint32_t seed, std::size_t depth, const SolverMove& move) {
  if (seed == 0) return 0;
  std::uint64_t x = seed;
  x = x * 1000003u + depth;
  x = x * 1000003u + static_cast<std::uint64_t>(move.card);
  x = x * 1000003u + static_cast<std::uint64_t>(move.target.ordinal());
  x = x * 1000003u + static_cast<std::uint64_t>(move.presses) * 4 + static_cast<std::uint64_t>(move.kind);
  return static_cast<int>(mixBits(x) % kOrderNoise);
}

// Searches again and again, each time from scratch with a different order,
// a few times with the first cap and then with a cap three times the one
// before, until one search wins or runs to its end. Depth first search time
// is heavy tailed: an early mistake can cost a whole budget in one order and
// nothing in another. Any search that runs to its end without being capped
// has seen every position, so a loss is still proved only by a complete
// search; the growing searches before the last cost at most half the last
// one's cap.
class Search {
 public:
  Search(Position& position, const SolveOptions& options)
      : position_(position), options_(options), limits_(options.budget, options.cancel) {}

  SolveResult run();

 private:
  enum class RunEnd { Won, Exhausted, Capped, OutOfBudget };
  // One depth-first search with the order of seed_ within the run's cap.
  RunEnd searchOnce(std::string& reason);
  bool overBudget(std::string& reason) const {
    return limits_.spent(static_cast<std::int64_t>(stack_.held()) * kSavedPositionBytes, reason);
  }
  // Orders the moves worth trying from the position now on the table, best
  // first. The engine plays and judges each only when the search visits it.
  void expand(Frame& frame);
  // Plays the frame's next child; true when the search should go on from
  // the new frame on top (false for a refused, ending or seen position).
  bool descend(Frame& top, bool& won);
  bool undoesLastMove(const SolverMove& move) const;
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
  SearchPath stack_;
  std::vector<SolverMove> winningTail_;
  Position::Saved root_;
  std::vector<SolverMove> bestLine_;
  // The table of the position on top of the path, as the score reads it
  // (filled when the position is entered, read by its expansion), and the
  // one a press is scored on.
  ScoreTable table_;
  ScoreTable pressed_;
  std::string key_;  // the key of the position just entered
  int bestScore_ = 0;
  std::uint32_t seed_ = 0;
};

void Search::expand(Frame& frame) {
  const std::vector<SolverMove> moves = searchMoves(position_, options_.safeMoves, options_.stockPlays);
  if (moves.size() == 1) {
    frame.children.push_back({moves.front(), 0, 0});
    return;
  }
  frame.children.reserve(moves.size());
  int order = 0;
  const std::size_t depth = stack_.size();
  for (const SolverMove& move : moves) {
    if (move.kind == MoveKind::Drag) {
      frame.children.push_back({move, dragScore(table_, move) + orderNoise(seed_, depth, move), order++});
      continue;
    }
    // A press (a turn, a deal from the stock) changes the table by the
    // game's own rules: it is played to be scored.
    const bool changed = position_.apply(move);
    fillScoreTable(position_.state(), pressed_);
    const int score = tableScore(pressed_);
    position_.restore(frame.saved);
    if (changed) frame.children.push_back({move, score + orderNoise(seed_, depth, move), order++});
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
  if (undoesLastMove(move)) return false;
  canonicalKeyInto(position_.state(), key_);
  if (!limits_.meet(key_)) return false;
  Frame& entered = stack_.push();
  position_.saveInto(entered.saved);
  entered.via = move;
  fillScoreTable(position_.state(), table_);
  noteBest(tableScore(table_));
  return true;
}

// A move of the card the last move moved (most often straight back) that
// gave the position before the last move again: met already, two frames
// down, and told without building the key. About a third of the positions
// a FreeCell search finds already met are these.
bool Search::undoesLastMove(const SolverMove& move) const {
  const Frame& top = stack_.back();
  return stack_.size() >= 2 && move.kind == MoveKind::Drag && top.via.kind == MoveKind::Drag &&
         move.card == top.via.card && position_.sameAs(stack_[stack_.size() - 2].saved);
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

Search::RunEnd Search::searchOnce(std::string& reason) {
  stack_.clear();
  position_.restore(root_);
  limits_.meet(canonicalKey(position_.state()));
  Frame& root = stack_.push();
  root.saved = root_;
  root.via = {};
  fillScoreTable(position_.state(), table_);
  expand(stack_.back());
  bool won = false;
  while (!stack_.empty()) {
    Frame& top = stack_.back();
    if (top.next >= top.children.size()) {
      stack_.pop();
      continue;
    }
    if (overBudget(reason)) return RunEnd::OutOfBudget;
    if (limits_.runCapped()) return RunEnd::Capped;
    if (descend(top, won)) expand(stack_.back());
    if (won) return RunEnd::Won;
  }
  return RunEnd::Exhausted;
}

SolveResult Search::run() {
  root_ = position_.save();
  if (position_.won()) return finish(Verdict::Won, "the game is already won");
  if (position_.over()) return finish(Verdict::Lost, "the game is over");
  const bool complete = movesComplete(position_.state().params);
  fillScoreTable(position_.state(), table_);
  bestScore_ = tableScore(table_);
  std::string reason;
  std::int64_t cap = options_.firstSearchCap;
  for (int run = 1;; ++run, ++seed_) {
    if (run > std::max(options_.shortSearches, 1)) cap = nextCap(cap);
    limits_.forget();
    limits_.capRun(cap);
    switch (searchOnce(reason)) {
      case RunEnd::Won: return finish(Verdict::Won, "a winning line was found");
      case RunEnd::OutOfBudget: return finish(Verdict::Unknown, reason);
      case RunEnd::Capped: continue;
      case RunEnd::Exhausted: break;
    }
    break;
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
