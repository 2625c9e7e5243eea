#include "table_score.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "engine/card.h"
#include "engine/game_family.h"
#include "engine/poker_hand.h"

namespace kes::solver {

namespace {

constexpr int kPlayedWeight = 30;
// An empty pile is worth more than the out-of-order card that could be moved
// into it: otherwise the search fills the free cells and columns first to
// untangle one pile and is left with nowhere to move anything else.
constexpr int kEmptyTableauWeight = 12;
constexpr int kEmptyReserveWeight = 12;
constexpr int kFaceDownWeight = 10;
// A card lying above a lower card of its pile must move before that one can:
// the main measure of how tangled a pile is.
constexpr int kOutOfOrderWeight = 8;
// Per card above the lowest card of a suit still in play (the one its
// foundation will want next, in the games that build up from the ace).
constexpr int kBuriedNextWeight = 4;
// Per card lying face up on the next higher card of its suit: such runs are
// what the spider games move and play off whole, and no game minds them.
constexpr int kSuitRunWeight = 3;

// The poker grid: rows of five tableau cells, the rows then the columns
// scored as hands once full. A line still filling is worth what its cards
// promise: the rank groups it holds already, and a flush or a straight its
// cards still allow, in proportion to the cards placed. Without this the
// search would place cards blindly until a line fills.
constexpr int kGridSide = 5;
constexpr int kGridCells = kGridSide * kGridSide;
constexpr int kFlushPointsPerCard = 4;     // a flush is 20 points
constexpr int kStraightPointsPerCard = 3;  // a straight is 15
constexpr int kAce = 1;
constexpr int kKing = 13;

int groupPoints(const std::vector<int>& ranks) {
  std::array<int, kKing + 1> count{};
  for (int r : ranks) ++count[static_cast<std::size_t>(r)];
  int pairs = 0, threes = 0, fours = 0;
  for (int c : count) {
    pairs += c == 2;
    threes += c == 3;
    fours += c == 4;
  }
  if (fours) return 50;
  if (threes && pairs) return 25;
  if (threes) return 10;
  if (pairs == 2) return 5;
  return pairs ? 2 : 0;
}

bool straightStillPossible(std::vector<int> ranks) {
  std::sort(ranks.begin(), ranks.end());
  if (std::adjacent_find(ranks.begin(), ranks.end()) != ranks.end()) return false;
  if (ranks.back() - ranks.front() < kGridSide) return true;
  // The ace also ends a straight above the king.
  if (ranks.front() != kAce) return false;
  ranks.erase(ranks.begin());
  return ranks.empty() || ranks.front() > kKing - kGridSide + 1;
}

int linePotential(const std::vector<const ScorePile*>& cells, const std::array<int, kGridSide>& line) {
  std::vector<int> ranks;
  std::array<int, kGridSide> cards{};
  bool oneSuit = true;
  int suit = -1;
  for (std::size_t k = 0; k < line.size(); ++k) {
    const ScorePile& cell = *cells[static_cast<std::size_t>(line[k])];
    if (cell.cards.empty()) continue;
    const int card = std::abs(cell.cards.front());
    cards[k] = card;
    ranks.push_back(cardRank(card));
    if (suit >= 0 && suitIndex(card) != suit) oneSuit = false;
    suit = suitIndex(card);
  }
  const int placed = static_cast<int>(ranks.size());
  if (placed == kGridSide) return pokerHandValue(cards).points;
  if (placed == 0) return 0;
  int best = groupPoints(ranks);
  if (placed > 1 && oneSuit) best = std::max(best, kFlushPointsPerCard * placed);
  if (placed > 1 && straightStillPossible(ranks)) best = std::max(best, kStraightPointsPerCard * placed);
  return best;
}

int pokerGridPotential(const std::vector<ScorePile>& piles) {
  std::vector<const ScorePile*> cells;
  for (const ScorePile& pile : piles)
    if (pile.id.family == PileFamily::Tableau) cells.push_back(&pile);
  if (static_cast<int>(cells.size()) != kGridCells) return 0;
  int total = 0;
  for (int i = 0; i < kGridSide; ++i) {
    std::array<int, kGridSide> row{}, column{};
    for (int j = 0; j < kGridSide; ++j) {
      row[static_cast<std::size_t>(j)] = kGridSide * i + j;
      column[static_cast<std::size_t>(j)] = i + kGridSide * j;
    }
    total += linePotential(cells, row) + linePotential(cells, column);
  }
  return total;
}

// Two face-up cards, the upper one rank lower and of the same suit.
bool continuesSuitRun(int lower, int upper) {
  return lower > 0 && upper > 0 && suitIndex(lower) == suitIndex(upper) && cardRank(upper) == cardRank(lower) - 1;
}

// Ordering score: cards played off, the fewer face-down cards and cards
// lying above a lower card of their pile the better, empty places help, and
// each suit's lowest card in play should lie near the top of its pile. This
// is one pile's part of it.
PileSummary summarize(const ScorePile& pile) {
  PileSummary summary;
  const int size = static_cast<int>(pile.cards.size());
  if (pile.played) {
    summary.score = kPlayedWeight * size;
    return summary;
  }
  const bool tableau = pile.id.family == PileFamily::Tableau;
  if (tableau && size == 0) summary.score += kEmptyTableauWeight;
  if (pile.id.family == PileFamily::Reserve && size == 0) summary.score += kEmptyReserveWeight;
  int below = PileSummary::kNone;
  for (int i = 0; i < size; ++i) {
    const int card = std::abs(pile.cards[static_cast<std::size_t>(i)]);
    const int rank = cardRank(card);
    const int suit = suitIndex(card);
    if (rank < 1 || suit < 0) continue;
    const auto s = static_cast<std::size_t>(suit);
    if (rank < summary.lowest[s]) {
      summary.lowest[s] = rank;
      summary.depth[s] = size - 1 - i;
    }
    if (!tableau) continue;
    if (pile.cards[static_cast<std::size_t>(i)] < 0) summary.score -= kFaceDownWeight;
    if (rank > below) summary.score -= kOutOfOrderWeight;
    below = std::min(below, rank);
    if (i > 0 && continuesSuitRun(pile.cards[static_cast<std::size_t>(i - 1)], pile.cards[static_cast<std::size_t>(i)]))
      summary.score += kSuitRunWeight;
  }
  return summary;
}

// Each suit's lowest card is the first met in the piles' order, as a scan
// of the whole table from the first pile would meet it.
int cardsScore(const std::vector<ScorePile>& table) {
  int score = 0;
  PileSummary lowest;
  for (const ScorePile& pile : table) {
    score += pile.summary.score;
    for (std::size_t s = 0; s < PileSummary::kSuits; ++s)
      if (pile.summary.lowest[s] < lowest.lowest[s]) {
        lowest.lowest[s] = pile.summary.lowest[s];
        lowest.depth[s] = pile.summary.depth[s];
      }
  }
  for (const int depth : lowest.depth) score -= kBuriedNextWeight * depth;
  return score;
}

}  // namespace

void fillScoreTable(const GameState& g, ScoreTable& table) {
  table.pokerGrid = g.family() == Family::PokerGrid;
  // Where a press deals the stock's card straight onto the discard pile
  // (Golf), the stock's cards count as played already: otherwise a press
  // would be worth as much as a card cleared from the piles, which is the
  // only progress, and the search would spend its stock first.
  const bool pressesDiscard = !g.inUse(PileId::waste()) && g.inUse(PileId::secondWaste());
  std::vector<ScorePile>& piles = table.piles;
  std::size_t used = 0;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (!g.inUse(id)) continue;
    if (used == piles.size()) piles.emplace_back();
    ScorePile& pile = piles[used++];
    const bool selection = g.history.foundationOneIsSelection && id == PileId::foundation(0);
    pile.id = id;
    pile.played = (id.family == PileFamily::Foundation && !selection) || id == PileId::secondWaste() ||
                  (id == PileId::stock() && pressesDiscard);
    pile.cards.clear();
    const Pile& cards = g.table.pile(id);
    for (int i = 0; i < cards.size(); ++i) {
      const int card = cards.cardAt(i);
      pile.cards.push_back(g.table.isFaceUp(card) ? card : -card);
    }
    pile.summary = summarize(pile);
  }
  piles.resize(used);
}

