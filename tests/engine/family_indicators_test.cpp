#include "engine/family_indicators.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace kes {
namespace {

struct CountingFixture : ::testing::Test {
  GameState g;
  void SetUp() override { test::setParams(g, {{Param::Family, 10}, {Param::FoundationCount, 4}, {Param::FoundationMaxCards, 13}}); }
  void lay(int foundation, std::initializer_list<int> cards) {
    for (int c : cards) g.table.appendCard(PileId::foundation(foundation), c, true);
  }
};

TEST_F(CountingFixture, EachFoundationNeedsItsStepOnFromItsTopCard) {
  lay(0, {1});        // ace: by ones, a two next
  lay(1, {15});       // two (diamonds): by twos, a four
  lay(2, {29, 32});   // three, six (clubs): by threes, a nine
  lay(3, {43, 47});   // four, eight (spades): by fours, a queen
  EXPECT_EQ(countingNextRank(g, 0), "2");
  EXPECT_EQ(countingNextRank(g, 1), "4");
  EXPECT_EQ(countingNextRank(g, 2), "9");
  EXPECT_EQ(countingNextRank(g, 3), "Q");
}

TEST_F(CountingFixture, CountingGoesOnPastTheKing) {
  lay(1, {25});  // queen: by twos, an ace
  lay(2, {39});  // king: by threes, a three
  lay(3, {48});  // nine: by fours, K (13 stays a King)
  lay(0, {10});  // ten: by ones, a jack
  EXPECT_EQ(countingNextRank(g, 1), "A");
  EXPECT_EQ(countingNextRank(g, 2), "3");
  EXPECT_EQ(countingNextRank(g, 3), "K");
  EXPECT_EQ(countingNextRank(g, 0), "J");
}

TEST_F(CountingFixture, EmptyAndCompleteFoundationsShowNothing) {
  EXPECT_EQ(countingNextRank(g, 0), "");
  for (int c = 1; c <= 13; ++c) lay(0, {c});
  EXPECT_EQ(countingNextRank(g, 0), "");
  lay(1, {2});
  EXPECT_EQ(countingNextRank(g, 1), "4");
  EXPECT_EQ(countingNextRank(g, 4), "");
}

}  // namespace
}  // namespace kes
