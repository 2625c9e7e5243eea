// A deal number as typed: normalized, then dealt for a card count; every
// deal hands out each card at most once.
#include <vector>

#include "engine/deal_generator.h"
#include "fuzz_support.h"

namespace kes::fuzz {

void typedDealNumber(std::string_view data) {
  InputReader input(data);
  const int cards = static_cast<int>(input.byte()) - 20;
  const std::string_view typed = input.rest();
  const auto normalized = normalizeDealNumber(typed);
  if (normalized) {
    check(normalized->size() == static_cast<std::size_t>(kDealNumberDigits), "a deal number not of 13 digits");
    check(normalizeDealNumber(*normalized) == normalized, "normalizing twice changed the deal number");
  }
  const DealResult deal = generateDeal(normalized ? std::string_view(*normalized) : typed, cards);
  check(deal.ok() == isDealableCardCount(cards) || !normalized, "a dealable card count was refused");
  if (!deal.ok()) return;
  // A short pack is dealt from the codes of a whole one.
  const int highest = cards <= 52 ? 52 : 104;
  std::vector<int> seen(static_cast<std::size_t>(highest) + 1, 0);
  for (int code : deal.order) {
    check(code >= 0 && code <= highest, "card code " + std::to_string(code) + " in a pack of " + std::to_string(cards));
    if (code > 0) check(++seen[static_cast<std::size_t>(code)] == 1, "card " + std::to_string(code) + " dealt twice");
  }
}

}  // namespace kes::fuzz
