#include "display/geometry/winning_shower.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace kes {
namespace {

std::function<int(int)> seeded(unsigned seed) {
  auto engine = std::make_shared<std::mt19937>(seed);
  return [engine](int n) { return std::uniform_int_distribution<int>(0, n - 1)(*engine); };
}

std::function<int(int)> highest() {
  return [](int n) { return n - 1; };
}

TEST(WinningShower, ScatteredCardsCountOneMoreThanTheirSizeAndNeverShowTheKingOfSpades) {
  EXPECT_EQ(WinningShower(1, kBigCards, {800, 600, 30}, seeded(1)).total(), 2001);
  EXPECT_EQ(WinningShower(1, kMediumCards, {800, 600, 30}, seeded(1)).total(), 3001);
  WinningShower little(1, kLittleCards, {800, 600, 30}, seeded(7));
  int thrown = 0;
  while (!little.done()) {
    const ShowerCard c = little.next();
    EXPECT_GE(c.card, 1);
    EXPECT_LE(c.card, 51);
    EXPECT_GE(c.x, -kLittleCards.width / 2);
    EXPECT_LT(c.x, 800);
    EXPECT_GE(c.y, -kLittleCards.height / 2);
    EXPECT_LT(c.y, 600);
    // Cards 0, 15, 30, ... are followed by a pause.
    EXPECT_EQ(c.pauseAfter, thrown % 15 == 0 ? 9 : 0);
    ++thrown;
  }
  EXPECT_EQ(thrown, 4001);
}

TEST(WinningShower, RowsStepRightThenRestartLowerWithAPause) {
  WinningShower rows(2, kBigCards, {200, 400, 30}, highest());
  EXPECT_EQ(rows.total(), 1500);
  const int step = static_cast<int>(71 / 5.8);  // 12
  ShowerCard c = rows.next();
  EXPECT_EQ(c.x, -20);
  EXPECT_EQ(c.y, 30);
  EXPECT_EQ(c.card, 51);
  int x = -20 + step;
  // -20 + 19 steps of 12 = 208 reaches the width 200 after the 19th card.
  for (int i = 1; x + step < 200; ++i, x += step) {
    c = rows.next();
    EXPECT_EQ(c.x, x);
    EXPECT_EQ(c.pauseAfter, (i + 1) % 20 == 0 ? 18 : 0);
  }
  c = rows.next();
  EXPECT_EQ(c.pauseAfter, 700);
  c = rows.next();
  EXPECT_EQ(c.x, -71 / 3);  // one row done: an odd count
  EXPECT_EQ(c.y, 65);
}

TEST(WinningShower, RowsBelowTheWindowStartAgainFromTheTop) {
  // Height 300: a row at 215 leaves no room for a 96 pixel card, so the
  // next rows start 35 below the previous restart line (0 at first).
  WinningShower rows(2, kBigCards, {100, 300, 5}, highest());
  std::vector<int> rowTops;
  while (rowTops.size() < 11) {
    const ShowerCard c = rows.next();
    if (c.pauseAfter >= 700) rowTops.push_back(rows.next().y);
  }
  EXPECT_EQ(rowTops, (std::vector<int>{40, 75, 110, 145, 180, 35, 70, 105, 140, 175, 70}));
}

}  // namespace
}  // namespace kes
