#include "engine/card.h"
#include "engine/card_table.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

TEST(Card, SecondPackMirrorsFirstPack) {
  for (int code = 1; code <= 52; ++code) {
    EXPECT_EQ(cardRank(code + 52), cardRank(code)) << code;
    EXPECT_EQ(suitIndex(code + 52), suitIndex(code)) << code;
    EXPECT_EQ(isRed(code + 52), isRed(code)) << code;
  }
  EXPECT_EQ(cardRank(53), 1);
  EXPECT_EQ(suitIndex(53), 0);
  EXPECT_EQ(cardRank(104), 13);
  EXPECT_EQ(suitIndex(104), 3);
}

TEST(Card, RankSuitAndColourAtSuitBoundaries) {
  struct Case { int code, rank, suit; bool red; };
  const Case cases[] = {{1, 1, 0, true},   {13, 13, 0, true},  {14, 1, 1, true},  {26, 13, 1, true},
                        {27, 1, 2, false}, {39, 13, 2, false}, {40, 1, 3, false}, {52, 13, 3, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(cardRank(c.code), c.rank) << c.code;
    EXPECT_EQ(suitIndex(c.code), c.suit) << c.code;
    EXPECT_EQ(isRed(c.code), c.red) << c.code;
  }
}

TEST(Card, ValuesOutsideThePackAreNoCard) {
  for (int code : {0, -1, 105, 200}) {
    EXPECT_EQ(cardRank(code), -1) << code;
    EXPECT_EQ(suitIndex(code), -1) << code;
    EXPECT_FALSE(isRed(code)) << code;
  }
}

TEST(Card, CourtCardsAndRankWrap) {
  EXPECT_TRUE(isCourtCard(11));
  EXPECT_TRUE(isCourtCard(52 + 26));
  EXPECT_FALSE(isCourtCard(10));
  EXPECT_FALSE(isCourtCard(14));
  EXPECT_EQ(rankBelow(1), 13);
  EXPECT_EQ(rankBelow(7), 6);
  EXPECT_EQ(rankAbove(13), 1);
  EXPECT_EQ(rankAbove(7), 8);
  EXPECT_EQ(rankLabel(1), "A");
  EXPECT_EQ(rankLabel(10), "10");
  EXPECT_EQ(rankLabel(12), "Q");
}

TEST(Card, CodeTextIsThreeDigits) {
  EXPECT_EQ(cardCodeText(0), "000");
  EXPECT_EQ(cardCodeText(7), "007");
  EXPECT_EQ(cardCodeText(104), "104");
  EXPECT_EQ(parseCardCode("042"), 42);
  EXPECT_EQ(parseCardCode("4a2"), -1);
}

TEST(CardTable, EntriesFollowTheFixedLayout) {
  const CardTable table;
  EXPECT_EQ(table.entry(1), "CUORI_A        10011");
  EXPECT_EQ(table.entry(2), "CUORI_02       10021");
  EXPECT_EQ(table.entry(13), "CUORI_K        10131");
  EXPECT_EQ(table.entry(14), "QUADR_A        20141");
  EXPECT_EQ(table.entry(52), "PICCH_K        40521");
  EXPECT_EQ(table.entry(53), "CUORI_A        10531");
  EXPECT_EQ(table.entry(104), "PICCH_K        41041");
  for (int code = 1; code <= 104; ++code) EXPECT_EQ(table.entry(code).size(), 20u);
}

TEST(CardTable, FaceFlagChangesOnlyTheLastCharacter) {
  CardTable table;
  table.setFaceUp(40, false);
  EXPECT_EQ(table.entry(40), "PICCH_A        40400");
  EXPECT_FALSE(table.isFaceUp(40));
  EXPECT_TRUE(table.isFaceUp(41));
  table.setAllFaceUp();
  EXPECT_TRUE(table.isFaceUp(40));
}

}  // namespace
}  // namespace kes
