#include <array>

#include "engine/base_rule.h"
#include "engine/build_context.h"

namespace kes {

namespace {

constexpr int kFullSuit = 13;
// Doubling foundations take their Kings only after every other card.
constexpr int kCardsBeforeDoublingKings = 48;
// The row of piles that the row-fill rule fills ends at this pile.
constexpr int kRowFillLastPile = 7;
// The reserves whose cards may not go on a pile with code 54 (the first seven).
constexpr int kReservesBarredFromCode54 = 7;

bool fromTableau(const BuildContext& c) { return isTableauLocation(c.source()); }

bool holdsRank(const Pile& p, int rank) {
  for (int k = 0; k < p.size(); ++k)
    if (cardRank(p.cardAt(k)) == rank) return true;
  return false;
}

bool firstCardHasSuitOf(const Pile& p, int card) {
  return !p.empty() && suitIndex(p.cardAt(0)) == suitIndex(card);
}

bool emptyAcceptsTableauBase(const BuildContext& c) {
  const int base = c.tableauEmptyBaseOf(c.q.pileIndex);
  return base == BaseCode::AnyCard || c.m == base;
}

int leftmostEmptyTableau(const BuildContext& c) {
  for (int i = 0; i < c.state.tableauCount() && i < familySize(PileFamily::Tableau); ++i)
    if (c.tableau(i).empty()) return i;
  return -1;
}

// Filling a row from the left while the waste holds cards: the key rank
// opens the leftmost gap, every other card goes on the last filled pile.
bool rowFill(const BuildContext& c, int keyRank) {
  const PileLocation s = c.source();
  const bool fromOpenPile =
      s == kLocationStock || s == kLocationWaste || isFoundationLocation(s) || isReserveLocation(s);
  if (!fromOpenPile) return false;
  const int i = c.q.pileIndex;
  if (c.m == keyRank) return c.onEmpty() && i == leftmostEmptyTableau(c);
  if (c.onEmpty()) return false;
  const bool leftFilled = !c.tableau(i - 1).empty();
  const bool rightEmpty = c.tableau(i + 1).empty();
  if (i == 0) return rightEmpty;
  if (i == kRowFillLastPile) return leftFilled;
  return leftFilled && rightEmpty;
}

bool foundationRow(const BuildContext& c) {
  const int i = c.q.pileIndex;
  if (i > 0 && !holdsRank(c.foundation(i - 1), c.m)) return false;
  if (c.onEmpty()) return c.m == c.foundationBaseOf(i);
  return firstCardHasSuitOf(c.foundation(i), c.q.moving);
}

bool emptyWhileStockEmpty(const BuildContext& c) {
  if (!c.q.isDrop) return generalBuild(c, 2);
  return c.onEmpty() && c.state.table.pile(PileId::stock()).empty();
}

bool notFromTableau(const BuildContext& c) { return !fromTableau(c); }

bool tableauCardsOnlyToEmpty(const BuildContext& c) { return !fromTableau(c) || c.onEmpty(); }

bool notFromTableauOrReserve(const BuildContext& c) {
  const PileLocation s = c.source();
  return !isTableauLocation(s) && !isReserveLocation(s);
}

bool notFromTableauOntoShortPile(const BuildContext& c) {
  return !fromTableau(c) && c.destination().size() <= 1;
}

bool upInSuitWhileWasteEmpty(const BuildContext& c) {
  return c.waste().empty() && !c.onEmpty() && c.inSuit() && c.m == c.t + 1;
}

bool adjacentOnShortPile(const BuildContext& c) {
  return !c.onEmpty() && c.destination().size() <= 2 && c.adjacent();
}

bool alternateNotFromFoundationOrReserve(const BuildContext& c) {
  const PileLocation s = c.source();
  if (isFoundationLocation(s) || isReserveLocation(s)) return false;
  return generalBuild(c, 3);
}

// A foundation that climbs from Ace to King and comes back down in suit.
bool climbAndReturn(const BuildContext& c) {
  if (c.onEmpty()) return groupTestPasses(c.state, c.q.base, c.q.moving);
  if (!c.inSuit()) return false;
  const int held = c.destination().size();
  if (held < kFullSuit) return c.m == c.t + 1;
  if (held == kFullSuit) return c.m == kKing;
  return c.m == c.t - 1;
}

// The pile's last two cards say which way it is going.
bool inSuitFollowingPile(const BuildContext& c) {
  if (c.onEmpty() || !c.inSuit()) return false;
  const Pile& p = c.destination();
  if (p.size() < 2) return c.adjacent();
  const bool goingDown = cardRank(p.top()) < cardRank(p.cardAt(p.size() - 2));
  return c.m == (goingDown ? c.t - 1 : c.t + 1);
}

bool downRoundTheCornerFromBase(const BuildContext& c) {
  if (!c.onEmpty()) return c.m == rankBelow(c.t);
  const int i = c.q.pileIndex;
  return c.m == c.q.foundationBaseRank && (i == 0 || !c.foundation(i - 1).empty());
}

bool doubling(const BuildContext& c) {
  if (c.onEmpty()) return generalBuild(c, 37);
  if (c.m == kKing) return c.foundation(0).size() >= kCardsBeforeDoublingKings;
  return c.m == (2 * c.t) % kRanksPerSuit;
}

bool kingHeadedPiles(const BuildContext& c) {
  if (!c.waste().empty()) return rowFill(c, kKing);
  if (c.onEmpty()) return c.m == kKing;
  return c.destination().size() == 1 && c.t == kKing && c.m != kQueen && c.m != kKing;
}

bool kingHeadedPilesDown(const BuildContext& c) {
  if (!c.waste().empty()) return rowFill(c, kKing);
  if (c.onEmpty()) return c.m == kKing;
  if (c.m == kKing) return false;
  return c.destination().size() == 1 || c.m == c.t - 1;
}

bool queenHeadedPiles(const BuildContext& c) {
  if (!c.waste().empty()) return rowFill(c, kQueen);
  if (c.onEmpty()) return c.m == kQueen;
  return c.destination().size() == 1 && c.t == kQueen && c.m != kQueen;
}

// The rank called is the number of deals so far; the last card of stock
// and waste may go anywhere.
bool counting(const BuildContext& c) {
  const TableState& table = c.state.table;
  if (table.pile(PileId::stock()).size() + table.pile(PileId::waste()).size() == 1) return true;
  const int called = (c.state.dealCount % kRanksPerSuit + kRanksPerSuit) % kRanksPerSuit;
  return c.m == (called == 0 ? kKing : called);
}

bool upByTwoSuitsApart(const BuildContext& c) {
  if (!c.onEmpty()) return c.inSuit() && (c.m == c.t + 2 || c.m == (c.t + 2) % kRanksPerSuit);
  const int i = c.q.pileIndex;
  if (c.m != c.foundationBaseOf(i)) return false;
  // Foundations come in groups of four that must show four different suits.
  const int first = i <= 3 ? 0 : 4;
  std::array<bool, 4> seen{};
  seen[static_cast<std::size_t>(suitIndex(c.q.moving))] = true;
  for (int f = first; f < first + 4; ++f) {
    const int suit = suitIndex(c.foundation(f).top());
    if (suit < 0) continue;
    if (seen[static_cast<std::size_t>(suit)]) return false;
    seen[static_cast<std::size_t>(suit)] = true;
  }
  return true;
}

bool upInSuitKingAfterPartner(const BuildContext& c) {
  if (!c.inSuit() || c.m != c.t + 1) return false;
  return c.m != kKing || cardRank(c.foundation(c.q.pileIndex + 6).top()) == kKing;
}

bool upFromBaseBelowQueen(const BuildContext& c) {
  if (c.onEmpty()) return c.m == c.foundationBaseOf(c.q.pileIndex);
  return c.m == c.t + 1 && c.m < kQueen;
}

bool downFromBaseNoQueen(const BuildContext& c) {
  if (c.onEmpty()) return c.m == c.foundationBaseOf(c.q.pileIndex);
  return (c.m == c.t - 1 || (c.t == kAce && c.m == kKing)) && c.m != kQueen;
}

// Foundations paired with a tableau pile (the pile of the same index, or
// eight below it) open only while that pile holds cards.
template <int offset, BuildRuleFn own>
bool openWhileTableauHolds(const BuildContext& c) {
  if (c.onEmpty() && c.tableau(c.q.pileIndex - offset).empty()) return false;
  return own(c);
}

template <int offset, BuildRuleFn own>
bool openWhileTableauHoldsInItsSuit(const BuildContext& c) {
  return openWhileTableauHolds<offset, own>(c) &&
         firstCardHasSuitOf(c.tableau(c.q.pileIndex - offset), c.q.moving);
}

bool afterFirstFoundationFull(const BuildContext& c) {
  const int i = c.q.pileIndex;
  if (i > 0 && c.foundation(0).size() != kFullSuit) return false;
  if (c.onEmpty()) return c.m == c.foundationBaseOf(i);
  return c.m == rankAbove(c.t);
}

bool downNotFromFirstReserves(const BuildContext& c) {
  const PileLocation s = c.source();
  if (isReserveLocation(s) && reserveIndexOf(s) < kReservesBarredFromCode54) return false;
  if (c.onEmpty()) return emptyAcceptsTableauBase(c);
  const int i = c.q.pileIndex;
  const bool wraps = i >= 0 && i < familySize(PileFamily::Tableau) && c.param(Param::tableauWrap(i)) == 1;
  return c.m == c.t - 1 || (wraps && c.t == kAce && c.m == kKing);
}

// The visible waste is played first: while it holds one card only that
// card may move here, while it holds more nothing may.
bool upSameColourWasteFirst(const BuildContext& c) {
  const Pile& w = c.waste();
  if (w.size() > 1 || (w.size() == 1 && c.q.moving != w.top())) return false;
  if (c.onEmpty()) return emptyAcceptsTableauBase(c);
  return c.m == c.t + 1 && c.sameColour();
}

constexpr std::array<BuildRule, 28> kRules{{
    {5, foundationRow},
    {7, emptyWhileStockEmpty},
    {17, notFromTableau},
    {18, tableauCardsOnlyToEmpty},
    {19, notFromTableauOrReserve},
    {23, upInSuitWhileWasteEmpty},
    {26, adjacentOnShortPile},
    {27, alternateNotFromFoundationOrReserve},
    {29, climbAndReturn},
    {30, inSuitFollowingPile},
    {33, notFromTableauOntoShortPile},
    {36, downRoundTheCornerFromBase},
    {37, doubling},
    {38, kingHeadedPiles},
    {40, counting},
    {41, upByTwoSuitsApart},
    {42, upInSuitKingAfterPartner},
    {45, kingHeadedPilesDown},
    {46, upFromBaseBelowQueen},
    {47, downFromBaseNoQueen},
    {48, queenHeadedPiles},
    {49, openWhileTableauHolds<0, upFromBaseBelowQueen>},
    {50, openWhileTableauHolds<8, downFromBaseNoQueen>},
    {51, openWhileTableauHoldsInItsSuit<0, upFromBaseBelowQueen>},
    {52, openWhileTableauHoldsInItsSuit<8, downFromBaseNoQueen>},
    {53, afterFirstFoundationFull},
    {54, downNotFromFirstReserves},
    {55, upSameColourWasteFirst},
}};

}  // namespace

std::span<const BuildRule> tableBuildRules() { return kRules; }

}  // namespace kes
