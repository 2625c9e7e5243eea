#include <gtest/gtest.h>

#include "engine/build_rules.h"
#include "rules_table.h"

namespace kes {
namespace {

using namespace rules_test;

constexpr int kDown = 0;
constexpr int kUp = 1;

// The question of dropping `moving` on a pile as it lies: its top card is
// the target.
BuildQuery onto(const GameState& s, PileId pile, int code, int moving, int direction = kDown, int base = -1) {
  const int top = s.table.pile(pile).top();
  return BuildQuery{.target = top >= 1 ? top : -1,
                    .moving = moving,
                    .base = base,
                    .isDrop = true,
                    .pileIndex = pile.index,
                    .wrap = false,
                    .foundationMode = pile.family == PileFamily::Foundation,
                    .code = code,
                    .direction = direction,
                    .foundationBaseRank = 1};
}

const PileId F0 = PileId::foundation(0);
const PileId F1 = PileId::foundation(1);
const PileId T0 = PileId::tableau(0);
const PileId T1 = PileId::tableau(1);

TEST(CanBuildFromTable, WhereTheMovingCardComesFrom) {
  RulesTable t;
  t.pile(T0, {H(9)}).pile(T1, {S(3)}).pile(PileId::waste(), {D(4)});
  t.pile(PileId::reserve(0), {C(5)}).pile(F1, {C(6)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 17, S(3))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 17, D(4))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 18, S(3)))) << "tableau card onto a card";
  EXPECT_TRUE(canBuild(*t, onto(*t, PileId::tableau(2), 18, S(3)))) << "tableau card onto an empty pile";
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 18, C(5))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 19, C(5))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 19, S(3))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 19, C(6))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 33, D(4))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 33, S(3))));
  t.pile(T0, {H(9), H(10)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 33, D(4)))) << "pile holds two cards";
}

TEST(CanBuildFromTable, AlternateColoursNeverFromFoundationOrReserve) {
  RulesTable t;
  t.pile(T0, {H(9)}).pile(T1, {S(8)}).pile(PileId::reserve(0), {C(8)}).pile(F0, {C(1), C(2), C(3), C(4), C(5), C(6), C(7), C(8, 1)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 27, S(8))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 27, C(8))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 27, C(8, 1))));
  t.pile(T1, {D(8)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 27, D(8)))) << "same colour";
}

TEST(CanBuildFromTable, EmptyOnlyWhileTheStockIsEmpty) {
  RulesTable t;
  t.pile(T0, {H(9)}).pile(PileId::stock(), {C(2)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T1, 7, S(8))));
  t.pile(PileId::stock(), {});
  EXPECT_TRUE(canBuild(*t, onto(*t, T1, 7, S(8))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 7, S(8)))) << "a drop only onto an empty pile";
  BuildQuery pair = onto(*t, T0, 7, S(8));
  pair.isDrop = false;
  EXPECT_TRUE(canBuild(*t, pair)) << "inside a run, as code 2";
}

TEST(CanBuildFromTable, WhileTheWasteIsEmpty) {
  RulesTable t;
  t.pile(T0, {H(7)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 23, H(8))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 23, S(8))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T1, 23, H(1)))) << "nothing on an empty pile";
  t.pile(PileId::waste(), {C(2)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 23, H(8))));
}

TEST(CanBuildFromTable, ShortPilesOnly) {
  RulesTable t;
  t.pile(T0, {H(2), H(7)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 26, S(8))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 26, S(6))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 26, S(9))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T1, 26, S(9)))) << "nothing on an empty pile";
  t.pile(T0, {H(2), H(3), H(7)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 26, S(8))));
}

TEST(CanBuildFromTable, ClimbToTheKingAndComeBackDown) {
  RulesTable t;
  t.pile(F0, {H(1), H(2), H(3)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 29, H(4), kUp, 81)));
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 29, S(4), kUp, 81)));
  t.pile(F0, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 29, H(13, 1), kUp, 81)));
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 29, H(12, 1), kUp, 81)));
  t.pile(F0, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13), H(13, 1)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 29, H(12, 1), kUp, 81)));
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 29, H(1, 1), kUp, 81)));
}

