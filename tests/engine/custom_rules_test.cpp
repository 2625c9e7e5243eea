#include "engine/custom_rules.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

// A base game with 7 tableau piles in use and catalogue bases on all 26.
GameParams baseGame() {
  GameParams p;
  p[Param::CardsPerStockPress] = 1;
  p[Param::StockPasses] = 2;
  p[Param::TableauCount] = 7;
  for (int i = 0; i < 26; ++i) p[Param::tableauEmptyBase(i)] = 13;
  p[Param::foundationBase(0)] = 1;
  return p;
}

TEST(CustomRules, AllThreeRulesAreLaidOver) {
  GameParams p = baseGame();
  applyCustomRules(p, "003-012");
  EXPECT_EQ(p[Param::CardsPerStockPress], 3);
  EXPECT_EQ(p[Param::StockPasses], -1);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(p[Param::tableauEmptyBase(i)], -1) << i;
  // Piles beyond those in use keep the catalogue values.
  for (int i = 7; i < 26; ++i) EXPECT_EQ(p[Param::tableauEmptyBase(i)], 13) << i;
  EXPECT_EQ(p[Param::foundationBase(0)], 1);
}

TEST(CustomRules, TableauCodesMapToKingAnyAndNone) {
  for (const auto& [rule, base] : {std::pair{"0010011", 91}, std::pair{"0010012", -1}, std::pair{"0010013", 0}}) {
    GameParams p = baseGame();
    applyCustomRules(p, rule);
    EXPECT_EQ(p[Param::tableauEmptyBase(0)], base) << rule;
    EXPECT_EQ(p[Param::tableauEmptyBase(6)], base) << rule;
  }
  GameParams unchanged = baseGame();
  applyCustomRules(unchanged, "0010010");
  EXPECT_EQ(unchanged[Param::tableauEmptyBase(0)], 13);
}

TEST(CustomRules, ANonNumericFieldStopsBothNumericOverrides) {
  GameParams first = baseGame();
  applyCustomRules(first, "x03-012");
  EXPECT_EQ(first[Param::CardsPerStockPress], 1);
  EXPECT_EQ(first[Param::StockPasses], 2);
  EXPECT_EQ(first[Param::tableauEmptyBase(0)], -1);  // the tableau rule still applies

  GameParams second = baseGame();
  applyCustomRules(second, "0030x13");
  EXPECT_EQ(second[Param::CardsPerStockPress], 3);
  EXPECT_EQ(second[Param::StockPasses], 2);
  EXPECT_EQ(second[Param::tableauEmptyBase(0)], 0);
}

TEST(CustomRules, ShortOrOddStringsChangeOnlyWhatTheyHold) {
  GameParams p = baseGame();
  applyCustomRules(p, "004");
  EXPECT_EQ(p[Param::CardsPerStockPress], 4);
  EXPECT_EQ(p[Param::StockPasses], 2);
  EXPECT_EQ(p[Param::tableauEmptyBase(0)], 13);

  GameParams empty = baseGame();
  applyCustomRules(empty, "");
  EXPECT_EQ(empty[Param::CardsPerStockPress], 1);

  // A tableau count beyond the slots is clamped rather than written past them.
  GameParams wide = baseGame();
  wide[Param::TableauCount] = 40;
  applyCustomRules(wide, "0010013");
  EXPECT_EQ(wide[Param::tableauEmptyBase(25)], 0);
  EXPECT_EQ(wide[Param::tableauDirection(0)], 0);
}

TEST(SavedPileParams, RestoreBringsBackTheBasesADealChanged) {
  GameParams p = baseGame();
  p[Param::foundationBase(15)] = 81;
  p[Param::tableauEmptyBase(25)] = 91;
  p[Param::CardsPerStockPress] = 3;
  SavedPileParams saved;
  saved.save(p);
  // A deal that fixed the bases from its first card.
  for (int i = 0; i < 16; ++i) p[Param::foundationBase(i)] = 7;
  for (int i = 0; i < 26; ++i) p[Param::tableauEmptyBase(i)] = 6;
  p[Param::CardsPerStockPress] = 1;
  saved.restore(p);
  EXPECT_EQ(p[Param::foundationBase(0)], 1);
  EXPECT_EQ(p[Param::foundationBase(15)], 81);
  EXPECT_EQ(p[Param::tableauEmptyBase(0)], 13);
  EXPECT_EQ(p[Param::tableauEmptyBase(25)], 91);
  EXPECT_EQ(p[Param::CardsPerStockPress], 1);  // only the bases are restored
}

}  // namespace
}  // namespace kes
