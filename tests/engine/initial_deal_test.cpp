#include "engine/initial_deal.h"
#include "engine/game_start.h"

#include <gtest/gtest.h>

#include "engine/card.h"
#include "engine_test_support.h"

namespace kes {
namespace {

using test::faces;
using test::setParams;

DealContext dealOf(GameState& g, std::vector<int> order) { return DealContext{g, std::move(order), test::acesUpInSuit}; }

TEST(InitialDeal, KlondikeShapeWithTopCardsUp) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::StockDealCount, 24}, {Param::TableauCount, 7}, {Param::StockFaceDown, 1}});
  for (int i = 0; i < 7; ++i) setParams(g, {{Param::tableauDealCount(i), i + 1}, {Param::tableauDealFace(i), 1}});
  ASSERT_EQ(dealInitial(g, "1", test::acesUpInSuit), "");
  EXPECT_EQ(g.table.pile(PileId::stock()).size(), 24);
  for (int i = 0; i < 7; ++i) {
    std::vector<bool> expected(static_cast<std::size_t>(i + 1), false);
    expected.back() = true;
    EXPECT_EQ(faces(g, PileId::tableau(i)), expected) << i;
  }
  for (int i = 0; i < 24; ++i) EXPECT_FALSE(g.table.isFaceUp(g.table.pile(PileId::stock()).cardAt(i)));
  EXPECT_EQ(g.score, -52);
}

TEST(InitialDeal, StockFacesUpUnlessFlaggedDown) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::StockDealCount, 52}});
  DealContext d = dealOf(g, test::orderedDeck(52));
  distributeDeal(d);
  EXPECT_TRUE(g.table.isFaceUp(g.table.pile(PileId::stock()).top()));
  EXPECT_TRUE(g.table.isFaceUp(g.table.pile(PileId::stock()).cardAt(0)));
}

TEST(InitialDeal, AlternatingFaceModeFromTheBottom) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::TableauCount, 1}, {Param::tableauDealCount(0), 4}, {Param::tableauDealFace(0), -1}});
  DealContext d = dealOf(g, test::orderedDeck(52));
  distributeDeal(d);
  EXPECT_EQ(faces(g, PileId::tableau(0)), (std::vector<bool>{true, false, true, false}));
}

TEST(InitialDeal, KingsThenAcesInTwoPacks) {
  GameState g;
  setParams(g, {{Param::CardCount, 104}, {Param::FoundationCount, 8}});
  for (int i = 0; i < 8; ++i) setParams(g, {{Param::foundationDealCode(i), 95}});
  DealContext d = dealOf(g, test::orderedDeck(104));
  distributeDeal(d);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(g.table.pile(PileId::foundation(i)).codes(), cardCodeText(13 * i + 13)) << i;
  for (int i = 4; i < 8; ++i) EXPECT_EQ(g.table.pile(PileId::foundation(i)).codes(), cardCodeText(13 * (i - 4) + 1)) << i;
  EXPECT_EQ(d.order.size(), 96u);
  EXPECT_EQ(g.params[Param::foundationBase(0)], 13);
  EXPECT_EQ(g.params[Param::foundationBase(5)], 1);
}

TEST(InitialDeal, FirstCardPlusSuitStepWrapsAroundThePack) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::FoundationCount, 1}, {Param::foundationDealCode(0), 91}});
  DealContext d = dealOf(g, {40, 2, 3});
  distributeDeal(d);
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).codes(), "001");
}

