#pragma once

#include <string>

#include "deal_context.h"

namespace kes {

// Deals the current game: generates the deal order for the deal number and
// distributes it over the piles as the game's parameters prescribe, with the
// opening score. The piles must be empty. Returns the generator's error text
// when the game's card count cannot be dealt (nothing is dealt then).
std::string dealInitial(GameState& game, const std::string& dealNumber, const FoundationTest& accepts);

// The steps after the deal order is known; exposed so tests can deal a
// chosen order.
void distributeDeal(DealContext& deal);

}  // namespace kes
