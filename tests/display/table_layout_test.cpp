#include <gtest/gtest.h>

#include "display/geometry/layout_frame.h"
#include "display/geometry/pile_geometry.h"
#include "geometry_test_support.h"

namespace kes {
namespace {

using test::setParams;
using test::windowRequest;

std::vector<int> tableauXs(const GameState& g) {
  std::vector<int> xs;
  for (int k = 0; k < g.tableauCount(); ++k) xs.push_back(g.positions.tableauX[static_cast<std::size_t>(k)]);
  return xs;
}

std::vector<int> foundationXs(const GameState& g) {
  std::vector<int> xs;
  for (int k = 0; k < g.foundationCount(); ++k) xs.push_back(g.positions.foundationX[static_cast<std::size_t>(k)]);
  return xs;
}

// A single tableau row in row 2, nothing else.
GameState tableauOnly(int variant, int piles) {
  GameState g;
  setParams(g, {{Param::TableauPlacementVariant, variant}, {Param::TableauPlacementRow, 2}, {Param::TableauCount, piles}});
  return g;
}

// Spider-like: one stock pile over the first column.
GameState withStockOverColumns(int tableauVariant, int piles) {
  GameState g = tableauOnly(tableauVariant, piles);
  setParams(g, {{Param::StockPlacementVariant, 4}, {Param::StockPlacementRow, 1}, {Param::StockRowPiles, 1},
                {Param::StockShownAtStock, 1}});
  return g;
}

TEST(LayoutFrame, RowsMarginsAndWidthFollowTheWindow) {
  GameParams p;
  const PlacementCodes none = placementCodes(p);
  const LayoutFrame tall = layoutFrame(windowRequest(800, 600), p, none);
  EXPECT_EQ(tall.tableWidth, 785);
  EXPECT_EQ(tall.rowMargin, 10);
  EXPECT_EQ(tall.rowY(1), 15);
  EXPECT_EQ(tall.rowY(2), 121);
  EXPECT_EQ(tall.rowY(3), 227);
  EXPECT_EQ(tall.rowY(4), 333);
  EXPECT_EQ(tall.rowY(5), 600 - 96 - 50);
  EXPECT_EQ(tall.rowY(6), 121 + 53);
  EXPECT_EQ(tall.leftEdge, 10);

  // Lower than 500: margin 5 and a usable width 10 pixels narrower.
  const LayoutFrame low = layoutFrame(windowRequest(800, 480), p, none);
  EXPECT_EQ(low.tableWidth, 775);
  EXPECT_EQ(low.rowMargin, 5);
  EXPECT_EQ(low.rowY(1), 10);
  EXPECT_EQ(low.rowY(2), 111);

  // A window well below the display's height puts the bottom row near the display's bottom.
  LayoutRequest small = windowRequest(800, 600);
  small.screen = ScreenSize{1920, 1080};
  EXPECT_EQ(layoutFrame(small, p, none).rowY(5), 1080 - 96 - 30);
}

TEST(LayoutFrame, ATableBelowTheToolbarKeepsTheWindowsMeasures) {
  // A window 1024 x 768 with its frame; the client area under the menu bar is
  // 700 high; the toolbar ends at 26 and the table starts two lines lower.
  const TableArea a = windowTableArea(WindowMeasures{1024, 768, 700, 26, 28});
  EXPECT_EQ(a.top, -2);
  EXPECT_EQ(a.bottom, 699 - 28);
  EXPECT_EQ(a.windowHeight, 768);
  EXPECT_EQ(a.right, 1024 - 13);
  EXPECT_EQ(a.clientTop, 28);
  // Without a toolbar the table's top is 5 into the client area.
  EXPECT_EQ(windowTableArea(WindowMeasures{1024, 768, 700, 0, 4}).top, 1);

  GameParams p;
  LayoutRequest r;
  r.area = a;
  r.screen = ScreenSize{1024, 768};
  const LayoutFrame f = layoutFrame(r, p, placementCodes(p));
  EXPECT_EQ(f.rowY(1), -2 + 10);
  // The bottom row is measured from the window's height in the client area.
  EXPECT_EQ(f.rowY(5), 768 - 96 - 50 - 28);
  // A window under 80 % of the display's height: from the display's.
  r.screen = ScreenSize{1280, 1024};
  EXPECT_EQ(layoutFrame(r, p, placementCodes(p)).rowY(5), 1024 - 96 - 30 - 28);
}

TEST(LayoutFrame, StockRowAndVariantRaiseRowsAndMoveTheLeftEdge) {
  GameParams p;
  p[Param::StockPlacementRow] = 1;
  p[Param::StockRowPiles] = 1;
  p[Param::StockPlacementVariant] = 16;
  const LayoutFrame f = layoutFrame(windowRequest(800, 600, kBigCards, kShadowSize), p, placementCodes(p));
  EXPECT_EQ(f.rowY(1), 30);
  EXPECT_EQ(f.rowY(2), 136);
  EXPECT_EQ(f.leftEdge, 10 + 9 + 15);

  p[Param::StockPlacementRow] = 2;
  p[Param::StockPlacementVariant] = 3;
  const LayoutFrame g = layoutFrame(windowRequest(640, 600), p, placementCodes(p));
  EXPECT_EQ(g.rowY(2), 15 + 10 + 96 + 15);
  EXPECT_EQ(g.leftEdge, 3 + 15);  // narrow table, no shadow

  // No stock row: neither the shadow nor the stock variant moves the edge.
  p[Param::StockRowPiles] = 0;
  EXPECT_EQ(layoutFrame(windowRequest(800, 600, kBigCards, kShadowSize), p, placementCodes(p)).leftEdge, 10);
}

TEST(LayoutFrame, CentredRowSetsAreOneCardAndTenPixelsApart) {
  GameParams p;
  const LayoutFrame f = layoutFrame(windowRequest(1024, 768), p, placementCodes(p));
  EXPECT_EQ(f.centredRowY4(1), 5 + (767 - 5 - 384 - 30) / 2);
  EXPECT_EQ(f.centredRowY4(4), f.centredRowY4(1) + 3 * 106);
  EXPECT_EQ(f.centredRowY3(1), 5 + (767 - 5 - 288 - 20) / 2);
  // A table too low for the rows keeps them just below its top.
  EXPECT_EQ(layoutFrame(windowRequest(800, 200), p, placementCodes(p)).centredRowY4(1), 7);
}

TEST(TableauLayout, CentredVariantOn800PixelsStandsEightyOnePixelsApart) {
  GameState g = tableauOnly(2, 7);
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(tableauXs(g), (std::vector<int>{114, 195, 276, 357, 438, 519, 600}));
  EXPECT_EQ(g.positions.tableauY[0], 121);
  EXPECT_EQ(g.positions.tableauY[6], 121);
  EXPECT_TRUE(g.laidOut);

  GameState low = tableauOnly(2, 7);
  layoutTable(low, windowRequest(800, 480));
  EXPECT_EQ(low.positions.tableauX[0], (775 - 497 - 60) / 2);
  EXPECT_EQ(low.positions.tableauY[0], 111);
}

TEST(TableauLayout, SpreadOnANarrowTableStartsAtTheLeftEdgeAndMayPassTheRightEdge) {
  GameState g = tableauOnly(1, 10);
  layoutTable(g, windowRequest(700, 600));
  const auto xs = tableauXs(g);
  EXPECT_EQ(xs.front(), 10);
  EXPECT_EQ(xs[1] - xs[0], 71 + 4);
  EXPECT_GT(xs.back() + 71, 687);
}

TEST(TableauLayout, SpreadBesideAStockOverTheColumnsKeepsAFifteenPixelGap) {
  GameState spread = withStockOverColumns(1, 10);
  layoutTable(spread, windowRequest(800, 600));
  const auto xs = tableauXs(spread);
  EXPECT_EQ(xs.front(), 25);
  EXPECT_EQ(xs[9] - xs[8], 86);
  EXPECT_EQ(spread.positions.stockX[0], 25);
}

TEST(TableauLayout, ShrinkingSpreadNarrowsTheGapButNotBelowFour) {
  GameState g = withStockOverColumns(14, 10);
  layoutTable(g, windowRequest(800, 600));
  // g = 6, the centred row would start at 10 < 25: 6 - (15 / 9 + 0.99) = 4;
  // the gap after the stock's column stays 15.
  EXPECT_EQ(tableauXs(g), (std::vector<int>{25, 111, 186, 261, 336, 411, 486, 561, 636, 711}));

  GameState narrow = withStockOverColumns(15, 10);
  layoutTable(narrow, windowRequest(640, 600));
  EXPECT_EQ(narrow.positions.tableauX[0], 3 + 15 - 2);  // a display narrower than 650
  EXPECT_EQ(narrow.positions.tableauX[2] - narrow.positions.tableauX[1], 75);
  EXPECT_EQ(narrow.positions.tableauY[0], 5 + 96 + 20);  // 015 keeps the rows close to the top
}

TEST(TableauLayout, ColumnsOnTheLeftLeaveRoomForTheStockAndReserve) {
  GameState g = tableauOnly(3, 4);
  setParams(g, {{Param::StockPlacementVariant, 11}, {Param::StockPlacementRow, 1}, {Param::StockRowPiles, 2},
                {Param::StockShownAtStock, 1}, {Param::WasteUsed, 1},
                {Param::ReservePlacementVariant, 12}, {Param::ReservePlacementRow, 2}, {Param::ReserveCount, 1},
                {Param::FoundationPlacementVariant, 7}, {Param::FoundationPlacementRow, 1}, {Param::FoundationCount, 4}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(tableauXs(g), (std::vector<int>{265, 351, 437, 523}));
  EXPECT_EQ(foundationXs(g), tableauXs(g));
  EXPECT_EQ(g.positions.stockX[kWaste], 265 - 45 - 71);
  EXPECT_EQ(g.positions.stockX[kStock], 149 - 71 - 15);
  EXPECT_EQ(g.positions.reserveX[0], 265 - 45 - 71);
  EXPECT_EQ(g.positions.reserveY[0], g.positions.tableauY[0]);
}

TEST(TableauLayout, GridRowsKeepOneAndAHalfCardsBetweenFans) {
  GameState g = tableauOnly(18, 18);
  setParams(g, {{Param::TableauRows, 3}});
  layoutTable(g, windowRequest(1024, 768));
  const auto xs = tableauXs(g);
  EXPECT_EQ(std::vector<int>(xs.begin(), xs.begin() + 6), (std::vector<int>{20, 197, 374, 551, 728, 905}));
  EXPECT_EQ(xs[6], 20);
  EXPECT_EQ(g.positions.tableauY[0], 285);
  EXPECT_EQ(g.positions.tableauY[6], 391);
  EXPECT_EQ(g.positions.tableauY[17], 497);
}

TEST(TableauLayout, StaggeredRowsPutTheFirstPileAloneAtTheCentredRow) {
  GameState g = tableauOnly(10, 8);
  setParams(g, {{Param::TableauRows, 2}});
  layoutTable(g, windowRequest(800, 600));
  const LayoutFrame f = layoutFrame(windowRequest(800, 600), g.params, placementCodes(g.params));
  EXPECT_EQ(tableauXs(g), (std::vector<int>{15, 146, 277, 408, 15, 146, 277, 408}));
  EXPECT_EQ(g.positions.tableauY[0], f.centredRowY3(1));
  EXPECT_EQ(g.positions.tableauY[1], f.rowY(1));
  EXPECT_EQ(g.positions.tableauY[4], f.rowY(2));
}

TEST(TableauLayout, UnderFoundationsIsCentredUnderTheirSpan) {
  GameState g = tableauOnly(20, 4);
  setParams(g, {{Param::FoundationPlacementVariant, 1}, {Param::FoundationPlacementRow, 1}, {Param::FoundationCount, 4}});
  layoutTable(g, windowRequest(800, 600));
  // Foundations 99 .. 609 + 71; four piles 10 apart: 314 wide.
  EXPECT_EQ(foundationXs(g), (std::vector<int>{99, 269, 439, 609}));
  EXPECT_EQ(tableauXs(g), (std::vector<int>{99 + (680 - 99 - 314) / 2, 99 + 133 + 81, 99 + 133 + 162, 99 + 133 + 243}));
}

TEST(FoundationLayout, VariantsPlaceTheRowFromTheTableOrTheTableau) {
  const std::vector<std::pair<int, std::vector<int>>> cases{
      {2, {243, 319, 395, 471}},  // centred with half the tableau gap (5)
      {7, {357, 438, 519, 600}},  // over the last four tableau piles
      {8, {456, 537, 618, 699}},  // ending at t - W - LeftEdge - 5
      {9, {378, 452, 526, 600}},  // ending at the last pile, f = 10 / 3 apart
  };
  for (const auto& [variant, expected] : cases) {
    GameState g = tableauOnly(2, 7);
    setParams(g, {{Param::FoundationPlacementVariant, variant}, {Param::FoundationPlacementRow, 1},
                  {Param::FoundationCount, 4}});
    layoutTable(g, windowRequest(800, 600));
    EXPECT_EQ(foundationXs(g), expected) << "variant " << variant;
    EXPECT_EQ(g.positions.foundationY[3], 15) << "variant " << variant;
  }
}

TEST(FoundationLayout, AfterTheStockFollowsTheWasteInItsRow) {
  GameState g = tableauOnly(2, 7);
  setParams(g, {{Param::StockPlacementVariant, 5}, {Param::StockPlacementRow, 1}, {Param::StockRowPiles, 2},
                {Param::WasteUsed, 1}, {Param::FoundationPlacementVariant, 17}, {Param::FoundationCount, 4}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(g.positions.stockX[kStock], 25);
  EXPECT_EQ(g.positions.stockX[kWaste], 25 + 25 + 71);
  EXPECT_EQ(foundationXs(g), (std::vector<int>{212, 286, 360, 434}));
  EXPECT_EQ(g.positions.foundationY[0], g.positions.stockY[kWaste]);
}

TEST(StockLayout, WasteBelowAStockLeftOfTheTableauAndTheWasteYFilledFromTheStock) {
  GameState g = tableauOnly(2, 7);
  setParams(g, {{Param::StockPlacementVariant, 3}, {Param::StockPlacementRow, 2}, {Param::StockRowPiles, 1},
                {Param::WasteUsed, 1}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(g.positions.stockX[kStock], g.positions.tableauX[0] - 22 - 71);
  EXPECT_EQ(g.positions.stockX[kWaste], g.positions.stockX[kStock]);
  EXPECT_EQ(g.positions.stockY[kWaste], g.positions.stockY[kStock]);  // both in row 2

  GameState shown = tableauOnly(2, 7);
  setParams(shown, {{Param::StockPlacementVariant, 16}, {Param::StockPlacementRow, 1}, {Param::StockRowPiles, 1},
                    {Param::StockShownAtStock, 1}});
  layoutTable(shown, windowRequest(800, 600));
  EXPECT_EQ(shown.positions.stockX[kStock], shown.positions.tableauX[0] - 30 - 71);
  EXPECT_FALSE(shown.positions.isPlaced(PileId::waste()));
  EXPECT_EQ(shown.positions.stockY[kWaste], shown.positions.stockY[kStock]);
}

TEST(FamilyLayout, AFamilyOfNoPilesKeepsItsOffTableValue) {
  GameState g = tableauOnly(2, 7);
  setParams(g, {{Param::FoundationPlacementVariant, 7}, {Param::FoundationPlacementRow, 1},
                {Param::ReservePlacementVariant, 4}, {Param::ReservePlacementRow, 1}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(g.positions.foundationX[0], PilePositions::kFoundationOffTable);
  EXPECT_EQ(g.positions.reserveX[0], PilePositions::kReserveOffTable);
  EXPECT_EQ(g.positions.stockX[0], PilePositions::kStockOffTable);
  EXPECT_EQ(g.positions.tableauX[7], PilePositions::kTableauOffTable);
  EXPECT_FALSE(g.onTable(PileId::foundation(0)));
  EXPECT_TRUE(g.onTable(PileId::tableau(6)));
}

TEST(ReserveAndSecondWasteLayout, VariantsFollowTheTableauAndTheStock) {
  GameState g = tableauOnly(2, 7);
  setParams(g, {{Param::ReservePlacementVariant, 7}, {Param::ReservePlacementRow, 1}, {Param::ReserveCount, 2},
                {Param::StockPlacementVariant, 5}, {Param::StockPlacementRow, 3}, {Param::StockRowPiles, 1},
                {Param::SecondWasteUsed, 1}, {Param::SecondWastePlacementVariant, 16},
                {Param::SecondWastePlacementRow, 3}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(g.positions.reserveX[0], 519);
  EXPECT_EQ(g.positions.reserveX[1], 600);
  EXPECT_EQ(g.positions.stockX[kSecondWaste], g.positions.stockX[kStock]);
  EXPECT_EQ(g.positions.stockY[kSecondWaste], 121 + 96 + 20);

  setParams(g, {{Param::ReservePlacementVariant, 6}, {Param::SecondWastePlacementVariant, 7}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(g.positions.reserveX[1], 114 + 3 + 71);  // f = 10 / 3
  EXPECT_EQ(g.positions.stockX[kSecondWaste], 600);
}

TEST(ReserveCollision, ARowOfReservesReachingTheTableauMovesItInOneExtraPass) {
  GameState g = tableauOnly(2, 7);
  setParams(g, {{Param::ReservePlacementVariant, 5}, {Param::ReservePlacementRow, 2}, {Param::ReserveCount, 2}});
  const LayoutReport report = layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(report.passes, 2);
  const int lastReserveRight = g.positions.reserveX[1] + 71;
  EXPECT_EQ(lastReserveRight, 10 + 81 + 71);
  EXPECT_EQ(g.positions.tableauX[0], lastReserveRight + 86);
  EXPECT_EQ(g.positions.tableauX[1] - g.positions.tableauX[0], 81);

  // Reserves in a row of their own do not collide.
  GameState apart = tableauOnly(2, 7);
  setParams(apart, {{Param::ReservePlacementVariant, 5}, {Param::ReservePlacementRow, 4}, {Param::ReserveCount, 2}});
  EXPECT_EQ(layoutTable(apart, windowRequest(800, 600)).passes, 1);
  EXPECT_EQ(apart.positions.tableauX[0], 114);
}

TEST(ReserveCollision, ATableauThatIgnoresTheShiftStopsAfterOneExtraPass) {
  GameState g = tableauOnly(1, 7);
  setParams(g, {{Param::ReservePlacementVariant, 5}, {Param::ReservePlacementRow, 2}, {Param::ReserveCount, 2}});
  EXPECT_EQ(layoutTable(g, windowRequest(800, 600)).passes, 2);
}

TEST(Relayout, PilesNoRuleAnyLongerPlacesKeepTheirPlaces) {
  GameState g = tableauOnly(2, 7);
  layoutTable(g, windowRequest(800, 600));
  const int x7 = g.positions.tableauX[6];
  setParams(g, {{Param::TableauCount, 5}});
  layoutTable(g, windowRequest(1024, 768));
  EXPECT_EQ(g.positions.tableauX[6], x7);
  EXPECT_NE(g.positions.tableauX[0], 114);

  resetLayoutForNewGame(g);
  EXPECT_EQ(g.positions.tableauX[6], PilePositions::kTableauOffTable);
  EXPECT_FALSE(g.laidOut);
}

TEST(Relayout, ScrollingChangesOnlyTheOffsetReadersSubtract) {
  GameState g = tableauOnly(2, 7);
  setParams(g, {{Param::StockPlacementVariant, 4}, {Param::StockPlacementRow, 1}, {Param::StockRowPiles, 1},
                {Param::StockShownAtStock, 1}});
  LayoutRequest r = windowRequest(800, 600);
  layoutTable(g, r);
  const PilePositions unscrolled = g.positions;
  r.scrollPosition = 40;
  const LayoutReport report = layoutTable(g, r);
  EXPECT_EQ(g.positions.tableauY, unscrolled.tableauY);
  EXPECT_EQ(g.positions.stockX, unscrolled.stockX);
  EXPECT_EQ(report.scrollOffset, 40);
  EXPECT_EQ(report.stockDraw.y[0], g.positions.stockY[0]);
  EXPECT_EQ(report.stockDraw.yScrolled[0], g.positions.stockY[0] - 40);

  TableMetrics m;
  m.scrollOffset = report.scrollOffset;
  EXPECT_EQ(cardTop(TableView{g, m}, PileId::tableau(0), 0, false), g.positions.tableauY[0] - 40);
  EXPECT_EQ(cardLeft(TableView{g, m}, PileId::tableau(0), 0, false), g.positions.tableauX[0]);
}

TEST(SpecialArrangements, CrossOfFiveWithFoundationsInTheCorners) {
  GameState g;
  setParams(g, {{Param::TableauPlacementVariant, 52}, {Param::TableauCount, 8}, {Param::FoundationCount, 4},
                {Param::StockRowPiles, 2}, {Param::WasteUsed, 1}});
  layoutTable(g, windowRequest(800, 600));
  const auto& p = g.positions;
  EXPECT_EQ(tableauXs(g), (std::vector<int>{390, 284, 390, 496, 390, PilePositions::kTableauOffTable,
                                            PilePositions::kTableauOffTable, PilePositions::kTableauOffTable}));
  EXPECT_EQ(p.tableauY[0], 105);
  EXPECT_EQ(p.tableauY[1], 236);
  EXPECT_EQ(p.tableauY[4], 367);
  EXPECT_FALSE(g.onTable(PileId::tableau(5)));
  EXPECT_EQ(p.stockX[kStock], 108);
  EXPECT_EQ(p.stockY[kWaste], 236);
  EXPECT_EQ(foundationXs(g), (std::vector<int>{291, 489, 291, 489}));
  EXPECT_EQ(p.foundationY[0], 112);
  EXPECT_EQ(p.foundationY[3], 360);
}

TEST(SpecialArrangements, SinglePileColumnAtTheLeft) {
  GameState g;
  setParams(g, {{Param::TableauPlacementVariant, 96}, {Param::TableauCount, 1}, {Param::SecondWasteUsed, 1}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(g.positions.stockX[kStock], 25);
  EXPECT_EQ(g.positions.stockY[kStock], 15);
  EXPECT_EQ(g.positions.tableauX[0], 25);
  EXPECT_EQ(g.positions.tableauY[0], 121);
  EXPECT_EQ(g.positions.stockX[kSecondWaste], 121);
}

TEST(SpecialArrangements, PyramidRowsCoverHalfTheRowAbove) {
  GameState g;
  setParams(g, {{Param::TableauPlacementVariant, 53}, {Param::TableauCount, 7}, {Param::StockRowPiles, 2},
                {Param::StockPlacementRow, 1}, {Param::WasteUsed, 1}, {Param::SecondWasteUsed, 1}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(tableauXs(g), (std::vector<int>{357, 319, 280, 242, 203, 165, 126}));
  EXPECT_EQ(g.positions.tableauY[0], 30);
  EXPECT_EQ(g.positions.tableauY[6], 30 + 6 * 48);
  EXPECT_EQ(g.positions.stockX[kStock], 10);
  EXPECT_EQ(g.positions.stockX[kWaste], 10 + 71 + 15);
  EXPECT_EQ(g.positions.stockX[kSecondWaste], 785 - 71 - 10);
  EXPECT_FALSE(g.onTable(PileId::foundation(0)));
}

TEST(SpecialArrangements, FiveByFiveGridWithTheStockColumnOnTheLeft) {
  GameState g;
  setParams(g, {{Param::TableauPlacementVariant, 54}, {Param::TableauCount, 25}, {Param::StockRowPiles, 1},
                {Param::SecondWasteUsed, 1}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(g.positions.tableauX[0], 241);
  EXPECT_EQ(g.positions.tableauX[4], 241 + 4 * 83);
  EXPECT_EQ(g.positions.tableauY[0], 46);
  EXPECT_EQ(g.positions.tableauY[24], 46 + 4 * 104);
  EXPECT_EQ(g.positions.stockX[kStock], 140);
  EXPECT_EQ(g.positions.stockY[kSecondWaste], 46 + 104);  // no waste: the discards right below the stock
  EXPECT_FALSE(g.onTable(PileId::waste()));

  // On a narrow table the stock column keeps to the left edge and the grid follows it.
  GameState narrow = g;
  resetLayoutForNewGame(narrow);
  layoutTable(narrow, windowRequest(400, 600));
  EXPECT_EQ(narrow.positions.stockX[kStock], 3);
  EXPECT_EQ(narrow.positions.tableauX[0], 3 + 71 + 30);
}

TEST(SpecialArrangements, CastleRowsAroundACentreColumnOfFoundations) {
  GameState g;
  setParams(g, {{Param::TableauPlacementVariant, 55}, {Param::TableauCount, 8}, {Param::FoundationCount, 4}});
  layoutTable(g, windowRequest(800, 600));
  EXPECT_EQ(foundationXs(g), (std::vector<int>{357, 357, 357, 357}));
  EXPECT_EQ(tableauXs(g), (std::vector<int>{10, 10, 10, 10, 448, 448, 448, 448}));
  EXPECT_EQ(g.positions.foundationY[0], 95);
  EXPECT_EQ(g.positions.tableauY[7], 95 + 3 * 106);
  EXPECT_FALSE(g.onTable(PileId::stock()));
}

// Baker's Dozen-like: thirteen downward fans under four foundations.
GameState thirteenFans(int variant) {
  GameState g = tableauOnly(variant, 13);
  setParams(g, {{Param::TableauFanning, 1}, {Param::FoundationCount, 4}, {Param::FoundationPlacementVariant, 1},
                {Param::FoundationPlacementRow, 1}});
  return g;
}

TEST(SpecialArrangements, OneOrTwoRowsIsTheSpreadRowWhereItFitsAndTwoRowsWhereNot) {
  GameState wide = thirteenFans(56), spread = thirteenFans(1);
  layoutTable(wide, windowRequest(1920, 1080));
  layoutTable(spread, windowRequest(1920, 1080));
  EXPECT_EQ(wide.positions.tableauX, spread.positions.tableauX);
  EXPECT_EQ(wide.positions.tableauY, spread.positions.tableauY);
  EXPECT_EQ(foundationXs(wide), foundationXs(spread));

  GameState narrow = thirteenFans(56);
  layoutTable(narrow, windowRequest(800, 600));
  const int t = 800 - 13 - 2, top = narrow.positions.tableauY[0];
  const auto xs = tableauXs(narrow);
  for (int k = 0; k < 13; ++k) {
    SCOPED_TRACE(k);
    EXPECT_LE(xs[static_cast<std::size_t>(k)] + 71, t);
    EXPECT_GE(xs[static_cast<std::size_t>(k)], 10);
    EXPECT_EQ(narrow.positions.tableauY[static_cast<std::size_t>(k)] == top, k < 7);
  }
  // The second row starts half a pile right, below four dealt cards and room to grow.
  EXPECT_EQ(xs[7] - xs[0], (xs[1] - xs[0]) / 2);
  EXPECT_GE(narrow.positions.tableauY[7], top + 96 + 5 * 18);
  EXPECT_EQ(foundationXs(narrow).size(), 4u);
  EXPECT_TRUE(narrow.onTable(PileId::foundation(3)));
}

TEST(SpecialArrangements, NarrowingGridRowsCloseTheirGapsOnlyWhenTheRowWouldNotFit) {
  GameState wide = tableauOnly(57, 18), standard = tableauOnly(18, 18);
  for (GameState* g : {&wide, &standard}) setParams(*g, {{Param::TableauRows, 3}, {Param::TableauFanning, 2}});
  layoutTable(wide, windowRequest(1024, 768));
  layoutTable(standard, windowRequest(1024, 768));
  EXPECT_EQ(wide.positions.tableauX, standard.positions.tableauX);
  EXPECT_EQ(wide.positions.tableauY, standard.positions.tableauY);

  GameState narrow = tableauOnly(57, 18);
  setParams(narrow, {{Param::TableauRows, 3}, {Param::TableauFanning, 2}});
  layoutTable(narrow, windowRequest(800, 600));
  const auto xs = tableauXs(narrow);
  const int gap = xs[1] - xs[0] - 71;
  EXPECT_LE(xs[5] + 71, 800 - 13 - 2);
  EXPECT_GE(gap, 2 * 12 + 4) << "a dealt fan of three still fits between two piles";
  EXPECT_LT(gap, 71 * 3 / 2);
  EXPECT_EQ(xs[6], xs[0]);
}

TEST(SpecialArrangements, ACodeWithoutADrawingPlacesNothingAndSaysSo) {
  GameState g;
  setParams(g, {{Param::TableauPlacementVariant, 60}, {Param::TableauCount, 4}, {Param::StockRowPiles, 1}});
  EXPECT_FALSE(layoutTable(g, windowRequest(800, 600)).arrangementKnown);
  EXPECT_FALSE(g.onTable(PileId::tableau(0)));
  EXPECT_FALSE(g.onTable(PileId::stock()));

  // 102 is no special arrangement, only a standard code without a rule.
  setParams(g, {{Param::TableauPlacementVariant, 102}});
  EXPECT_TRUE(layoutTable(g, windowRequest(800, 600)).arrangementKnown);
}

TEST(PreviewLayout, AMiniatureWithLittleCardsStaysInsideItsImage) {
  const TableArea area = previewTableArea(300, 200);
  EXPECT_EQ(area.top, 3);
  EXPECT_EQ(area.bottom, 200);
  EXPECT_EQ(area.windowHeight, 200);
  EXPECT_EQ(area.right, 300);

  GameState g = withStockOverColumns(1, 7);
  setParams(g, {{Param::FoundationPlacementVariant, 7}, {Param::FoundationPlacementRow, 1}, {Param::FoundationCount, 4},
                {Param::TableauPlacementRow, 2}});
  const PilePositions mini = previewLayout(g.params, 300, 200, ScreenSize{1024, 768}, kLittleCards);
  EXPECT_FALSE(g.laidOut);  // the game's own places are left alone
  // t = 300 - 12 in an image lower than 500 pixels; rows 5 pixels apart.
  EXPECT_EQ(mini.tableauX[0], 3 + 15);
  EXPECT_EQ(mini.tableauY[0], 3 + 5 + 15 + 5 + 32);
  int placed = 0;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (!mini.isPlaced(id)) continue;
    ++placed;
    EXPECT_GE(mini.x(id), 0) << pileName(id);
    EXPECT_LE(mini.x(id) + 25, 300) << pileName(id);
    EXPECT_LE(mini.y(id) + 32, 200) << pileName(id);
  }
  EXPECT_EQ(placed, 1 + 4 + 7);
}

}  // namespace
}  // namespace kes
