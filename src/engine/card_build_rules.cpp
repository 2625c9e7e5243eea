#include <array>

#include "engine/build_context.h"

namespace kes {

namespace {

bool never(const BuildContext&) { return false; }
bool always(const BuildContext&) { return true; }

// Up by k ranks regardless of suit, counting round the King: an empty pile
// (rank -1) therefore takes the card of rank k - 1.
template <int k>
bool upBy(const BuildContext& c) {
  return c.m == c.t + k || c.m == (c.t + k) % kRanksPerSuit;
}

bool suitNoQueenOnKingOrJack(const BuildContext& c) {
  if (c.m == kQueen && (c.t == kKing || c.t == kJack)) return false;
  return generalBuild(c, 11);
}

bool upAnySuitRoundTheCorner(const BuildContext& c) {
  return c.onEmpty() ? c.m == kAce : c.m == rankAbove(c.t);
}

bool likeTwoButNeverInSuit(const BuildContext& c) {
  if (!c.onEmpty() && c.inSuit()) return false;
  return generalBuild(c, 2);
}

bool inSuitNoCourtPairs(const BuildContext& c) {
  if ((c.m == kQueen && c.t == kKing) || (c.m == kKing && c.t == kQueen)) return false;
  return generalBuild(c, 0);
}

bool inSuitByTwo(const BuildContext& c) {
  if (c.onEmpty()) return true;
  return c.inSuit() && c.m == (c.q.direction == 1 ? c.t + 2 : c.t - 2);
}

bool adjacentInSuitAnythingOnEmpty(const BuildContext& c) {
  return c.onEmpty() || (c.inSuit() && c.adjacent());
}

bool downInSuit(const BuildContext& c) { return c.inSuit() && c.m == c.t - 1; }
bool upInSuit(const BuildContext& c) { return c.inSuit() && c.m == c.t + 1 && c.t != kKing; }

bool alternateDownNoWrap(const BuildContext& c) {
  if (c.onEmpty()) return generalBuild(c, 34);
  return !c.sameColour() && c.m == c.t - 1;
}

bool adjacentRoundTheCorner(const BuildContext& c) {
  if (c.onEmpty()) return generalBuild(c, 35);
  return c.m == rankAbove(c.t) || c.m == rankBelow(c.t);
}

bool upBelowTheCourt(const BuildContext& c) {
  return c.onEmpty() ? c.m == kAce : c.m == c.t + 1 && c.m < kQueen;
}

bool upByTwoInSuitNoWrap(const BuildContext& c) { return c.inSuit() && c.m == c.t + 2; }

bool upNeverAKing(const BuildContext& c) {
  return c.onEmpty() ? c.m == kAce : c.m == c.t + 1 && c.m != kKing;
}

bool sameRank(const BuildContext& c) { return !c.onEmpty() && c.m == c.t; }

constexpr std::array<BuildRule, 19> kRules{{
    {4, never},
    {11, suitNoQueenOnKingOrJack},
    {12, always},
    {14, upBy<2>},
    {15, upBy<3>},
    {16, upBy<4>},
    {20, upAnySuitRoundTheCorner},
    {21, likeTwoButNeverInSuit},
    {24, inSuitNoCourtPairs},
    {25, inSuitByTwo},
    {28, adjacentInSuitAnythingOnEmpty},
    {31, downInSuit},
    {32, upInSuit},
    {34, alternateDownNoWrap},
    {35, adjacentRoundTheCorner},
    {39, upBelowTheCourt},
    {43, upByTwoInSuitNoWrap},
    {44, upNeverAKing},
    {56, sameRank},
}};

}  // namespace

std::span<const BuildRule> cardBuildRules() { return kRules; }

}  // namespace kes