TEST(CanBuildFromTable, ClimbingFoundationStartsByTheGroupTest) {
  RulesTable t;
  t.set(Param::FoundationCount, 2).set(Param::foundationBase(0), 5).set(Param::foundationBase(1), 5);
  t.pile(F0, {D(9)});
  // Any rank, but the two foundations of base 5 need one red and one black start.
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 29, S(3), kUp, 5)));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 29, H(3), kUp, 5)));
  t.set(Param::foundationBase(0), 81).set(Param::foundationBase(1), 81);
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 29, S(3), kUp, 81))) << "base 81 asks for an Ace";
}

TEST(CanBuildFromTable, PileSetsItsOwnDirection) {
  RulesTable t;
  t.pile(T0, {H(9), H(8)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 30, H(7))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 30, H(9, 1))));
  t.pile(T0, {H(7), H(8)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 30, H(9))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 30, H(7, 1))));
  t.pile(T0, {H(8)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 30, H(7))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 30, H(9))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 30, S(9))));
  t.pile(T0, {H(13)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 30, H(1)))) << "no wrap";
  EXPECT_FALSE(canBuild(*t, onto(*t, T1, 30, H(1)))) << "nothing on an empty pile";
}

TEST(CanBuildFromTable, FoundationRowFollowsTheFoundationBefore) {
  RulesTable t;
  t.set(Param::foundationBase(0), 7).set(Param::foundationBase(1), 7);
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 5, H(7))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 5, H(8))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 5, S(7)))) << "no Seven in the foundation before";
  t.pile(F0, {H(7), H(9)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 5, S(7))));
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 5, H(2)))) << "any card of the suit";
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 5, S(2))));
  t.pile(F1, {S(7)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 5, S(9))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 5, S(8)))) << "no Eight in the foundation before";
}

TEST(CanBuildFromTable, DownFromTheBaseAfterTheFoundationBefore) {
  RulesTable t;
  BuildQuery q = onto(*t, F0, 36, S(5));
  q.foundationBaseRank = 5;
  EXPECT_TRUE(canBuild(*t, q));
  q.moving = S(6);
  EXPECT_FALSE(canBuild(*t, q));
  q = onto(*t, F1, 36, C(5));
  q.foundationBaseRank = 5;
  EXPECT_FALSE(canBuild(*t, q)) << "foundation before still empty";
  t.pile(F0, {S(5)});
  EXPECT_TRUE(canBuild(*t, q));
  q = onto(*t, F0, 36, H(4));
  EXPECT_TRUE(canBuild(*t, q));
  t.pile(F0, {S(5), H(4), H(3), H(2), H(1)});
  q = onto(*t, F0, 36, D(13));
  EXPECT_TRUE(canBuild(*t, q)) << "Ace to King";
}

TEST(CanBuildFromTable, DoublingWithKingsLast) {
  RulesTable t;
  t.pile(F0, {H(7)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 37, S(1)))) << "14 mod 13";
  t.pile(F0, {H(4)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 37, S(8))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 37, S(5))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 37, S(13))));
  Pile full;
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 1; rank <= 12; ++rank) full.append(cardOf(rank, static_cast<Suit>(suit)));
  t->table.pile(F0) = full;
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 37, S(13))));
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 37, S(13), kDown, 13))) << "empty pile by its base";
}

TEST(CanBuildFromTable, CountingByDeals) {
  RulesTable t;
  t.pile(PileId::stock(), {C(2), C(3)}).pile(T0, {H(9)});
  t->dealCount = 3;
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 40, S(3))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 40, S(4))));
  t->dealCount = 26;
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 40, S(13))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 40, S(1))));
  t.pile(PileId::stock(), {C(2)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 40, S(1)))) << "the last card goes anywhere";
}

TEST(CanBuildFromTable, UpByTwoWithFourSuitsPerGroup) {
  RulesTable t;
  t.set(Param::FoundationCount, 8);
  for (int i = 0; i < 8; ++i) t.set(Param::foundationBase(i), 2);
  t.pile(F0, {H(2)}).pile(PileId::foundation(4), {S(2)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 41, H(4))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 41, S(4))));
  t.pile(F0, {H(2), H(4), H(6), H(8), H(10), H(12)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 41, H(1)))) << "round the corner";
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 41, H(2, 1)))) << "hearts already in this group";
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 41, S(2, 1)))) << "spades are in the other group";
  EXPECT_FALSE(canBuild(*t, onto(*t, PileId::foundation(5), 41, S(2, 1))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 41, D(3)))) << "rank of the base";
}

