#include "solver.h"

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <deque>
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

// The table as the ordering score reads it: each pile in use with its cards
// (face-down ones negated). A child's score is estimated by moving the run on
// this copy instead of playing the move through the engine, so a position
// costs one engine move per child actually visited, not one per child.
struct ScorePile {
  PileId id;
  bool played = false;  // a foundation (or the pairing games' discard)
  std::vector<int> cards;
};
using ScoreTable = std::vector<ScorePile>;

// Refills the table in place: a search reads one per position it visits,
// and the piles' buffers are kept from one to the next.
void fillScoreTable(const GameState& g, ScoreTable& table) {
  std::size_t used = 0;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (!g.inUse(id)) continue;
    if (used == table.size()) table.emplace_back();
    ScorePile& pile = table[used++];
    const bool selection = g.history.foundationOneIsSelection && id == PileId::foundation(0);
    pile.id = id;
    pile.played = (id.family == PileFamily::Foundation && !selection) || id == PileId::secondWaste();
    pile.cards.clear();
    const Pile& cards = g.table.pile(id);
    for (int i = 0; i < cards.size(); ++i) {
      const int card = cards.cardAt(i);
      pile.cards.push_back(g.table.isFaceUp(card) ? card : -card);
    }
  }
  table.resize(used);
}

constexpr int kPlayedWeight = 30;
constexpr int kEmptyTableauWeight = 8;
constexpr int kEmptyReserveWeight = 4;
constexpr int kFaceDownWeight = 10;
// A card lying above a lower card of its pile must move before that one can:
// the main measure of how tangled a pile is.
constexpr int kOutOfOrderWeight = 8;
// Per card above the lowest card of a suit still in play (the one its
// foundation will want next, in the games that build up from the ace).
constexpr int kBuriedNextWeight = 4;
constexpr int kSuits = 4;

// Ordering score: cards played off, the fewer face-down cards and cards
// lying above a lower card of their pile the better, empty places help, and
// each suit's lowest card in play should lie near the top of its pile.
int tableScore(const ScoreTable& table) {
  int score = 0;
  int lowest[kSuits] = {99, 99, 99, 99};
  int depth[kSuits] = {0, 0, 0, 0};
  for (const ScorePile& pile : table) {
    const int size = static_cast<int>(pile.cards.size());
    if (pile.played) {
      score += kPlayedWeight * size;
      continue;
    }
    const bool tableau = pile.id.family == PileFamily::Tableau;
    if (tableau && size == 0) score += kEmptyTableauWeight;
    if (pile.id.family == PileFamily::Reserve && size == 0) score += kEmptyReserveWeight;
    int below = 99;
    for (int i = 0; i < size; ++i) {
      const int card = std::abs(pile.cards[static_cast<std::size_t>(i)]);
      const int rank = cardRank(card);
      const int suit = suitIndex(card);
      if (rank < 1 || suit < 0) continue;
      if (rank < lowest[suit]) {
        lowest[suit] = rank;
        depth[suit] = size - 1 - i;
      }
      if (!tableau) continue;
      if (pile.cards[static_cast<std::size_t>(i)] < 0) score -= kFaceDownWeight;
      if (rank > below) score -= kOutOfOrderWeight;
      below = std::min(below, rank);
    }
  }
  for (int s = 0; s < kSuits; ++s) score -= kBuriedNextWeight * depth[s];
  return score;
}

// The score after a drag, estimated on the copy: the card and what lies on
// it go to the target, and the card it uncovers is taken as turned up (what
// the games that lay cards face down do at once or with the next press).
// Nothing else the engine may do after a move (fills, deals) is guessed.
int dragScore(ScoreTable& table, const SolverMove& move) {
  ScorePile* target = nullptr;
  for (ScorePile& pile : table)
    if (pile.id == move.target) target = &pile;
  for (ScorePile& from : table) {
    const auto at = std::find(from.cards.begin(), from.cards.end(), move.card);
    if (at == from.cards.end() || target == nullptr || target == &from) continue;
    const auto moved = from.cards.end() - at;
    target->cards.insert(target->cards.end(), at, from.cards.end());
    from.cards.erase(at, from.cards.end());
    const int uncovered = from.cards.empty() ? 0 : from.cards.back();
    if (uncovered != 0) from.cards.back() = std::abs(uncovered);
    const int score = tableScore(table);
    // Put the copy back as it was.
    if (uncovered != 0) from.cards.back() = uncovered;
    from.cards.insert(from.cards.end(), target->cards.end() - moved, target->cards.end());
    target->cards.erase(target->cards.end() - moved, target->cards.end());
    return score;
  }
  return tableScore(table);
}

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
      : position_(position), options_(options), start_(Clock::now()) {}

  SolveResult run();

 private:
  bool overBudget(std::string& reason);
  std::int64_t elapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
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
  Clock::time_point start_;
  std::unordered_set<std::string> seen_;
  std::int64_t tableBytes_ = 0;
  std::int64_t states_ = 0;
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

void Search::expand(Frame& frame) {
  GameState& g = position_.mutableState();
  std::vector<SolverMove> moves = withoutTwinDrops(g, candidateMoves(g));
  if (options_.safeMoves) {
    const auto safe = std::find_if(moves.begin(), moves.end(), [&](const SolverMove& m) { return isSafeMove(g, m); });
    if (safe != moves.end()) moves = {*safe};
  }
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
  std::string key = canonicalKey(position_.state());
  const std::int64_t bytes = static_cast<std::int64_t>(key.size()) + kEntryOverhead;
  if (!seen_.insert(std::move(key)).second) return false;
  tableBytes_ += bytes;
  ++states_;
  stack_.push_back({position_.save(), {}, 0, move});
  fillScoreTable(position_.state(), table_);
  noteBest(tableScore(table_));
  return true;
}

SolveResult Search::finish(Verdict verdict, std::string reason) {
  SolveResult result;
  result.verdict = verdict;
  result.reason = std::move(reason);
  result.states = states_;
  if (verdict == Verdict::Won) {
    result.moves = pathOf(stack_);
    result.moves.insert(result.moves.end(), winningTail_.begin(), winningTail_.end());
  } else {
    result.bestMoves = bestLine_;
    result.bestScore = bestScore_;
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
  fillScoreTable(position_.state(), table_);
  bestScore_ = tableScore(table_);
  ++states_;
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
