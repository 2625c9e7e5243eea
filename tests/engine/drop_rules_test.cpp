#include <gtest/gtest.h>

#include "engine/drop_rules.h"
#include "engine/opening_phase.h"
#include "engine/pile_location.h"
#include "rules_table.h"

namespace kes {
namespace {

using namespace rules_test;

const PileId F0 = PileId::foundation(0);
const PileId T0 = PileId::tableau(0);
const PileId T1 = PileId::tableau(1);

// Foundations from Ace up in suit; tableau down in alternate colours, any
// card on an empty pile.
RulesTable classic() {
  RulesTable t;
  for (int i = 0; i < 4; ++i)
    t.set(Param::foundationBase(i), 1).set(Param::foundationDirection(i), 1).set(Param::foundationBuildRule(i), 0);
  for (int i = 0; i < 8; ++i)
    t.set(Param::tableauEmptyBase(i), -1).set(Param::tableauBuildRule(i), 3).set(Param::tableauDirection(i), 0);
  return t;
}

TEST(MoveRules, LocateCardNamesEveryFamily) {
  RulesTable t;
  t.pile(PileId::stock(), {H(1)}).pile(PileId::waste(), {H(2)}).pile(PileId::secondWaste(), {H(3)});
  t.pile(PileId::foundation(15), {H(4)}).pile(PileId::tableau(25), {H(5)}).pile(PileId::reserve(7), {H(6)});
  t.pile(T0, {H(7)}).pile(PileId::reserve(0), {H(8)}).pile(F0, {H(9)});
  EXPECT_EQ(locateCard(t->table, H(1)), -99);
  EXPECT_EQ(locateCard(t->table, H(2)), -98);
  EXPECT_EQ(locateCard(t->table, H(3)), 0) << "second waste";
  EXPECT_EQ(locateCard(t->table, H(4)), -16);
  EXPECT_EQ(locateCard(t->table, H(5)), 26);
  EXPECT_EQ(locateCard(t->table, H(6)), -28);
  EXPECT_EQ(locateCard(t->table, H(7)), 1);
  EXPECT_EQ(locateCard(t->table, H(8)), -21);
  EXPECT_EQ(locateCard(t->table, H(9)), -1);
  EXPECT_EQ(locateCard(t->table, H(10)), 0) << "on no pile";
}

TEST(MoveRules, FoundationTakesSingleCardsUpToItsLimit) {
  RulesTable t = classic();
  t.pile(T0, {H(1)});
  EXPECT_TRUE(canDropOnFoundation(*t, 0, H(1)));
  EXPECT_FALSE(canDropOnFoundation(*t, 0, H(2)));
  t.holdingRun();
  EXPECT_FALSE(canDropOnFoundation(*t, 0, H(1))) << "only a single card";

  RulesTable full = classic();
  full.set(Param::FoundationMaxCards, 2).pile(F0, {H(1), H(2)});
  EXPECT_FALSE(canDropOnFoundation(*full, 0, H(3)));
  EXPECT_FALSE(canDropOnFoundation(*full, 16, H(3))) << "no such foundation";
}

TEST(MoveRules, FoundationCodesOfTheirOwn) {
  RulesTable t = classic();
  t.set(Param::foundationBuildRule(0), 10);
  EXPECT_TRUE(canDropOnFoundation(*t, 0, S(12)));
  EXPECT_FALSE(canDropOnFoundation(*t, 0, S(11)));
  t.pile(F0, {H(12)});
  EXPECT_FALSE(canDropOnFoundation(*t, 0, S(12))) << "Queens only on an empty foundation";

  // A discard pile: a card goes when a higher one of its suit shows.
  t.set(Param::foundationBuildRule(0), 22).pile(T0, {D(9)}).pile(T1, {S(3)});
  EXPECT_TRUE(canDropOnFoundation(*t, 0, D(4)));
  EXPECT_FALSE(canDropOnFoundation(*t, 0, D(10)));
  EXPECT_FALSE(canDropOnFoundation(*t, 0, S(3))) << "itself is no higher card";
  EXPECT_TRUE(canDropOnFoundation(*t, 0, C(1))) << "an Ace always";
  t.pile(T1, {S(1)});
  EXPECT_TRUE(canDropOnFoundation(*t, 0, S(12))) << "an Ace of the suit shows";
}

TEST(MoveRules, UpAnySuitIgnoresTheLimitButNotThePack) {
  RulesTable t = classic();
  t.set(Param::foundationBuildRule(0), 20).set(Param::FoundationMaxCards, 2).pile(F0, {H(1), S(2)});
  EXPECT_TRUE(canDropOnFoundation(*t, 0, C(3)));
  Pile pack;
  for (int k = 0; k < 52; ++k) pack.append(cardOf(k % 13 + 1, static_cast<Suit>(k / 13), 1));
  t->table.pile(F0) = pack;
  EXPECT_FALSE(canDropOnFoundation(*t, 0, H(1)));
}

TEST(MoveRules, FoundationWindowOfFamily23) {
  RulesTable t = classic();
  t.set(Param::Family, 23).pile(T0, {H(1)}).pile(PileId::waste(), {S(5)});
  t->history.undo.log = MoveLog("001,,001,");
  EXPECT_FALSE(canDropOnFoundation(*t, 0, H(1)));
  t.pile(PileId::reserve(0), {D(1)});
  EXPECT_TRUE(canDropOnFoundation(*t, 0, D(1))) << "only tableau cards wait";
  t->history.undo.log = MoveLog(",");
  EXPECT_TRUE(canDropOnFoundation(*t, 0, H(1))) << "no tableau move yet";
  t->history.undo.log = MoveLog("001,");
  t.pile(PileId::waste(), {});
  EXPECT_TRUE(canDropOnFoundation(*t, 0, H(1))) << "waste empty";
}

TEST(MoveRules, TableauRefusals) {
  RulesTable t = classic();
  t.pile(T0, {S(9), H(8)}).pile(T1, {C(9)}).faceDown(C(9));
  EXPECT_FALSE(canDropOnTableau(*t, 1, H(8))) << "top card face down";
  t.pile(T1, {C(9)}).pile(PileId::tableau(2), {D(9)});
  EXPECT_TRUE(canDropOnTableau(*t, 1, H(8)));
  EXPECT_FALSE(canDropOnTableau(*t, 2, H(8)));
  // Nothing is held here (no dragged run top), as when the engine fills a gap itself.
  EXPECT_TRUE(canDropOnTableau(*t, 3, H(8))) << "any card on an empty pile";
  EXPECT_FALSE(canDropOnTableau(*t, 26, H(8)));
}

TEST(MoveRules, RunDroppedBackOnItsOwnPileIsRefused) {
  RulesTable t = classic();
  t.set(Param::tableauBuildRule(0), 12).set(Param::RunLimitMode, -1);
  t.pile(T0, {D(2), S(10), H(9)}).holdingRun(H(9));
  EXPECT_FALSE(canDropOnTableau(*t, 0, S(10)));
  t.pile(T1, {D(11)}).set(Param::tableauBuildRule(1), 12);
  EXPECT_TRUE(canDropOnTableau(*t, 1, S(10)));
}

TEST(MoveRules, AlternateDownTakesRunsOnlyOnEmptyPiles) {
  RulesTable t = classic();
  t.set(Param::tableauBuildRule(1), 34).set(Param::tableauBuildRule(2), 34);
  t.pile(T0, {S(10), H(9)}).pile(T1, {D(11)}).holdingRun(H(9));
  EXPECT_FALSE(canDropOnTableau(*t, 1, S(10)));
  EXPECT_TRUE(canDropOnTableau(*t, 2, S(10)));
  t->drag.singleCardHeld = true;
  t.pile(T0, {S(10)});
  EXPECT_TRUE(canDropOnTableau(*t, 1, S(10)));
}

TEST(MoveRules, ReserveKinds) {
  RulesTable t;
  t.set(Param::reserveKind(1), 9);
  EXPECT_FALSE(canDropOnReserve(*t, 1, S(10)));
  EXPECT_TRUE(canDropOnReserve(*t, 1, S(11)));
  EXPECT_TRUE(canDropOnReserve(*t, 1, S(13)));
  t.set(Param::reserveKind(1), 4);
  for (const int card : {S(1), S(10), S(11), S(13)}) EXPECT_FALSE(canDropOnReserve(*t, 1, card)) << card;

  // Plain reserves: one single card each.
  EXPECT_TRUE(canDropOnReserve(*t, 2, H(5)));
  t.pile(PileId::reserve(2), {H(6)});
  EXPECT_FALSE(canDropOnReserve(*t, 2, H(5)));
  t.holdingRun();
  EXPECT_FALSE(canDropOnReserve(*t, 3, H(5)));
}

TEST(MoveRules, ReservesThatHoldSeveralCards) {
  RulesTable t;
  t.set(Param::reserveKind(0), 8);
  t.pile(PileId::reserve(0), {H(13), D(13)});
  EXPECT_TRUE(canDropOnReserve(*t, 0, S(13)));
  EXPECT_FALSE(canDropOnReserve(*t, 0, S(12)));
  t.pile(PileId::reserve(0), {H(13), D(13), C(13)});
  EXPECT_FALSE(canDropOnReserve(*t, 0, S(13)));

  t.set(Param::reserveKind(0), 13).pile(PileId::reserve(0), {H(2), H(3), H(4), H(5)});
  EXPECT_TRUE(canDropOnReserve(*t, 0, S(9)));
  t.pile(PileId::reserve(0), {H(2), H(3), H(4), H(5), H(6)});
  EXPECT_FALSE(canDropOnReserve(*t, 0, S(9)));
}

TEST(MoveRules, BuildingOnTheWaste) {
  RulesTable t;
  t.set(Param::WasteUsed, 1).set(Param::WasteBuildable, 2).pile(PileId::waste(), {C(4), D(13)});
  EXPECT_TRUE(canDropOnWaste(*t, D(12)));
  EXPECT_TRUE(canDropOnWaste(*t, D(1))) << "King to Ace";
  EXPECT_FALSE(canDropOnWaste(*t, H(12))) << "other suit";
  EXPECT_FALSE(canDropOnWaste(*t, D(11)));
  t.pile(PileId::waste(), {D(1)});
  EXPECT_TRUE(canDropOnWaste(*t, D(13)));
  EXPECT_TRUE(canDropOnWaste(*t, D(2)));

  t->laidOut = true;  // a layout that left the waste off the table
  EXPECT_FALSE(canDropOnWaste(*t, D(2))) << "waste off the table";
  t->positions.set(PileId::waste(), 10, 10);
  t.set(Param::WasteNotDropTarget, 4);
  EXPECT_FALSE(canDropOnWaste(*t, D(2)));
  t.set(Param::WasteNotDropTarget, 0).set(Param::WasteBuildable, 1);
  EXPECT_FALSE(canDropOnWaste(*t, D(2)));
  t.set(Param::WasteBuildable, 2).pile(PileId::waste(), {});
  EXPECT_FALSE(canDropOnWaste(*t, D(2))) << "empty waste";
}

TEST(MoveRules, DispatchByPileName) {
  RulesTable t = classic();
  t.set(Param::reserveKind(0), 4).set(Param::WasteUsed, 1).set(Param::WasteBuildable, 2);
  t.pile(PileId::waste(), {S(6)}).pile(T0, {H(5)});
  EXPECT_TRUE(canDropOn(*t, "Dest2", H(1)));
  EXPECT_FALSE(canDropOn(*t, "Dest2", H(2)));
  EXPECT_TRUE(canDropOn(*t, "Fila2", H(5)));
  EXPECT_TRUE(canDropOn(*t, "Appogg2", H(5)));
  EXPECT_FALSE(canDropOn(*t, "Appogg1", H(5)));
  EXPECT_FALSE(canDropOn(*t, "Mazzo_Vis", H(5)));
  EXPECT_TRUE(canDropOn(*t, "Mazzo_Vis", S(5)));
  EXPECT_FALSE(canDropOn(*t, "Mazzo", S(5)));
  EXPECT_FALSE(canDropOn(*t, "Mazzo_Waste", S(5)));
  EXPECT_FALSE(canDropOn(*t, "Fila27", H(5)));
  EXPECT_EQ(canDropOn(*t, PileId::tableau(1), H(5)), canDropOnTableau(*t, 1, H(5)));
}

TEST(MoveRules, OpeningPhaseOnlyTableauToFoundation) {
  RulesTable t;
  t.pile(T0, {H(1)}).pile(PileId::waste(), {S(1)});
  EXPECT_TRUE(openingPhaseAllows(*t, S(1), T1)) << "no opening phase in this game";
  t.set(Param::OpeningPhase, 1);
  EXPECT_TRUE(openingPhaseAllows(*t, H(1), F0));
  EXPECT_FALSE(openingPhaseAllows(*t, H(1), T1));
  EXPECT_FALSE(openingPhaseAllows(*t, H(1), PileId::reserve(0)));
  EXPECT_FALSE(openingPhaseAllows(*t, S(1), F0));
  t->movesMade = 1;
  EXPECT_TRUE(openingPhaseAllows(*t, S(1), T1));
}

}  // namespace
}  // namespace kes
