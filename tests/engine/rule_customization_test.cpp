#include "engine/rule_customization.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

// A game with a plain stock and waste, whose rules may be changed when its
// switches leave it to the game's conditions (2).
GameParams stockAndWaste() {
  GameParams p;
  p[Param::StockShownAtStock] = 1;
  p[Param::WasteUsed] = 1;
  p[Param::StockRowPiles] = 2;
  p[Param::TableauCount] = 7;
  p[Param::CardsPerStockPress] = 1;
  p[Param::StockPasses] = -1;
  for (int i = 0; i < 26; ++i) p[Param::tableauEmptyBase(i)] = 13;
  p[Param::StockPressCustomizable] = 2;
  p[Param::RedealsCustomizable] = 2;
  p[Param::TableauSpacesCustomizable] = 2;
  return p;
}

TEST(OfferedRules, SwitchesAndConditionsDecide) {
  GameParams p = stockAndWaste();
  OfferedRules o = offeredRules(p);
  EXPECT_TRUE(o.cardsDealt && o.redeals && o.tableau);

  // A stock dealing onto the tableau rows is no plain stock.
  p[Param::tableauReceivesRow(1)] = 1;
  o = offeredRules(p);
  EXPECT_FALSE(o.cardsDealt || o.redeals);
  EXPECT_TRUE(o.tableau);
  // ... unless the switch says always.
  p[Param::RedealsCustomizable] = 1;
  EXPECT_TRUE(offeredRules(p).redeals);

  // A second waste stands in for the waste.
  GameParams second = stockAndWaste();
  second[Param::WasteUsed] = 0;
  EXPECT_FALSE(offeredRules(second).cardsDealt);
  second[Param::SecondWasteUsed] = 1;
  EXPECT_TRUE(offeredRules(second).cardsDealt);

  // Pairing games and pairing builds have no tableau rule to change.
  GameParams pairing = stockAndWaste();
  pairing[Param::PairingGame] = 1;
  EXPECT_FALSE(offeredRules(pairing).tableau);
  GameParams build = stockAndWaste();
  build[Param::tableauBuildRule(0)] = 4;
  EXPECT_FALSE(offeredRules(build).tableau);
  build[Param::TableauSpacesCustomizable] = 1;
  EXPECT_TRUE(offeredRules(build).tableau);

  GameParams never = stockAndWaste();
  never[Param::StockPressCustomizable] = 0;
  never[Param::TableauSpacesCustomizable] = 0;
  o = offeredRules(never);
  EXPECT_FALSE(o.cardsDealt || o.tableau);
  EXPECT_TRUE(o.redeals);
}

TEST(RuleChoice, TheLoadedGameShowsItsRules) {
  GameParams p = stockAndWaste();
  EXPECT_EQ(ruleChoiceOf(p, p), (RuleChoice{1, -1, TableauFill::King}));
  EXPECT_EQ(tableauFillOf(5, 91), TableauFill::King);  // the deal turned 91 into a rank
  EXPECT_EQ(tableauFillOf(91, -1), TableauFill::King);
  EXPECT_EQ(tableauFillOf(-1, -1), TableauFill::AnyCard);
  EXPECT_EQ(tableauFillOf(7, 7), TableauFill::AnyCard);
  EXPECT_EQ(tableauFillOf(0, 0), TableauFill::None);
}

TEST(RuleChoice, RulesNotOfferedAreStoredNeutral) {
  const RuleChoice shown{3, 4, TableauFill::None};
  EXPECT_EQ(storedChoice(shown, {true, true, true}), shown);
  EXPECT_EQ(storedChoice(shown, {false, false, false}), (RuleChoice{1, 1, TableauFill::Unchanged}));
}

TEST(RuleChoice, TextsOfRedealsAndDeals) {
  EXPECT_EQ(redealsText(-1), "Unlimited");
  EXPECT_EQ(redealsText(0), "0");
  EXPECT_EQ(redealsText(3), "2");
  EXPECT_EQ(redealsText(4), "3");
  EXPECT_EQ(totalDealsText(0), "(1 deal in all)");
  EXPECT_EQ(totalDealsText(3), "(4 deals in all)");
}

TEST(OfferedCustomRules, OnlyOfferedRulesReplaceTheGamesOwn) {
  GameParams p = stockAndWaste();
  applyOfferedCustomRules(p, "003004" "3");
  EXPECT_EQ(p[Param::CardsPerStockPress], 3);
  EXPECT_EQ(p[Param::StockPasses], 4);
  EXPECT_EQ(p[Param::tableauEmptyBase(6)], 0);

  // A game whose stock rules are not offered keeps its unlimited redeals and
  // three cards a press, whatever placeholders the record holds.
  GameParams fixed = stockAndWaste();
  fixed[Param::CardsPerStockPress] = 3;
  fixed[Param::StockPressCustomizable] = 0;
  fixed[Param::RedealsCustomizable] = 0;
  applyOfferedCustomRules(fixed, "001001" "2");
  EXPECT_EQ(fixed[Param::CardsPerStockPress], 3);
  EXPECT_EQ(fixed[Param::StockPasses], -1);
  EXPECT_EQ(fixed[Param::tableauEmptyBase(0)], -1);
}

}  // namespace
}  // namespace kes
