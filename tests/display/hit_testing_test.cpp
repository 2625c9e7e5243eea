#include <gtest/gtest.h>

#include "display/geometry/hit_testing.h"
#include "display/geometry/pile_geometry.h"
#include "geometry_test_support.h"

namespace kes {
namespace {

using test::putCards;
using test::setParams;
using test::Table;

// Two downward tableau piles, a foundation and the stock, apart from each other.
struct KlondikeLikeTable : Table {
  KlondikeLikeTable() {
    setParams(game, {{Param::TableauFanning, Fanning::Down}, {Param::FoundationFanning, Fanning::Squared},
                     {Param::TableauCount, 2}, {Param::FoundationCount, 1}});
    useSteps();
    place(PileId::stock(), 10, 10);
    place(PileId::foundation(0), 300, 10);
    place(PileId::tableau(0), 10, 200);
    place(PileId::tableau(1), 100, 200);
    putCards(game, PileId::tableau(0), {1, 2, 3, 4, 5}, {1, 2, 3});
  }
};

TEST(PileAtPoint, FannedPileReportsTheCardWhoseVisibleBandHoldsThePoint) {
  KlondikeLikeTable t;
  const TableView v = t.view();
  const PileHit down = pileAtPoint(v, 20, 205);  // second face-down card's band 204..208
  EXPECT_EQ(down.name(), "Fila1");
  EXPECT_EQ(down.card, 2);
  EXPECT_EQ(down.rect, (Rect{10, 204, 81, 300}));
  const PileHit top = pileAtPoint(v, 80, 230 + 95);  // the top card's last pixel row
  EXPECT_EQ(top.card, 5);
  EXPECT_EQ(top.rect.top, 230);
  // Below y + H - 1 of the last card nothing is reported, and the search
  // does not go on to piles behind.
  EXPECT_FALSE(pileAtPoint(v, 80, 230 + 96).pile);
}

TEST(PileAtPoint, EmptyTableauPileNamesNothingButEmptyFoundationAndStockDo) {
  KlondikeLikeTable t;
  const TableView v = t.view();
  EXPECT_EQ(pileAtPoint(v, 120, 250).name(), "");
  EXPECT_EQ(pileAtPoint(v, 120, 250).rect, Rect{});
  const PileHit f = pileAtPoint(v, 300, 106);
  EXPECT_EQ(f.name(), "Dest1");
  EXPECT_EQ(f.card, 0);
  EXPECT_EQ(f.rect, (Rect{300, 10, 371, 106}));
  const PileHit s = pileAtPoint(v, 81, 10);
  EXPECT_EQ(s.name(), "Mazzo");
  EXPECT_EQ(s.card, 0);
  putCards(t.game, PileId::stock(), {40, 41});
  EXPECT_EQ(pileAtPoint(v, 81, 10).card, 41);
  EXPECT_FALSE(pileAtPoint(v, 500, 500).pile);
}

TEST(PileAtPoint, TheFirstTableauAreaInSearchOrderDecidesEvenWithoutACard) {
  KlondikeLikeTable t;
  // Pile 1's area reaches to its bottom (326); pile 2 lies under it from 300.
  t.place(PileId::tableau(1), 10, 300);
  putCards(t.game, PileId::tableau(1), {20});
  // A foundation under the same point is found once the tableau named nothing.
  t.place(PileId::foundation(0), 10, 310);
  const TableView v = t.view();
  const PileHit h = pileAtPoint(v, 20, 326);
  EXPECT_EQ(h.name(), "Dest1");
  EXPECT_EQ(pileAtPoint(v, 20, 327).name(), "Fila2");
}

TEST(PileAtPoint, SideBySideRowsAreSearchedFromTheLastPileBack) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::SideBySide}, {Param::TableauCount, 2}});
  t.useSteps();
  // Two pyramid rows: the second covers the lower half of the first.
  t.place(PileId::tableau(0), 38, 100);
  t.place(PileId::tableau(1), 0, 148);
  putCards(t.game, PileId::tableau(0), {1});
  putCards(t.game, PileId::tableau(1), {2, 3});
  const TableView v = t.view();
  EXPECT_EQ(pileAtPoint(v, 50, 160).card, 2);   // both rows: the later one wins
  EXPECT_EQ(pileAtPoint(v, 50, 120).card, 1);   // above the second row
  EXPECT_EQ(pileAtPoint(v, 74, 160).name(), "Fila1");  // in the gap between cards 2 and 3
  EXPECT_EQ(pileAtPoint(v, 80, 160).card, 3);
  EXPECT_EQ(pileAtPoint(v, 80, 160).rect, (Rect{77, 148, 148, 244}));

  // A removed card leaves a placeholder: the row above shows through.
  t.game.table.pile(PileId::tableau(1)).setCodes("000003");
  EXPECT_EQ(pileAtPoint(v, 50, 160).card, 1);
  EXPECT_FALSE(pileAtPoint(v, 20, 200).pile);
}

