#include "app/help/custom_rules_comparison.h"

#include <charconv>

namespace kes {

namespace {

// Base game parameters: what it deals and allows, then what decides whether
// each rule may be customized.
enum Index : std::size_t {
  kCardsPerPress,   // 19
  kPasses,          // 13
  kTableauBase,     // 100
  kRowDeal1,        // 204
  kRowDeal2,        // 205
  kStockShown,      // 7
  kWasteUsed,       // 8
  kSecondWaste,     // 264
  kStockRowPiles,   // 260
  kPairing,         // 30
  kTableauBuild,    // 152
  kOfferCards,      // 337
  kOfferRedeals,    // 338
  kOfferTableau,    // 339
  kCount
};

constexpr std::array<int, kCount> kParameters{19, 13, 100, 204, 205, 7, 8, 264, 260, 30, 152, 337, 338, 339};

constexpr const char* kNotOffered = "-";

bool offered(int setting, bool condition) { return setting == 1 || (setting != 0 && condition); }

std::optional<int> numberIn(std::string_view text) {
  int value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

std::string redealsText(int code) {
  if (code == -1) return "Unlimited";
  if (code == 0) return "0";
  return std::to_string(code - 1);
}

std::string customTableauText(std::string_view code) {
  if (code == "1") return "King only";
  if (code == "2") return "Any card";
  if (code == "3") return "None";
  return "";
}

std::string baseTableauText(int base) {
  if (base == 13 || base == 91) return "King only";
  if (base == -1) return "Any card";
  if (base == 0) return "None";
  return "";
}

std::string numberText(std::optional<int> value) { return value ? std::to_string(*value) : ""; }

}  // namespace

std::span<const int> comparisonParameters() { return kParameters; }

RuleComparison compareCustomRules(std::string_view ruleString, std::span<const int> values) {
  auto v = [&](Index i) { return i < values.size() ? values[i] : 0; };
  const bool general = v(kRowDeal1) == 0 && v(kRowDeal2) == 0 && v(kStockShown) != 0 &&
                       (v(kWasteUsed) != 0 || v(kSecondWaste) != 0) && v(kStockRowPiles) != 0;
  const bool tableauCondition = v(kPairing) == 0 && v(kTableauBuild) != 4;
  const std::string rule(ruleString);
  const auto field = [&](std::size_t at, std::size_t length) {
    return at < rule.size() ? std::string_view(rule).substr(at, length) : std::string_view();
  };
  const std::optional<int> cards = numberIn(field(0, 3));
  const std::optional<int> redeals = numberIn(field(3, 3));

  RuleComparison result{{{{"Cards dealt:", numberText(cards), std::to_string(v(kCardsPerPress))},
                          {"Redeals:", redeals ? redealsText(*redeals) : "", redealsText(v(kPasses))},
                          {"Tableau spaces:", customTableauText(field(6, 1)), baseTableauText(v(kTableauBase))}}}};
  const std::array<bool, 3> isOffered{offered(v(kOfferCards), general), offered(v(kOfferRedeals), general),
                                      offered(v(kOfferTableau), tableauCondition)};
  for (std::size_t row = 0; row < result.rows.size(); ++row) {
    if (isOffered[row]) continue;
    result.rows[row].custom = kNotOffered;
    result.rows[row].base = kNotOffered;
  }
  return result;
}

}  // namespace kes
