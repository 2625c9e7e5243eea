#include <gtest/gtest.h>

#include "engine/pick_up_rules.h"
#include "rules_table.h"

namespace kes {

void PrintTo(PickUpOutcome outcome, std::ostream* os) {
  constexpr const char* kNames[] = {"Lift",         "LiftRun",          "TurnFaceUp",  "Show",
                                    "StockPress",   "PairingSelection", "SendToWaste", "StartRedeal",
                                    "Refuse",       "Ignore"};
  *os << kNames[static_cast<int>(outcome)];
}

namespace {

using namespace rules_test;
using O = PickUpOutcome;

const PileId T0 = PileId::tableau(0);
const PileId T1 = PileId::tableau(1);
const PileId R0 = PileId::reserve(0);

PickUp left(const RulesTable& t, int card, PileId pile) { return canPickUp(*t, card, pile, PressButton::Left); }

// Tableau runs down in alternate colours, checked pair by pair, no limit.
RulesTable alternating() {
  RulesTable t;
  t.set(Param::RunCheck, 1).set(Param::RunLimitMode, -1).set(Param::foundationBase(0), 1);
  for (int i = 0; i < 8; ++i) t.set(Param::tableauBuildRule(i), 3);
  return t;
}

TEST(PickUp, FaceDownTopCardTurnsUp) {
  RulesTable t = alternating();
  t.pile(T0, {S(4), H(9)}).faceDown(S(4)).faceDown(H(9));
  const PickUp p = left(t, H(9), T0);
  EXPECT_EQ(p.outcome, O::TurnFaceUp);
  EXPECT_EQ(p.card, H(9));
  EXPECT_FALSE(t->table.isFaceUp(H(9))) << "the rules only decide";
  EXPECT_EQ(left(t, S(4), T0).outcome, O::Refuse) << "a covered face-down card";
}

TEST(PickUp, TopCardAndRuns) {
  RulesTable t = alternating();
  t.pile(T0, {D(2), S(10), H(9), S(8)});
  PickUp p = left(t, S(8), T0);
  EXPECT_EQ(p.outcome, O::Lift);
  EXPECT_EQ(p.runTop, S(8));
  p = left(t, S(10), T0);
  EXPECT_EQ(p.outcome, O::LiftRun);
  EXPECT_EQ(p.card, S(10));
  EXPECT_EQ(p.runTop, S(8));
  EXPECT_EQ(left(t, D(2), T0).outcome, O::Refuse) << "not a run";
  EXPECT_EQ(left(t, 0, T1).outcome, O::Refuse) << "nothing to lift";
  EXPECT_EQ(left(t, S(8), T1).outcome, O::Refuse) << "card is not in that pile";
}

TEST(PickUp, RunLimitAndFacesDecideRuns) {
  RulesTable t = alternating();
  t.set(Param::RunLimitMode, 2).fillTableauAndReserves();
  t.pile(T0, {S(10), H(9), S(8)});
  EXPECT_EQ(left(t, S(10), T0).outcome, O::Refuse) << "three cards, limit two";
  EXPECT_EQ(left(t, H(9), T0).outcome, O::LiftRun);
  t.faceDown(H(9));
  EXPECT_EQ(left(t, H(9), T0).outcome, O::Refuse) << "face down";
  t.set(Param::RunLimitMode, 0);
  EXPECT_EQ(left(t, S(8), T0).outcome, O::Refuse) << "limit 0 lifts nothing";
}

TEST(PickUp, GridLiftsACardOutOfABrokenRun) {
  RulesTable t = alternating();
  t.set(Param::TableauFanning, 8).pile(T0, {D(2), C(7), S(8)});
  const PickUp p = left(t, C(7), T0);
  EXPECT_EQ(p.outcome, O::Lift);
  EXPECT_EQ(p.runTop, C(7));
}

// A caller asking about every card of a pile from the top down may stop at
// a card refused for a broken run: every card under it is refused too.
TEST(PickUp, BrokenRunRefusesEveryCardUnderIt) {
  RulesTable t = alternating();
  t.pile(T0, {H(3), S(4), D(2), C(7), H(6), S(5)});
  EXPECT_FALSE(refusedForBrokenRun(*t, S(5), T0)) << "the top card is lifted alone";
  EXPECT_FALSE(refusedForBrokenRun(*t, C(7), T0)) << "a valid run";
  ASSERT_TRUE(refusedForBrokenRun(*t, D(2), T0));
  for (int card : {D(2), S(4), H(3)}) {
    EXPECT_EQ(left(t, card, T0).outcome, O::Refuse) << card;
    EXPECT_TRUE(refusedForBrokenRun(*t, card, T0)) << card;
  }
  EXPECT_FALSE(refusedForBrokenRun(*t, S(5), T1)) << "a card not in the pile";

  t.set(Param::RunLimitMode, 2).fillTableauAndReserves().pile(T0, {S(10), H(9), S(8)});
  EXPECT_EQ(left(t, S(10), T0).outcome, O::Refuse);
  EXPECT_FALSE(refusedForBrokenRun(*t, S(10), T0)) << "a run too long is no broken run";
  t.set(Param::RunLimitMode, -1).set(Param::TableauFanning, 8).pile(T0, {D(2), C(7), S(8)});
  EXPECT_FALSE(refusedForBrokenRun(*t, D(2), T0)) << "the grid lifts a card out of a broken run";
  t.set(Param::TableauFanning, 0).set(Param::PairingGame, 1);
  EXPECT_FALSE(refusedForBrokenRun(*t, D(2), T0)) << "the pairing games select";
}

TEST(PickUp, StockWasteAndRedeal) {
  RulesTable t;
  t.pile(PileId::stock(), {C(3)}).pile(PileId::waste(), {H(4), H(5)});
  EXPECT_EQ(left(t, C(3), PileId::stock()).outcome, O::StockPress);
  const PickUp p = left(t, H(4), PileId::waste());
  EXPECT_EQ(p.outcome, O::Lift);
  EXPECT_EQ(p.card, H(5)) << "always the waste's top card";

  t.pile(PileId::waste(), {});
  EXPECT_EQ(left(t, 0, PileId::waste()).outcome, O::Refuse);
  t.set(Param::TableauRedealMode, 1);
  EXPECT_EQ(left(t, 0, PileId::waste()).outcome, O::Refuse) << "stock not empty";
  t.pile(PileId::stock(), {});
  EXPECT_EQ(left(t, 0, PileId::waste()).outcome, O::StartRedeal);
  EXPECT_EQ(left(t, 0, PileId::secondWaste()).outcome, O::Refuse);
}

TEST(PickUp, FoundationByItsSetting) {
  RulesTable t;
  const PileId f = PileId::foundation(2);
  t.pile(f, {S(1)});
  EXPECT_EQ(left(t, S(1), f).outcome, O::Refuse);
  t.set(Param::FoundationLift, 1);
  EXPECT_EQ(left(t, S(1), f).outcome, O::Lift);
  t.set(Param::FoundationLift, 2);
  EXPECT_EQ(left(t, S(1), f).outcome, O::Refuse) << "only one card";
  t.pile(f, {S(1), S(2)});
  const PickUp p = left(t, S(1), f);
  EXPECT_EQ(p.outcome, O::Lift);
  EXPECT_EQ(p.card, S(2));
}

TEST(PickUp, ReserveCards) {
  RulesTable t;
  t.pile(R0, {H(3), H(4)});
  EXPECT_EQ(left(t, H(4), R0).outcome, O::Lift);
  EXPECT_EQ(left(t, H(3), R0).outcome, O::Refuse);
  t.set(Param::ReserveLiftAny, -11);
  EXPECT_EQ(left(t, H(3), R0).outcome, O::Lift);
  t.faceDown(H(4));
  EXPECT_EQ(left(t, H(4), R0).outcome, O::Refuse);
}

TEST(PickUp, CardsToTheSecondWasteByRank) {
  RulesTable t;
  t.set(Param::Family, 2).pile(PileId::secondWaste(), {D(13)});
  t.pile(T0, {C(5), S(12)}).pile(T1, {H(1)}).pile(R0, {C(2)});
  const PickUp p = left(t, S(12), T0);
  EXPECT_EQ(p.outcome, O::SendToWaste);
  EXPECT_EQ(p.card, S(12));
  EXPECT_EQ(left(t, C(5), T0).outcome, O::Refuse) << "not exposed";
  EXPECT_EQ(left(t, H(1), T1).outcome, O::Refuse) << "no Ace on a King in family 2";
  EXPECT_EQ(left(t, C(2), R0).outcome, O::Refuse);

  for (const int family : {12, 15}) {
    t.set(Param::Family, family);
    EXPECT_EQ(left(t, H(1), T1).outcome, O::SendToWaste) << family;
    EXPECT_EQ(left(t, C(2), R0).outcome, O::Refuse) << family;
  }
  t.pile(PileId::secondWaste(), {D(3)});
  EXPECT_EQ(left(t, C(2), R0).outcome, O::SendToWaste) << "exposed reserve card";
  t.pile(PileId::secondWaste(), {});
  EXPECT_EQ(left(t, C(2), R0).outcome, O::Refuse) << "empty second waste";
}

TEST(PickUp, PairingGamesSelect) {
  RulesTable t;
  t.set(Param::Family, 3).pile(T0, {C(5), S(12)}).pile(PileId::waste(), {H(2)});
  EXPECT_EQ(left(t, S(12), T0).outcome, O::PairingSelection);
  EXPECT_EQ(left(t, C(5), T0).outcome, O::Refuse) << "family 3 needs an exposed card";
  EXPECT_EQ(left(t, 0, T1).outcome, O::Refuse);
  EXPECT_EQ(left(t, H(2), PileId::waste()).outcome, O::Lift);
  t.set(Param::Family, 4);
  EXPECT_EQ(left(t, C(5), T0).outcome, O::PairingSelection);
  EXPECT_EQ(left(t, H(2), PileId::waste()).outcome, O::PairingSelection);

  t.set(Param::Family, 0).set(Param::PairingGame, 1);
  EXPECT_EQ(left(t, C(5), T0).outcome, O::PairingSelection);
  EXPECT_EQ(canPickUp(*t, C(5), T0, PressButton::Right).outcome, O::Ignore);
}

TEST(PickUp, RightButtonShowsAndNeverLifts) {
  RulesTable t;
  t.pile(T0, {C(5), S(12)}).pile(R0, {H(3), H(4)}).pile(T1, {D(6)}).faceDown(D(6));
  const PickUp shown = canPickUp(*t, C(5), T0, PressButton::Right);
  EXPECT_EQ(shown.outcome, O::Show);
  EXPECT_EQ(shown.card, C(5));
  EXPECT_EQ(canPickUp(*t, D(6), T1, PressButton::Right).outcome, O::Refuse) << "face down";
  EXPECT_EQ(canPickUp(*t, H(3), R0, PressButton::Right).outcome, O::Refuse);
  t.set(Param::ReserveFanning, 2);
  EXPECT_EQ(canPickUp(*t, H(3), R0, PressButton::Right).outcome, O::Show);
  EXPECT_EQ(canPickUp(*t, 0, PileId::stock(), PressButton::Right).outcome, O::Refuse);
  EXPECT_EQ(canPickUp(*t, S(12), T0, PressButton::Middle).outcome, O::Refuse);
}

TEST(PickUp, ByPileName) {
  RulesTable t;
  t.set(Param::RunLimitMode, -1).pile(T0, {S(12)});
  EXPECT_EQ(canPickUp(*t, S(12), "Fila1", PressButton::Left).outcome, O::Lift);
  EXPECT_EQ(canPickUp(*t, 0, "Mazzo", PressButton::Left).outcome, O::StockPress);
  EXPECT_EQ(canPickUp(*t, 0, "", PressButton::Left).outcome, O::Ignore) << "outside every pile";
}

}  // namespace
}  // namespace kes