TEST(PileAtPoint, SquaredPileAnswersWithItsTopCardAnywhere) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Squared}, {Param::TableauCount, 1}});
  t.useSteps();
  t.place(PileId::tableau(0), 10, 10);
  putCards(t.game, PileId::tableau(0), {1, 2, 3});
  const TableView v = t.view();
  for (int y : {10, 50, 105}) {
    const PileHit h = pileAtPoint(v, 40, y);
    EXPECT_EQ(h.card, 3) << y;
    EXPECT_EQ(h.rect, (Rect{10, 10, 81, 106})) << y;
  }
}

TEST(PileAtPoint, RightwardTableauIsHitUpToItsTopCard) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Right}, {Param::TableauCount, 1}});
  t.useSteps();
  t.place(PileId::tableau(0), 10, 10);
  putCards(t.game, PileId::tableau(0), {1, 2, 3}, {1});
  const TableView v = t.view();
  EXPECT_EQ(pileAtPoint(v, 12, 50).card, 1);  // band 10..14
  EXPECT_EQ(pileAtPoint(v, 20, 50).card, 2);  // band 14..26
  EXPECT_EQ(pileAtPoint(v, 26 + 70, 50).card, 3);
  EXPECT_EQ(pileAtPoint(v, 26 + 70, 50).rect, (Rect{26, 10, 97, 106}));
  EXPECT_FALSE(pileAtPoint(v, 26 + 71, 50).pile);
}

TEST(PileAtPoint, ReserveRectangleKeepsThePilesBottomUnlessAnyCardMayBeLifted) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Down}, {Param::ReserveFanning, Fanning::Down},
                     {Param::ReserveCount, 2}});
  t.useSteps();
  t.place(PileId::reserve(0), 10, 10);
  t.place(PileId::reserve(1), 200, 10);
  putCards(t.game, PileId::reserve(0), {1, 2, 3});
  const TableView v = t.view();
  const PileHit h = pileAtPoint(v, 20, 20);
  EXPECT_EQ(h.name(), "Appogg1");
  EXPECT_EQ(h.card, 1);
  EXPECT_EQ(h.rect, (Rect{10, 10, 81, 10 + 36 + 96}));
  setParams(t.game, {{Param::ReserveLiftAny, -11}});
  EXPECT_EQ(pileAtPoint(v, 20, 20).rect, (Rect{10, 10, 81, 10 + 96}));
  // An empty reserve cannot be hit.
  EXPECT_FALSE(pileAtPoint(v, 220, 20).pile);
}

TEST(PileAtPoint, GridAnswersTheFirstRealCardWhoseSlotHoldsThePoint) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Grid}, {Param::TableauCount, 1}, {Param::FoundationCount, 1}});
  t.place(PileId::tableau(0), 0, 0);
  t.place(PileId::foundation(0), 400, 400);
  t.game.table.pile(PileId::tableau(0)).setCodes("005006000007");
  const TableView v = t.view();
  EXPECT_EQ(pileAtPoint(v, 30, 30).card, 5);  // the stack's bottom card comes first
  const PileHit second = pileAtPoint(v, 90, 30);
  EXPECT_EQ(second.card, 7);
  EXPECT_EQ(second.rect, (Rect{83, 0, 154, 96}));
  // The grid's area is the whole table: a miss ends the tableau search.
  EXPECT_EQ(pileAtPoint(v, 420, 420).name(), "Dest1");
  EXPECT_FALSE(pileAtPoint(v, 300, 30).pile);
}

TEST(PileAtPoint, HitsAgreeWithWhereCardsAreDrawn) {
  // Every card of a downward pile with irregular offsets is found at the
  // place it is drawn (the drawing asks for card e at depth m - e, beyond).
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Down}, {Param::TableauCount, 3}});
  t.useSteps();
  t.metrics.irregularPiles = true;
  t.metrics.irregular = IrregularOffsets::drawSeeded(11);
  const PileId f3 = PileId::tableau(2);
  t.place(f3, 300, 50);
  putCards(t.game, f3, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3});
  const TableView v = t.view();
  const int m = 8;
  for (int e = 0; e < m; ++e) {
    const int x = cardLeft(v, f3, m - e, true), y = cardTop(v, f3, m - e, true);
    const PileHit h = pileAtPoint(v, 310, y + 1);
    EXPECT_EQ(h.card, e + 1) << e;
    EXPECT_EQ(h.rect.left, x) << e;
    EXPECT_EQ(h.rect.top, y) << e;
  }
}

TEST(PileAtPoint, WindowCoordinatesAreTheTableLessTheScrollOffset) {
  KlondikeLikeTable t;
  t.metrics.scrollOffset = 100;
  EXPECT_EQ(pileAtPoint(t.view(), 20, 105).card, 2);
  EXPECT_EQ(pileAtPoint(t.view(), 20, 105).rect.top, 104);
}

}  // namespace
}  // namespace kes
