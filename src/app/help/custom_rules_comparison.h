#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kes {

// The three rules of a custom game beside those of its base game, as the
// rules dialog of a custom game shows them. A rule the base game does not
// offer shows "-" in both columns.
struct RuleComparison {
  struct Row {
    const char* label;
    std::string custom;
    std::string base;
  };
  std::array<Row, 3> rows;  // "Cards dealt:", "Redeals:", "Tableau spaces:"
};

// The catalogue parameters of the base game the comparison reads, in the
// order comparisonParameters() lists them.
std::span<const int> comparisonParameters();

// values holds the base game's parameters in the order above.
RuleComparison compareCustomRules(std::string_view ruleString, std::span<const int> values);

}  // namespace kes