int tableScore(const ScoreTable& table) {
  return table.pokerGrid ? pokerGridPotential(table.piles) : cardsScore(table.piles);
}

namespace {

// The score with the cards of two piles changed, their summaries put back
// as they were.
int scoreWithChanged(ScoreTable& table, ScorePile& from, ScorePile& target) {
  const PileSummary fromBefore = from.summary, targetBefore = target.summary;
  from.summary = summarize(from);
  target.summary = summarize(target);
  const int score = tableScore(table);
  from.summary = fromBefore;
  target.summary = targetBefore;
  return score;
}

// A play of a card the stock will bring to the waste: the card alone leaves
// the stock or the waste, wherever it lies there, for the target; how the
// presses reorder the rest is not guessed.
int stockPlayScore(ScoreTable& table, ScorePile* target, int card) {
  for (ScorePile& from : table.piles) {
    if (from.id != PileId::stock() && from.id != PileId::waste()) continue;
    const auto at = std::find_if(from.cards.begin(), from.cards.end(), [card](int c) { return std::abs(c) == card; });
    if (at == from.cards.end() || target == nullptr) continue;
    const int code = *at;
    const auto place = from.cards.erase(at);
    target->cards.push_back(card);
    const int score = scoreWithChanged(table, from, *target);
    target->cards.pop_back();
    from.cards.insert(place, code);
    return score;
  }
  return tableScore(table);
}

}  // namespace

// The score after a drag, estimated on the copy: the card and what lies on
// it go to the target, and the card it uncovers is taken as turned up (what
// the games that lay cards face down do at once or with the next press).
// Nothing else the engine may do after a move (fills, deals) is guessed.
int dragScore(ScoreTable& table, const SolverMove& move) {
  ScorePile* target = nullptr;
  for (ScorePile& pile : table.piles)
    if (pile.id == move.target) target = &pile;
  if (move.presses > 0) return stockPlayScore(table, target, move.card);
  for (ScorePile& from : table.piles) {
    const auto at = std::find(from.cards.begin(), from.cards.end(), move.card);
    if (at == from.cards.end() || target == nullptr || target == &from) continue;
    const auto moved = from.cards.end() - at;
    target->cards.insert(target->cards.end(), at, from.cards.end());
    from.cards.erase(at, from.cards.end());
    const int uncovered = from.cards.empty() ? 0 : from.cards.back();
    if (uncovered != 0) from.cards.back() = std::abs(uncovered);
    const int score = scoreWithChanged(table, from, *target);
    // Put the copy back as it was.
    if (uncovered != 0) from.cards.back() = uncovered;
    from.cards.insert(from.cards.end(), target->cards.end() - moved, target->cards.end());
    target->cards.erase(target->cards.end() - moved, target->cards.end());
    return score;
  }
  return tableScore(table);
}

}  // namespace kes::solver