TEST(CanBuildFromTable, KingAfterThePartnerFoundation) {
  RulesTable t;
  t.set(Param::FoundationCount, 8);
  t.pile(F0, {H(11), H(12)});
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 42, H(13))));
  t.pile(PileId::foundation(6), {S(12), S(13)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 42, H(13))));
  t.pile(F0, {H(10)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 42, H(11))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F0, 42, D(11))));
}

TEST(CanBuildFromTable, FoundationsFromTheirBaseBesideTheTableau) {
  RulesTable t;
  t.set(Param::FoundationCount, 16).set(Param::TableauCount, 16);
  t.set(Param::foundationBase(1), 4).set(Param::foundationBase(9), 6);
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 46, S(4))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 46, S(5))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 49, S(4)))) << "tableau pile 1 empty";
  t.pile(T1, {D(9), C(2)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 49, S(4))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 51, S(4)))) << "suit of the pile's first card";
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 51, D(4))));
  t.pile(F1, {D(4), D(11)});
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 46, D(12)))) << "never a Queen";
  t.pile(F1, {D(4), D(10)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 46, S(11))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 51, S(11))));

  const PileId f9 = PileId::foundation(9);
  EXPECT_TRUE(canBuild(*t, onto(*t, f9, 47, H(6))));
  EXPECT_TRUE(canBuild(*t, onto(*t, f9, 50, H(6)))) << "tableau pile 1 (9 - 8) holds cards";
  t.pile(T1, {});
  EXPECT_FALSE(canBuild(*t, onto(*t, f9, 50, H(6))));
  t.pile(T1, {C(9)});
  EXPECT_TRUE(canBuild(*t, onto(*t, f9, 50, H(6))));
  EXPECT_FALSE(canBuild(*t, onto(*t, f9, 52, H(6))));
  EXPECT_TRUE(canBuild(*t, onto(*t, f9, 52, C(6))));
  t.pile(f9, {C(6), C(1)});
  EXPECT_TRUE(canBuild(*t, onto(*t, f9, 47, H(13)))) << "King on Ace";
  t.pile(f9, {C(6), C(13)});
  EXPECT_FALSE(canBuild(*t, onto(*t, f9, 47, H(12)))) << "never a Queen";
  t.pile(f9, {C(6), C(5)});
  EXPECT_TRUE(canBuild(*t, onto(*t, f9, 47, H(4))));
}

TEST(CanBuildFromTable, OtherFoundationsAfterTheFirstIsComplete) {
  RulesTable t;
  t.set(Param::foundationBase(0), 5).set(Param::foundationBase(1), 5);
  EXPECT_TRUE(canBuild(*t, onto(*t, F0, 53, S(5))));
  EXPECT_FALSE(canBuild(*t, onto(*t, F1, 53, H(5))));
  t.pile(F0, {S(5), S(6), S(7), S(8), S(9), S(10), S(11), S(12), S(13), S(1), S(2), S(3), S(4)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 53, H(5))));
  t.pile(F1, {H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13)});
  EXPECT_TRUE(canBuild(*t, onto(*t, F1, 53, D(1)))) << "King to Ace";
}

TEST(CanBuildFromTable, DownButNotFromTheFirstSevenReserves) {
  RulesTable t;
  t.set(Param::ReserveCount, 8).set(Param::tableauEmptyBase(1), 13);
  t.pile(T0, {H(9)}).pile(PileId::reserve(0), {S(8)}).pile(PileId::reserve(7), {C(8)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 54, S(8))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 54, C(8)))) << "the eighth reserve";
  t.pile(PileId::reserve(7), {C(13)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T1, 54, C(13)))) << "empty pile by its base";
  t.pile(T0, {H(1)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 54, C(13))));
  t.set(Param::tableauWrap(0), 1);
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 54, C(13))));
}