TEST(InitialDeal, BaseFromTheFirstCardLeftAfterTheDeal) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::FoundationCount, 4}, {Param::FoundationBaseFromDeal, 1},
                {Param::TableauCount, 2}, {Param::tableauDealCount(0), 2}, {Param::tableauDealCount(1), 2},
                {Param::StockDealCount, 3}, {Param::tableauEmptyBase(0), 91}, {Param::tableauEmptyBase(1), 91}});
  DealContext d = dealOf(g, {1, 2, 3, 4, 5, 6, 7, 20, 9});
  distributeDeal(d);
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).codes(), "020");
  for (int i = 0; i < 16; ++i) EXPECT_EQ(g.params[Param::foundationBase(i)], 7) << i;
  EXPECT_EQ(g.params[Param::tableauEmptyBase(0)], 6);
  EXPECT_EQ(g.params[Param::tableauEmptyBase(1)], 6);
}

TEST(InitialDeal, EmptyBaseBelowAnAceFoundationIsAKing) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::foundationBase(0), 1}, {Param::tableauEmptyBase(3), 91}});
  DealContext d = dealOf(g, test::orderedDeck(52));
  distributeDeal(d);
  EXPECT_EQ(g.params[Param::tableauEmptyBase(3)], 13);
}

// A custom Spider whose spaces take "a King": its foundations have the
// run-removal base, which is no rank.
TEST(InitialDeal, EmptyBaseBelowARunRemovalFoundationIsAKing) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::foundationBase(0), 82}, {Param::tableauEmptyBase(0), 91},
                {Param::tableauEmptyBase(9), 91}});
  DealContext d = dealOf(g, test::orderedDeck(52));
  distributeDeal(d);
  EXPECT_EQ(g.params[Param::tableauEmptyBase(0)], 13);
  EXPECT_EQ(g.params[Param::tableauEmptyBase(9)], 13);
}

TEST(InitialDeal, FourAcesDealtToFoundationsScoreTwenty) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::FoundationCount, 4}, {Param::StockDealCount, 48}});
  for (int i = 0; i < 4; ++i) setParams(g, {{Param::foundationDealCode(i), 1}});
  DealContext d = dealOf(g, test::orderedDeck(52));
  distributeDeal(d);
  EXPECT_EQ(g.score, -32);
  EXPECT_EQ(g.table.pile(PileId::stock()).size(), 48);
  EXPECT_EQ(g.table.pile(PileId::foundation(2)).codes(), "027");
}

TEST(InitialDeal, AceScanPlaysEveryReachableCard) {
  // One pile holding 2, A, 3 of hearts from the bottom: the scan lifts the
  // ace, then the three cannot follow the ace, so it stays.
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::FoundationCount, 4}, {Param::TableauCount, 1},
                {Param::tableauDealCount(0), 3}, {Param::tableauDealFace(0), 3}, {Param::DealPileByPile, 1}});
  for (int i = 0; i < 4; ++i) setParams(g, {{Param::foundationDealCode(i), 96}});
  setParams(g, {{Param::foundationDealCode(0), 93}});
  DealContext d = dealOf(g, {2, 1, 3, 5, 6});
  distributeDeal(d);
  // Code 93 names the ace for foundation 0 (taken out of the deal order
  // first), so the pile holds 2, 3, 5 and the scan plays the two and three.
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).codes(), "001002003");
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "005");
}

TEST(InitialDeal, KingsMoveToTheBottomOfTheirPiles) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::TableauCount, 1}, {Param::tableauDealCount(0), 4}, {Param::KingsToBottom, 1}});
  DealContext d = dealOf(g, {2, 13, 3, 26});
  distributeDeal(d);
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "026013002003");
}

TEST(InitialDeal, SortedFillKeepsRanksDistinctInEveryPile) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::TableauCount, 2}, {Param::tableauDealCount(0), 3},
                {Param::tableauDealCount(1), 3}, {Param::SpecialDealLayout, 3}});
  DealContext d = dealOf(g, {1, 14, 2, 15, 3, 16});
  distributeDeal(d);
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "001002003");
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "014015016");
}

TEST(InitialDeal, SortedFillLeavesPlaceholdersWhereNoRankFits) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::TableauCount, 1}, {Param::tableauDealCount(0), 3}, {Param::SpecialDealLayout, 3}});
  DealContext d = dealOf(g, {1, 14, 2});
  distributeDeal(d);
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "001002000");
}

