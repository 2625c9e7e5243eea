#include "display/geometry/table_scrolling.h"

#include <gtest/gtest.h>

#include "display/geometry/pile_geometry.h"
#include "geometry_test_support.h"

namespace kes {
namespace {

using test::putCards;
using test::setParams;
using test::Table;

// A downward tableau of two piles under a stock and a foundation.
struct TwoColumnTable : Table {
  TwoColumnTable() {
    setParams(game, {{Param::CardCount, 52}, {Param::TableauFanning, Fanning::Down},
                     {Param::FoundationFanning, Fanning::Squared}, {Param::TableauCount, 2},
                     {Param::FoundationCount, 1}, {Param::StockShownAtStock, 1}});
    useSteps();
    place(PileId::stock(), 10, 10);
    place(PileId::foundation(0), 300, 10);
    place(PileId::tableau(0), 10, 200);
    place(PileId::tableau(1), 100, 200);
  }
};

TEST(LowestCardBottom, IsTheLowestCardOfTheLongestFanInTableCoordinates) {
  TwoColumnTable t;
  putCards(t.game, PileId::tableau(0), {1, 2, 3, 4, 5}, {1, 2, 3});
  for (int card = 14; card <= 33; ++card) putCards(t.game, PileId::tableau(1), {card});
  const FanningSteps& s = t.metrics.steps;
  const int longFan = 200 + 19 * s.downFaceUp + 96;
  ASSERT_GT(longFan, 200 + 3 * s.downFaceDown + s.downFaceUp + 96);
  EXPECT_EQ(lowestCardBottom(t.view()), longFan);
  // Scrolling moves the cards on the window, not on the table.
  t.metrics.scrollOffset = 150;
  EXPECT_EQ(lowestCardBottom(t.view()), longFan);
}

TEST(LowestCardBottom, CountsMarkersAndTheRaisedStockButNothingOffTheTable) {
  TwoColumnTable t;
  // Empty piles show their markers: the tableau's reach 200 + H.
  EXPECT_EQ(lowestCardBottom(t.view()), 296);
  // A stock of 30 cards below everything stands raised by 30 / 7 + 1 = 5.
  t.place(PileId::stock(), 10, 500);
  for (int card = 60; card < 90; ++card) putCards(t.game, PileId::stock(), {card});
  StockDrawPlaces layout;
  layout.x[0] = 10;
  layout.y[0] = layout.yScrolled[0] = 500;
  raiseStockPiles(t.game, layout);
  EXPECT_EQ(lowestCardBottom(t.view()), 500 - 5 + 96);
  // A pile that no rule placed is not on the table.
  t.place(PileId::stock(), -10000, -10000);
  t.place(PileId::reserve(0), -10003, -10003);
  putCards(t.game, PileId::reserve(0), {40, 41});
  EXPECT_EQ(lowestCardBottom(t.view()), 296);
}

TEST(LowestCardBottom, AnEmptyPileWithoutMarkerAddsNothing) {
  TwoColumnTable t;
  // The visible waste of a game without redeals shows no marker when the
  // stock is not in play.
  setParams(t.game, {{Param::StockShownAtStock, 0}, {Param::WasteUsed, 1}, {Param::StockPasses, 1}, {Param::TableauRedealMode, 0}});
  t.place(PileId::waste(), 10, 700);
  EXPECT_EQ(lowestCardBottom(t.view()), 296);
  putCards(t.game, PileId::waste(), {7});
  EXPECT_EQ(lowestCardBottom(t.view()), 796);
}

TEST(ScrollingApplies, OnlyToDownwardAndGridTableausWhenThePlayerWantsTheBar) {
  EXPECT_TRUE(scrollingApplies(true, Fanning::Down));
  EXPECT_TRUE(scrollingApplies(true, Fanning::Grid));
  EXPECT_FALSE(scrollingApplies(true, Fanning::Right));
  EXPECT_FALSE(scrollingApplies(true, Fanning::DownEven));
  EXPECT_FALSE(scrollingApplies(false, Fanning::Down));
}

// Big cards on a window 600 high of a display 1080 high.
ScrollingInputs inputs(int needed, bool applies = true, int surface = 1110) {
  return ScrollingInputs{needed, 96, 600, surface, 1080, applies};
}

TEST(ScrollingApplies, ToAnyTableWhosePlacesReachBelowTheWindow) {
  EXPECT_TRUE(scrollingApplies(true, Fanning::Squared, 521, 413));
  EXPECT_FALSE(scrollingApplies(true, Fanning::Squared, 413, 413));
  EXPECT_FALSE(scrollingApplies(false, Fanning::Squared, 521, 413));
  EXPECT_TRUE(scrollingApplies(true, Fanning::Down, 300, 413));
}

TEST(UpdateScrolling, TheBarComesWhenTheCardsReachBelowTheWindow) {
  const ScrollingUpdate u = updateScrolling(inputs(900), ScrollBarState{});
  // Extra = 2H + needed - client = 192 + 900 - 600.
  EXPECT_EQ(u.change, ScrollChange::Grown);
  EXPECT_EQ(u.bar, (ScrollBarState{true, 0, 492 + 100 - 30}));
  EXPECT_EQ(u.surfaceHeight, 1110 + 492);
  // Just fitting, or scrolling not wanted: no bar.
  EXPECT_EQ(updateScrolling(inputs(600), ScrollBarState{}).change, ScrollChange::None);
  EXPECT_EQ(updateScrolling(inputs(900, false), ScrollBarState{}).change, ScrollChange::None);
  EXPECT_FALSE(updateScrolling(inputs(900, false), ScrollBarState{}).bar.shown);
}

TEST(UpdateScrolling, AShownBarGoesWhenTheCardsFitOrScrollingStopsApplying) {
  const ScrollBarState shown{true, 120, 562};
  for (const ScrollingInputs& in : {inputs(600, true, 1602), inputs(900, false, 1602)}) {
    const ScrollingUpdate u = updateScrolling(in, shown);
    EXPECT_EQ(u.change, ScrollChange::Hidden);
    EXPECT_EQ(u.bar, (ScrollBarState{false, 0, 100}));
    EXPECT_EQ(u.surfaceHeight, 1080 + 30);
  }
}

TEST(UpdateScrolling, AShownBarGrowsOnlyWhenThePicturesAreTooLow) {
  const ScrollBarState shown{true, 120, 562};
  // The pictures still hold the cards with two card heights to spare.
  const ScrollingUpdate same = updateScrolling(inputs(1410, true, 1602), shown);
  EXPECT_EQ(same.change, ScrollChange::None);
  EXPECT_EQ(same.bar, shown);
  EXPECT_EQ(same.surfaceHeight, 1602);
  // One pixel more: the range grows by the new extra less 30, the position stays.
  const ScrollingUpdate grown = updateScrolling(inputs(1411, true, 1602), shown);
  const int extra = 192 + 1411 - 600;
  EXPECT_EQ(grown.change, ScrollChange::Grown);
  EXPECT_EQ(grown.bar, (ScrollBarState{true, 120, extra + 562 - 30}));
  EXPECT_EQ(grown.surfaceHeight, 1602 + extra);
}

TEST(AutoScrollPosition, NearTheTopScrollsUpWhileTheTableIsScrolledDown) {
  EXPECT_EQ(autoScrollPosition(4, 600, ScrollBarState{true, 120, 562}), 70);
  EXPECT_EQ(autoScrollPosition(-30, 600, ScrollBarState{true, 30, 562}), 0);
  EXPECT_EQ(autoScrollPosition(5, 600, ScrollBarState{true, 120, 562}), std::nullopt);
  EXPECT_EQ(autoScrollPosition(0, 600, ScrollBarState{true, 0, 562}), std::nullopt);
}

TEST(AutoScrollPosition, NearTheBottomScrollsDownUntilTheEnd) {
  EXPECT_EQ(autoScrollPosition(596, 600, ScrollBarState{true, 0, 562}), 50);
  EXPECT_EQ(autoScrollPosition(640, 600, ScrollBarState{true, 540, 562}), 562);
  EXPECT_EQ(autoScrollPosition(595, 600, ScrollBarState{true, 0, 562}), std::nullopt);
  EXPECT_EQ(autoScrollPosition(599, 600, ScrollBarState{true, 562, 562}), std::nullopt);
  EXPECT_EQ(autoScrollPosition(599, 600, ScrollBarState{false, 0, 100}), std::nullopt);
}

TEST(RightmostCardRight, IsTheRightEdgeOfTheRightmostCardOrMarker) {
  TwoColumnTable t;
  // The foundation's marker at 300 reaches 300 + W.
  EXPECT_EQ(rightmostCardRight(t.view()), 371);
  t.place(PileId::tableau(1), 700, 200);
  putCards(t.game, PileId::tableau(1), {14, 15});
  EXPECT_EQ(rightmostCardRight(t.view()), 771);
  // Sideways fans reach as far as their top card.
  setParams(t.game, {{Param::TableauFanning, Fanning::SideBySide}});
  t.useSteps();
  EXPECT_EQ(rightmostCardRight(t.view()), cardLeft(t.view(), PileId::tableau(1), 0, false) + 71);
  EXPECT_GT(rightmostCardRight(t.view()), 771);
  // Off the table counts nothing.
  t.place(PileId::tableau(1), -10002, -10002);
  EXPECT_EQ(rightmostCardRight(t.view()), 371);
}

TEST(HorizontalScrolling, TheBarComesWhenTheCardsReachPastTheWindowAndKeepsItsPosition) {
  EXPECT_EQ(horizontalScrolling(600, 627, 0), HorizontalScroll{});
  EXPECT_EQ(horizontalScrolling(617, 627, 40), HorizontalScroll{});
  // The last card with its margin is 100 pixels past the window.
  EXPECT_EQ(horizontalScrolling(717, 627, 0), (HorizontalScroll{true, 0, 100}));
  EXPECT_EQ(horizontalScrolling(717, 627, 60), (HorizontalScroll{true, 60, 100}));
  // A wider window shortens the range and pulls the position back within it.
  EXPECT_EQ(horizontalScrolling(717, 687, 60), (HorizontalScroll{true, 40, 40}));
}

TEST(AutoScrollPosition, NearTheSidesScrollsSidewaysWithinTheRange) {
  const HorizontalScroll bar{true, 60, 100};
  EXPECT_EQ(autoScrollPositionX(3, 627, bar), 10);
  EXPECT_EQ(autoScrollPositionX(624, 627, bar), 100);
  EXPECT_EQ(autoScrollPositionX(300, 627, bar), std::nullopt);
  EXPECT_EQ(autoScrollPositionX(624, 627, HorizontalScroll{}), std::nullopt);
  EXPECT_EQ(autoScrollPositionX(3, 627, HorizontalScroll{true, 0, 100}), std::nullopt);
}

}  // namespace
}  // namespace kes
