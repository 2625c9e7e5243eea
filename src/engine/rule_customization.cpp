#include "rule_customization.h"

#include "engine/custom_rules.h"

namespace kes {

namespace {

constexpr int kTableauSlots = 26;
constexpr int kKing = 13;
constexpr int kKingOrBelowBase = 91;
constexpr int kPairingBuild = 4;

// The stock is a plain stock dealing onto a waste: no row deals, a stock
// shown at its place, a waste of some kind and a stock row.
bool plainStockAndWaste(const GameParams& p) {
  return p[Param::tableauReceivesRow(0)] == 0 && p[Param::tableauReceivesRow(1)] == 0 &&
         p[Param::StockShownAtStock] != 0 && (p[Param::WasteUsed] != 0 || p[Param::SecondWasteUsed] != 0) &&
         p[Param::StockRowPiles] != 0;
}

// 0 never, 1 always, anything else when the game's condition holds.
bool offered(int switchValue, bool condition) { return switchValue == 1 || (switchValue != 0 && condition); }

}  // namespace

OfferedRules offeredRules(const GameParams& p) {
  const bool stock = plainStockAndWaste(p);
  const bool tableauCondition = p[Param::PairingGame] == 0 && p[Param::tableauBuildRule(0)] != kPairingBuild;
  return {offered(p[Param::StockPressCustomizable], stock), offered(p[Param::RedealsCustomizable], stock),
          offered(p[Param::TableauSpacesCustomizable], tableauCondition)};
}

void applyOfferedCustomRules(GameParams& params, std::string_view ruleString) {
  const OfferedRules offered = offeredRules(params);
  const GameParams before = params;
  applyCustomRules(params, ruleString);
  if (!offered.cardsDealt) params[Param::CardsPerStockPress] = before[Param::CardsPerStockPress];
  if (!offered.redeals) params[Param::StockPasses] = before[Param::StockPasses];
  if (!offered.tableau)
    for (int i = 0; i < kTableauSlots; ++i) params[Param::tableauEmptyBase(i)] = before[Param::tableauEmptyBase(i)];
}

TableauFill tableauFillOf(int loadedValue, int catalogueValue) {
  if (loadedValue == kKing || catalogueValue == kKingOrBelowBase || loadedValue == kKingOrBelowBase)
    return TableauFill::King;
  return loadedValue == 0 ? TableauFill::None : TableauFill::AnyCard;
}

RuleChoice ruleChoiceOf(const GameParams& loaded, const GameParams& catalogue) {
  return {loaded[Param::CardsPerStockPress], loaded[Param::StockPasses],
          tableauFillOf(loaded[Param::tableauEmptyBase(0)], catalogue[Param::tableauEmptyBase(0)])};
}

RuleChoice storedChoice(const RuleChoice& shown, const OfferedRules& offered) {
  return {offered.cardsDealt ? shown.cardsDealt : 1, offered.redeals ? shown.redealsCode : 1,
          offered.tableau ? shown.tableau : TableauFill::Unchanged};
}

std::string redealsText(int stockPasses) {
  if (stockPasses == -1) return "Unlimited";
  if (stockPasses == 0) return "0";
  return std::to_string(stockPasses - 1);
}

std::string totalDealsText(int redeals) {
  return redeals == 0 ? "(1 deal in all)" : "(" + std::to_string(redeals + 1) + " deals in all)";
}

}  // namespace kes
