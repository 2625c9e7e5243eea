#include "display/geometry/card_flight.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

FlightRequest horizontal(int distance) {
  FlightRequest r;
  r.fromX = 100;
  r.fromY = 50;
  r.toX = 100 + distance;
  r.toY = 50;
  r.cardWidth = 71;
  r.cardHeight = 96;
  return r;
}

TEST(CardFlightStep, GrowsWithTheDistanceAndShrinksForFineSteps) {
  EXPECT_EQ(flightStep(500, false), 48);  // 500 / 10.4 + 0.5
  EXPECT_EQ(flightStep(500, true), 14);
  EXPECT_EQ(flightStep(0, false), 0);
  EXPECT_EQ(flightStep(1, false), 0);  // 1 / 4.08 rounds to nothing
  EXPECT_EQ(flightStep(3, false), 1);
  EXPECT_EQ(flightStep(100, false), 19);  // 100 / 5.28 + 0.5
}

TEST(CardFlightPath, StepsEvenlyAndEndsExactlyOnTheTarget) {
  const std::vector<FlightFrame> path = flightPath(horizontal(500));
  ASSERT_GE(path.size(), 3u);
  EXPECT_EQ(path.front(), (FlightFrame{100, 50, 1}));
  EXPECT_EQ(path[1], (FlightFrame{148, 50, 1}));
  EXPECT_EQ(path.back(), (FlightFrame{600, 50, 0}));
  // 10 whole steps reach 580; the eleventh passes 600 and is clamped there
  // without being shown: the final placement follows the last wait.
  EXPECT_EQ(path.size(), 12u);
  EXPECT_EQ(path[10], (FlightFrame{580, 50, 1}));
}

TEST(CardFlightPath, LeftwardAndDiagonalFlightsKeepTheMinorAxisInProportion) {
  FlightRequest r = horizontal(-200);
  r.toY = 150;  // dx 200, dy 100: x is the major axis
  const std::vector<FlightFrame> path = flightPath(r);
  const int step = flightStep(200, false);
  EXPECT_EQ(path[1].x, 100 - step);
  EXPECT_EQ(path[1].y, 50 + 100 * ((step * 100 + 100) / 200) / 100);
  for (std::size_t i = 1; i < path.size(); ++i) {
    EXPECT_LT(path[i].x, path[i - 1].x);
    EXPECT_GE(path[i].y, path[i - 1].y);
  }
  EXPECT_EQ(path.back(), (FlightFrame{-100, 150, 0}));
}

TEST(CardFlightPath, ATieGoesToTheXAxis) {
  FlightRequest r = horizontal(100);
  r.toY = 150;
  const std::vector<FlightFrame> path = flightPath(r);
  EXPECT_EQ(path[1].x, 100 + flightStep(100, false));
}

TEST(CardFlightPath, FineStepsNeverWait) {
  FlightRequest r = horizontal(500);
  r.fine = true;
  const std::vector<FlightFrame> path = flightPath(r);
  EXPECT_EQ(path[1].x, 114);
  for (const FlightFrame& f : path) EXPECT_EQ(f.waits, 0);
}

TEST(CardFlightPath, NoDistanceMeansOnlyTheFinalPlacement) {
  const std::vector<FlightFrame> path = flightPath(horizontal(0));
  EXPECT_EQ(path, (std::vector<FlightFrame>{{100, 50, 0}, {100, 50, 0}}));
}

TEST(CardFlightPath, LandingFliesRaisedByTheShadowAndSettlesWithADoubleWait) {
  FlightRequest r = horizontal(300);
  r.landing = true;
  r.shadowSize = 9;
  const std::vector<FlightFrame> path = flightPath(r);
  ASSERT_GE(path.size(), 3u);
  EXPECT_EQ(path[path.size() - 2], (FlightFrame{391, 41, 2}));
  EXPECT_EQ(path.back(), (FlightFrame{400, 50, 0}));
}

TEST(CardFlightPath, AnOffTablePileIsAboveAndLeftOfTheWindow) {
  FlightRequest r = horizontal(0);
  r.toX = -30000;
  r.toY = -30000;
  EXPECT_EQ(flightPath(r).back(), (FlightFrame{-213, -288, 0}));
}

}  // namespace
}  // namespace kes
