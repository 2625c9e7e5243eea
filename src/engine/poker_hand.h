#pragma once

#include <array>
#include <string>

namespace kes {

struct PokerHand {
  int points = 0;
  std::string name;  // empty for a hand that scores nothing
};

// The value of five cards (card codes) as a poker hand. Flushes and
// straights are looked at before rank groups; five of a rank scores nothing.
PokerHand pokerHandValue(const std::array<int, 5>& cards);

}  // namespace kes
