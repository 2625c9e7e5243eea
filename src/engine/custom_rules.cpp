#include "custom_rules.h"

#include <algorithm>
#include <optional>

namespace kes {

namespace {

constexpr int kTableauSlots = 26;

// A field of the rule string as written by the padding routine: digits with
// an optional leading minus ("003", "-01").
std::optional<int> fieldNumber(std::string_view s) {
  if (s.empty()) return std::nullopt;
  const bool negative = s.front() == '-';
  if (negative) s.remove_prefix(1);
  if (s.empty() || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  int value = 0;
  for (char c : s) value = value * 10 + (c - '0');
  return negative ? -value : value;
}

std::optional<std::int16_t> emptyTableauBase(char rule) {
  switch (rule) {
    case '1': return std::int16_t{91};  // a King, or one rank below the foundation base
    case '2': return std::int16_t{-1};  // any card
    case '3': return std::int16_t{0};   // none
    default: return std::nullopt;
  }
}

}  // namespace

void applyCustomRules(GameParams& params, std::string_view ruleString) {
  const auto field = [&](std::size_t pos) {
    return pos + 3 <= ruleString.size() ? fieldNumber(ruleString.substr(pos, 3)) : std::nullopt;
  };
  if (const auto cards = field(0)) {
    params[Param::CardsPerStockPress] = static_cast<std::int16_t>(*cards);
    if (const auto passes = field(3)) params[Param::StockPasses] = static_cast<std::int16_t>(*passes);
  }
  if (ruleString.size() < 7) return;
  if (const auto base = emptyTableauBase(ruleString[6])) {
    const int piles = std::clamp<int>(params[Param::TableauCount], 0, kTableauSlots);
    for (int i = 0; i < piles; ++i) params[Param::tableauEmptyBase(i)] = *base;
  }
}

}  // namespace kes