TEST(CanBuildFromTable, WasteCardFirst) {
  RulesTable t;
  t.set(Param::tableauEmptyBase(1), -1);
  t.pile(T0, {H(9)}).pile(PileId::reserve(0), {D(10)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 55, D(10))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 55, D(8))));
  t.pile(PileId::reserve(0), {C(10)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 55, C(10)))) << "same colour";
  t.pile(PileId::waste(), {H(10)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 55, D(10, 1)))) << "only the waste card now";
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 55, H(10))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T1, 55, H(10))));
  t.pile(PileId::waste(), {S(2), H(10)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 55, H(10)))) << "waste holds two cards";
}

// Rows filled from the left with King- or Queen-headed piles.
class CanBuildRowFill : public ::testing::Test {
 protected:
  void SetUp() override {
    t.set(Param::TableauCount, 8).set(Param::FoundationCount, 1);
    t.pile(PileId::waste(), {H(2)}).pile(PileId::reserve(0), {S(7)}).pile(PileId::reserve(1), {S(13)});
    t.pile(T0, {C(13), C(12)}).pile(T1, {D(13)});
  }
  RulesTable t;
};

TEST_F(CanBuildRowFill, KingOnlyOnTheLeftmostGap) {
  EXPECT_TRUE(canBuild(*t, onto(*t, PileId::tableau(2), 38, S(13))));
  EXPECT_FALSE(canBuild(*t, onto(*t, PileId::tableau(3), 38, S(13))));
  t.pile(PileId::tableau(5), {S(13)});
  EXPECT_FALSE(canBuild(*t, onto(*t, PileId::tableau(2), 38, S(13)))) << "not from the tableau";
}

TEST_F(CanBuildRowFill, OtherCardsOnTheLastFilledPile) {
  EXPECT_TRUE(canBuild(*t, onto(*t, T1, 38, S(7))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 38, S(7)))) << "right neighbour filled";
  EXPECT_FALSE(canBuild(*t, onto(*t, PileId::tableau(2), 38, S(7)))) << "empty pile";
  EXPECT_TRUE(canBuild(*t, onto(*t, T1, 45, H(2)))) << "from the waste";
  t.pile(PileId::secondWaste(), {D(5)});
  EXPECT_FALSE(canBuild(*t, onto(*t, T1, 38, D(5)))) << "not from the second waste";
  t.pile(T1, {});
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 38, S(7)))) << "first pile needs only an empty right neighbour";
  for (int i = 0; i < 7; ++i) t.pile(PileId::tableau(i), {cardOf(13, Suit::Clubs, i % 2)});
  t.pile(PileId::tableau(7), {D(13, 1)});
  EXPECT_TRUE(canBuild(*t, onto(*t, PileId::tableau(7), 38, S(7)))) << "last pile needs only a filled left neighbour";
}

TEST_F(CanBuildRowFill, QueenRowsUseTheQueen) {
  t.pile(PileId::reserve(1), {S(12)});
  EXPECT_TRUE(canBuild(*t, onto(*t, PileId::tableau(2), 48, S(12))));
  EXPECT_FALSE(canBuild(*t, onto(*t, PileId::tableau(2), 48, S(13, 1))));
}

TEST_F(CanBuildRowFill, WhileTheWasteIsEmptyPilesAreHeaded) {
  t.pile(PileId::waste(), {});
  EXPECT_TRUE(canBuild(*t, onto(*t, T1, 38, S(7)))) << "second card on a lone King";
  EXPECT_FALSE(canBuild(*t, onto(*t, T1, 38, S(12))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 38, S(7)))) << "King already covered";
  EXPECT_TRUE(canBuild(*t, onto(*t, PileId::tableau(4), 38, S(13)))) << "any gap takes a King";
  EXPECT_FALSE(canBuild(*t, onto(*t, PileId::tableau(4), 38, S(7))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T1, 45, S(7))));
  EXPECT_TRUE(canBuild(*t, onto(*t, T0, 45, S(11)))) << "down from the second card";
  EXPECT_FALSE(canBuild(*t, onto(*t, T0, 45, S(7))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T1, 45, S(13, 1))));
  t.pile(T1, {D(12)});
  EXPECT_TRUE(canBuild(*t, onto(*t, T1, 48, S(7))));
  EXPECT_FALSE(canBuild(*t, onto(*t, T1, 48, S(12))));
  EXPECT_TRUE(canBuild(*t, onto(*t, PileId::tableau(4), 48, S(12))));
}

}  // namespace
}  // namespace kes
