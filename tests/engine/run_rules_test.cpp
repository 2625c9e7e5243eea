#include <gtest/gtest.h>

#include "engine/drop_rules.h"
#include "engine/run_rules.h"
#include "rules_table.h"

namespace kes {
namespace {

using namespace rules_test;

const PileId T0 = PileId::tableau(0);
const PileId T1 = PileId::tableau(1);

// A game with the given limit on cards moved together, every tableau pile
// and reserve occupied, and a run of n alternating cards from a Ten down on
// tableau pile 0.
RulesTable withRunOf(int n, int limitMode) {
  RulesTable t;
  t.set(Param::RunLimitMode, limitMode).fillTableauAndReserves();
  std::initializer_list<int> ten{S(10), H(9), S(8), H(7), S(6), H(5), S(4)};
  t.pile(T0, {});
  for (int k = 0; k < n; ++k) t->table.appendCard(T0, *(ten.begin() + k), true);
  return t;
}

TEST(RunLength, CellsAndSpacesAddUp) {
  // Two empty reserves and one empty tableau pile.
  RulesTable t = withRunOf(5, -5);
  t.pile(PileId::reserve(0), {}).pile(PileId::reserve(1), {}).pile(PileId::tableau(5), {});
  EXPECT_TRUE(checkRunLength(*t, H(9), false).allowed) << "4 cards to a pile with cards";
  EXPECT_FALSE(checkRunLength(*t, S(10), false).allowed) << "5 cards";
  EXPECT_FALSE(checkRunLength(*t, H(9), true).allowed) << "4 cards to the empty pile";
  EXPECT_TRUE(checkRunLength(*t, S(8), true).allowed) << "3 cards to the empty pile";
  t.pile(PileId::tableau(5), {H(1)});
  EXPECT_TRUE(checkRunLength(*t, S(8), false).allowed) << "no empty pile: reserves + 1";
  EXPECT_FALSE(checkRunLength(*t, H(9), false).allowed);
}

TEST(RunLength, DroppingOnAnEmptyPileCountsItOut) {
  RulesTable t = withRunOf(4, -5);
  t.set(Param::tableauBuildRule(5), 3).set(Param::tableauEmptyBase(5), -1);
  t.pile(PileId::reserve(0), {}).pile(PileId::reserve(1), {}).pile(PileId::tableau(5), {});
  t.holdingRun(H(7));
  EXPECT_FALSE(canDropOnTableau(*t, 5, S(10))) << "4 cards to the empty pile";
  t.pile(T0, {S(10), H(9), S(8)}).holdingRun(S(8));
  EXPECT_TRUE(canDropOnTableau(*t, 5, S(10))) << "3 cards to the empty pile";
}

// Every free cell adds one card, every empty pile that takes any card
// doubles; onto such an empty pile it does not count itself.
TEST(RunLength, CellsDoubledBySpaces) {
  // The run: S10 H9 S8 H7 S6 H5 S4.
  RulesTable t = withRunOf(7, -7);
  for (int i = 0; i < 8; ++i) t.set(Param::tableauEmptyBase(i), -1);
  t.pile(PileId::reserve(0), {}).pile(PileId::tableau(5), {});
  EXPECT_TRUE(checkRunLength(*t, H(7), false).allowed) << "4 cards: one cell, one space";
  EXPECT_FALSE(checkRunLength(*t, S(8), false).allowed) << "5 cards";
  EXPECT_TRUE(checkRunLength(*t, H(5), true, 5).allowed) << "2 cards into the space";
  EXPECT_FALSE(checkRunLength(*t, S(6), true, 5).allowed) << "3 cards into the space";

  t.pile(PileId::tableau(6), {});
  EXPECT_TRUE(checkRunLength(*t, S(10), false).allowed) << "7 cards of 8: one cell, two spaces";
  EXPECT_TRUE(checkRunLength(*t, H(7), true, 6).allowed) << "4 cards into one of the spaces";
  EXPECT_FALSE(checkRunLength(*t, S(8), true, 6).allowed);

  // Spaces that take only a King hold no part of a run.
  for (int i = 0; i < 8; ++i) t.set(Param::tableauEmptyBase(i), 13);
  EXPECT_TRUE(checkRunLength(*t, H(5), false).allowed) << "cells + 1";
  EXPECT_FALSE(checkRunLength(*t, S(6), false).allowed);
  EXPECT_TRUE(checkRunLength(*t, H(5), true, 6).allowed) << "a King's space does not halve it";
}

TEST(RunLength, DoublingLimitCountsTheEmptyPileDroppedOn) {
  RulesTable t = withRunOf(3, -7);
  for (int i = 0; i < 8; ++i) t.set(Param::tableauEmptyBase(i), -1).set(Param::tableauBuildRule(i), 3);
  t.pile(PileId::reserve(0), {}).pile(PileId::tableau(5), {});
  t.holdingRun(S(8));
  EXPECT_FALSE(canDropOnTableau(*t, 5, S(10))) << "3 cards into the only space, one cell";
  t.pile(T0, {S(10), H(9)}).holdingRun(H(9));
  EXPECT_TRUE(canDropOnTableau(*t, 5, S(10))) << "2 cards";
}

TEST(RunLength, OtherLimits) {
  RulesTable unlimited = withRunOf(7, -1);
  EXPECT_TRUE(checkRunLength(*unlimited, S(10), false).allowed);

  RulesTable fixed = withRunOf(3, 3);
  EXPECT_TRUE(checkRunLength(*fixed, S(10), false).allowed);
  fixed = withRunOf(4, 3);
  EXPECT_FALSE(checkRunLength(*fixed, S(10), false).allowed);

  RulesTable none = withRunOf(1, 0);
  EXPECT_FALSE(checkRunLength(*none, S(10), false).allowed) << "0 lifts nothing";

  RulesTable spaces = withRunOf(3, -2);
  EXPECT_FALSE(checkRunLength(*spaces, S(10), false).allowed);
  EXPECT_TRUE(checkRunLength(*spaces, S(8), false).allowed) << "at least one card";
  spaces.pile(PileId::tableau(3), {}).pile(PileId::tableau(4), {}).pile(PileId::reserve(0), {});
  EXPECT_FALSE(checkRunLength(*spaces, S(10), false).allowed) << "reserves do not count";
  EXPECT_TRUE(checkRunLength(*spaces, H(9), false).allowed);

  RulesTable orSpaces = withRunOf(4, -6);
  orSpaces.pile(PileId::reserve(0), {}).pile(PileId::reserve(1), {});
  EXPECT_TRUE(checkRunLength(*orSpaces, H(9), false).allowed) << "no empty pile: reserves + 1";
  EXPECT_FALSE(checkRunLength(*orSpaces, S(10), false).allowed);
  orSpaces.pile(PileId::tableau(6), {});
  EXPECT_TRUE(checkRunLength(*orSpaces, H(9), false).allowed) << "reserves + piles";
  EXPECT_FALSE(checkRunLength(*orSpaces, S(10), false).allowed);
}

TEST(RunLength, KingHeadedRunsOnly) {
  RulesTable t;
  t.set(Param::RunLimitMode, -12);
  t.pile(T0, {S(13), H(12), S(11)}).pile(T1, {H(12, 1), S(11, 1)});
  EXPECT_TRUE(checkRunLength(*t, S(13), false).allowed);
  EXPECT_FALSE(checkRunLength(*t, H(12, 1), false).allowed);
  EXPECT_TRUE(checkRunLength(*t, S(11, 1), false).allowed) << "a single card";
}

TEST(RunLength, RecordsTheRunTop) {
  RulesTable t = withRunOf(3, -1);
  EXPECT_TRUE(runLengthAllowed(t.state(), S(10), false));
  EXPECT_EQ(t->drag.draggedRunTop, S(8));
  EXPECT_TRUE(runLengthAllowed(t.state(), S(8), false));
  EXPECT_EQ(t->drag.draggedRunTop, S(8));
  EXPECT_FALSE(runLengthAllowed(t.state(), D(2), false)) << "a card on no pile";
  EXPECT_EQ(t->drag.draggedRunTop, 0);
}

TEST(MoveRulesValidRun, PairsFollowThePileRule) {
  RulesTable t;
  t.set(Param::RunCheck, 1).set(Param::tableauBuildRule(0), 3).set(Param::foundationBase(0), 1);
  t.pile(T0, {D(2), S(10), H(9), S(8)});
  EXPECT_TRUE(isValidRun(*t, S(10), 0));
  EXPECT_FALSE(isValidRun(*t, D(2), 0));
  EXPECT_TRUE(isValidRun(*t, S(8), 0)) << "a single card";
  EXPECT_FALSE(isValidRun(*t, S(8), 1)) << "not in that pile";

  t.set(Param::RunCheck, 10);
  EXPECT_FALSE(isValidRun(*t, S(10), 0)) << "same suit wanted";
  t.pile(T0, {H(10), H(9), H(8)});
  EXPECT_TRUE(isValidRun(*t, H(10), 0));

  t.set(Param::RunCheck, 0).pile(T0, {H(2), S(9), C(13)});
  EXPECT_TRUE(isValidRun(*t, H(2), 0)) << "no check";
}

TEST(MoveRulesValidRun, SameSuitFollowsDirectionAndWrap) {
  RulesTable t;
  t.set(Param::RunCheck, 10).set(Param::tableauDirection(0), 1).set(Param::foundationBase(0), 1);
  t.pile(T0, {H(8), H(9), H(10)});
  EXPECT_TRUE(isValidRun(*t, H(8), 0));
  t.pile(T0, {H(1), H(13)}).set(Param::tableauDirection(0), 0);
  EXPECT_FALSE(isValidRun(*t, H(1), 0));
  t.set(Param::tableauWrap(0), 1);
  EXPECT_TRUE(isValidRun(*t, H(1), 0));
}

}  // namespace
}  // namespace kes
