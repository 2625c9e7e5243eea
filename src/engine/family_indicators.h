#pragma once

#include <string>

#include "game_state.h"

namespace kes {

// The foundations of the counting family whose next rank is shown.
inline constexpr int kCountingFoundations = 4;

// The rank foundation `foundation` (0-3) of the counting family needs next,
// "A", "2" ... "10", "J", "Q", "K"; empty while the foundation is empty or
// complete.
std::string countingNextRank(const GameState& game, int foundation);

}  // namespace kes
