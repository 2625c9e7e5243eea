#include <gtest/gtest.h>

#include "display/geometry/hit_testing.h"
#include "display/geometry/stock_thickness.h"
#include "geometry_test_support.h"

namespace kes {
namespace {

using test::putCards;
using test::Table;

TEST(StockThickness, GrowsOnePixelForEverySevenCardsFromThree) {
  EXPECT_EQ(stockThickness(0), 0);
  EXPECT_EQ(stockThickness(1), 0);
  EXPECT_EQ(stockThickness(2), 1);
  EXPECT_EQ(stockThickness(3), 1);
  EXPECT_EQ(stockThickness(6), 1);
  EXPECT_EQ(stockThickness(7), 2);
  EXPECT_EQ(stockThickness(30), 5);
  EXPECT_EQ(stockThickness(104), 15);
}

TEST(StockThickness, TheGameSelectionMiniatureCountsTwentyEightCardsAPixel) {
  EXPECT_EQ(stockThickness(1, true), 0);
  EXPECT_EQ(stockThickness(2, true), 1);
  EXPECT_EQ(stockThickness(27, true), 1);
  EXPECT_EQ(stockThickness(30, true), 2);
  EXPECT_EQ(stockThickness(104, true), 4);
}

// The stock and the waste laid out at known places; the second waste is not placed.
struct StockTable : Table {
  StockDrawPlaces layout;
  StockTable() {
    layout.x[0] = 100;
    layout.y[0] = 50;
    layout.x[1] = 200;
    layout.y[1] = 50;
    place(PileId::stock(), 100, 50);
    place(PileId::waste(), 200, 50);
  }
  void fill(PileId pile, int from, int count) {
    for (int c = from; c < from + count; ++c) putCards(game, pile, {c});
  }
};

TEST(RaiseStockPiles, EachPileStandsRaisedByItsOwnThicknessFromItsLayoutPlace) {
  StockTable t;
  t.fill(PileId::stock(), 1, 30);
  t.fill(PileId::waste(), 31, 2);
  raiseStockPiles(t.game, t.layout);
  EXPECT_EQ(t.game.positions.x(PileId::stock()), 95);
  EXPECT_EQ(t.game.positions.y(PileId::stock()), 45);
  EXPECT_EQ(t.game.positions.x(PileId::waste()), 199);
  EXPECT_EQ(t.game.positions.y(PileId::waste()), 49);
  EXPECT_FALSE(t.game.positions.isPlaced(PileId::secondWaste()));
}

TEST(RaiseStockPiles, ARaiseAfterCardsLeftStartsFromTheLayoutPlaceNotTheLastRaise) {
  StockTable t;
  t.fill(PileId::stock(), 1, 30);
  raiseStockPiles(t.game, t.layout);
  raiseStockPiles(t.game, t.layout);
  EXPECT_EQ(t.game.positions.x(PileId::stock()), 95);
  Pile& stock = t.game.table.pile(PileId::stock());
  while (stock.size() > 1) stock.remove(stock.top());
  raiseStockPiles(t.game, t.layout);
  EXPECT_EQ(t.game.positions.x(PileId::stock()), 100);
  EXPECT_EQ(t.game.positions.y(PileId::stock()), 50);
  t.fill(PileId::stock(), 40, 20);  // 21 cards
  raiseStockPiles(t.game, t.layout);
  EXPECT_EQ(t.game.positions.y(PileId::stock()), 46);
  lowerStockPiles(t.game, t.layout);
  EXPECT_EQ(t.game.positions.x(PileId::stock()), 100);
  EXPECT_EQ(t.game.positions.y(PileId::stock()), 50);
}

TEST(RaiseStockPiles, HitTestingFollowsTheRaisedTopCard) {
  StockTable t;
  t.fill(PileId::stock(), 1, 30);
  raiseStockPiles(t.game, t.layout);
  const TableView v = t.view();
  const PileHit corner = pileAtPoint(v, 95, 45);
  ASSERT_TRUE(corner.pile);
  EXPECT_EQ(*corner.pile, PileId::stock());
  EXPECT_EQ(corner.card, 30);
  EXPECT_EQ(corner.rect.left, 95);
  EXPECT_EQ(corner.rect.top, 45);
  // The unraised place's far corner lies beyond the raised card.
  EXPECT_FALSE(pileAtPoint(v, 100 + 70, 50 + 95).pile);
}

TEST(RaiseStockPiles, PlacesBeforeAnyLayoutLeaveThePilesAlone) {
  StockTable t;
  t.fill(PileId::stock(), 1, 30);
  raiseStockPiles(t.game, StockDrawPlaces{});
  EXPECT_EQ(t.game.positions.x(PileId::stock()), 100);
  EXPECT_EQ(t.game.positions.y(PileId::stock()), 50);
}

}  // namespace
}  // namespace kes
