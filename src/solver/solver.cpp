#include "solver.h"

#include <algorithm>
#include <chrono>
#include <unordered_set>

#include "engine/card.h"
#include "move_generator.h"
#include "safe_moves.h"
#include "solver_position.h"
#include "state_key.h"

namespace kes::solver {

namespace {

using Clock = std::chrono::steady_clock;

// A rough size of one table entry beyond its key: the node, its hash and
// the bucket pointer of the standard hash set.
constexpr std::int64_t kEntryOverhead = 64;
// A saved position on the search path (the card table, the piles, the
// parameters), counted against the memory cap as well.
constexpr std::int64_t kSavedPositionBytes = 16 * 1024;
constexpr std::int64_t kBytesPerMb = 1024 * 1024;
constexpr int kClockCheckEvery = 64;

// Ordering score: cards played off, the fewer face-down cards and cards
// lying above a lower card of their pile the better, empty places help.
int tableScore(const GameState& g) {
  int score = 0;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (!g.inUse(id)) continue;
    const Pile& pile = g.table.pile(id);
    const bool selection = g.history.foundationOneIsSelection && id == PileId::foundation(0);
    if ((id.family == PileFamily::Foundation && !selection) || id == PileId::secondWaste()) {
      score += 30 * pile.size();
      continue;
    }
    if (id.family == PileFamily::Tableau && pile.empty()) score += 8;
    if (id.family == PileFamily::Reserve && pile.empty()) score += 4;
    if (id.family != PileFamily::Tableau) continue;
    int lowest = 99;
    for (int i = 0; i < pile.size(); ++i) {
      const int card = pile.cardAt(i);
      if (!g.table.isFaceUp(card)) score -= 10;
      const int rank = cardRank(card);
      if (rank > lowest) score -= 3;
      lowest = std::min(lowest, rank);
    }
  }
  return score;
}

struct Child {
  SolverMove move;
  int score;
  int order;
  std::string key;
};

struct Frame {
  Position::Saved saved;
  std::vector<Child> children;
  std::size_t next = 0;
  SolverMove via;  // the move that led here
};

class Search {
 public:
  Search(Position& position, const SolveOptions& options)
      : position_(position), options_(options), start_(Clock::now()) {}

  SolveResult run();

 private:
  bool overBudget(std::string& reason);
  std::int64_t elapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
  }
  // The moves worth following from the position now on the table, best
  // first; true when one of them wins at once (the path then holds it).
  bool expand(Frame& frame);
  SolveResult finish(Verdict verdict, std::string reason);

  Position& position_;
  SolveOptions options_;
  Clock::time_point start_;
  std::unordered_set<std::string> seen_;
  std::int64_t tableBytes_ = 0;
  std::int64_t states_ = 0;
  std::vector<Frame> stack_;
  std::vector<SolverMove> winningTail_;
  Position::Saved root_;
};

bool Search::overBudget(std::string& reason) {
  const Budget& b = options_.budget;
  if (options_.cancel && options_.cancel->load(std::memory_order_relaxed)) {
    reason = "the search was cancelled";
    return true;
  }
  if (states_ >= b.maxStates) {
    reason = "the state budget ran out (" + std::to_string(b.maxStates) + " positions)";
    return true;
  }
  const std::int64_t bytes = tableBytes_ + static_cast<std::int64_t>(stack_.size()) * kSavedPositionBytes;
  if (bytes >= b.maxMb * kBytesPerMb) {
    reason = "the memory budget ran out (" + std::to_string(b.maxMb) + " MB)";
    return true;
  }
  if (states_ % kClockCheckEvery == 0 && elapsedMs() >= b.maxMs) {
    reason = "the time budget ran out (" + std::to_string(b.maxMs) + " ms)";
    return true;
  }
  return false;
}

// Of the drops onto empty piles that are alike, only the one onto the first
// is kept: the others lead to the same position but for the pile's place.
std::vector<SolverMove> withoutTwinDrops(const GameState& g, std::vector<SolverMove> moves) {
  const bool alike[] = {false, emptyFoundationsInterchangeable(g), tableauInterchangeable(g),
                        reservesInterchangeable(g)};
  std::vector<SolverMove> kept;
  for (const SolverMove& m : moves) {
    const bool twin = m.kind == MoveKind::Drag && alike[static_cast<int>(m.target.family)] &&
                      g.table.pile(m.target).empty() &&
                      std::any_of(kept.begin(), kept.end(), [&](const SolverMove& k) {
                        return k.kind == MoveKind::Drag && k.card == m.card && k.target.family == m.target.family &&
                               g.table.pile(k.target).empty();
                      });
    if (!twin) kept.push_back(m);
  }
  return kept;
}

bool Search::expand(Frame& frame) {
  GameState& g = position_.mutableState();
  std::vector<SolverMove> moves = withoutTwinDrops(g, candidateMoves(g));
  if (options_.safeMoves) {
    const auto safe = std::find_if(moves.begin(), moves.end(), [&](const SolverMove& m) { return isSafeMove(g, m); });
    if (safe != moves.end()) moves = {*safe};
  }
  int order = 0;
  for (const SolverMove& move : moves) {
    position_.restore(frame.saved);
    if (!position_.apply(move)) continue;
    if (position_.won()) {
      winningTail_ = {move};
      return true;
    }
    if (position_.over()) continue;
    std::string key = canonicalKey(position_.state());
    if (seen_.count(key)) continue;
    frame.children.push_back({move, tableScore(position_.state()), order++, std::move(key)});
  }
  position_.restore(frame.saved);
  std::sort(frame.children.begin(), frame.children.end(), [](const Child& a, const Child& b) {
    return a.score != b.score ? a.score > b.score : a.order < b.order;
  });
  return false;
}

SolveResult Search::finish(Verdict verdict, std::string reason) {
  SolveResult result;
  result.verdict = verdict;
  result.reason = std::move(reason);
  result.states = states_;
  if (verdict == Verdict::Won) {
    for (std::size_t i = 1; i < stack_.size(); ++i) result.moves.push_back(stack_[i].via);
    result.moves.insert(result.moves.end(), winningTail_.begin(), winningTail_.end());
  }
  position_.restore(root_);
  result.ms = elapsedMs();
  return result;
}

SolveResult Search::run() {
  root_ = position_.save();
  if (position_.won()) return finish(Verdict::Won, "the game is already won");
  if (position_.over()) return finish(Verdict::Lost, "the game is over");
  const bool complete = movesComplete(position_.state().params);
  const std::string rootKey = canonicalKey(position_.state());
  seen_.insert(rootKey);
  tableBytes_ += static_cast<std::int64_t>(rootKey.size()) + kEntryOverhead;
  stack_.push_back({position_.save(), {}, 0, {}});
  ++states_;
  if (expand(stack_.back())) return finish(Verdict::Won, "a winning line was found");
  std::string reason;
  while (!stack_.empty()) {
    Frame& top = stack_.back();
    if (top.next >= top.children.size()) {
      stack_.pop_back();
      continue;
    }
    if (overBudget(reason)) return finish(Verdict::Unknown, reason);
    Child child = std::move(top.children[top.next++]);
    if (seen_.count(child.key)) continue;
    position_.restore(top.saved);
    position_.apply(child.move);
    tableBytes_ += static_cast<std::int64_t>(child.key.size()) + kEntryOverhead;
    seen_.insert(std::move(child.key));
    ++states_;
    stack_.push_back({position_.save(), {}, 0, child.move});
    if (expand(stack_.back())) return finish(Verdict::Won, "a winning line was found");
  }
  stack_.clear();
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