TEST(InitialDeal, KingHeadedPilesStartANewPileAtEveryKing) {
  GameState g;
  setParams(g, {{Param::CardCount, 52}, {Param::TableauCount, 4}, {Param::FoundationCount, 4}, {Param::SpecialDealLayout, 2},
                {Param::foundationDealCode(0), 0}});
  DealContext d = dealOf(g, {5, 13, 6, 26, 7, 8});
  distributeDeal(d);
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "013005006");
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "026007008");
}

TEST(InitialDeal, RefusesACardCountItCannotDeal) {
  GameState g;
  setParams(g, {{Param::CardCount, 78}, {Param::StockDealCount, 78}});
  EXPECT_EQ(dealInitial(g, "1", test::acesUpInSuit), "Error 01 - fnGameNumberCardsArray");
  EXPECT_TRUE(g.table.pile(PileId::stock()).empty());
}

TEST(InitialDeal, EveryCardDealtExactlyOnce) {
  GameState g;
  setParams(g, {{Param::CardCount, 104}, {Param::StockDealCount, 47}, {Param::TableauCount, 10},
                {Param::WasteDealCount, 4}, {Param::ReserveCount, 2}, {Param::reserveDealCount(0), 5}});
  for (int i = 0; i < 10; ++i) setParams(g, {{Param::tableauDealCount(i), i < 4 ? 6 : 4}, {Param::tableauDealFace(i), 1}});
  ASSERT_EQ(dealInitial(g, "424242", test::acesUpInSuit), "");
  int total = 0;
  for (int o = 0; o < kPileCount; ++o) total += g.table.pileAt(o).size();
  EXPECT_EQ(total, 47 + 4 + 4 * 6 + 6 * 4 + 5);
  for (int c = 1; c <= 104; ++c) {
    int seen = 0;
    for (int o = 0; o < kPileCount; ++o) seen += g.table.pileAt(o).contains(c) ? 1 : 0;
    EXPECT_LE(seen, 1) << c;
  }
}

}  // namespace
}  // namespace kes

namespace kes {
namespace {

TEST(StartDeal, EveryDealStartsFromTheCatalogueBases) {
  GameState g;
  GameParams params;
  params[Param::CardCount] = 52;
  params[Param::FoundationCount] = 4;
  params[Param::FoundationBaseFromDeal] = 1;
  params[Param::StockDealCount] = 51;
  params[Param::tableauEmptyBase(0)] = 91;
  loadGame(g, params);
  ASSERT_EQ(startDeal(g, "1", test::acesUpInSuit), "");
  const int firstBase = g.params[Param::foundationBase(0)];
  EXPECT_EQ(firstBase, cardRank(g.table.pile(PileId::foundation(0)).cardAt(0)));
  ASSERT_EQ(startDeal(g, "2", test::acesUpInSuit), "");
  EXPECT_EQ(g.params[Param::foundationBase(0)], cardRank(g.table.pile(PileId::foundation(0)).cardAt(0)));
  EXPECT_EQ(g.params[Param::tableauEmptyBase(0)], g.params[Param::foundationBase(0)] == 1 ? 13 : g.params[Param::foundationBase(0)] - 1);
  EXPECT_TRUE(g.inProgress);
  EXPECT_EQ(g.table.pile(PileId::stock()).size(), 51);
}

TEST(StartDeal, SelectionListInPairingGames) {
  GameState g;
  GameParams params;
  params[Param::CardCount] = 52;
  params[Param::Family] = 4;
  loadGame(g, params);
  EXPECT_TRUE(g.history.foundationOneIsSelection);
  params[Param::Family] = 5;
  loadGame(g, params);
  EXPECT_FALSE(g.history.foundationOneIsSelection);
}

}  // namespace
}  // namespace kes
