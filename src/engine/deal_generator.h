#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

inline constexpr const char* kDealCardCountError = "Error 01 - fnGameNumberCardsArray";
inline constexpr int kDealNumberDigits = 13;

// The deal order for one game number: the card codes in the order the initial
// deal hands them out, 0 for a slot that stays empty. The same number and
// card count always give the same order, on every machine.
struct DealResult {
  std::vector<int> order;
  std::string error;  // set when the card count is not one the generator handles
  bool ok() const { return error.empty(); }
};

// True for the card counts the generator handles: 1..52 and 104.
bool isDealableCardCount(int cardCount);

// The game number as exactly 13 digits: zero-padded on the left, trailing
// spaces dropped, a longer text keeping its last 13 characters. Nothing when
// what remains is not all digits.
std::optional<std::string> normalizeDealNumber(std::string_view dealNumber);

DealResult generateDeal(std::string_view dealNumber, int cardCount);

}  // namespace kes
