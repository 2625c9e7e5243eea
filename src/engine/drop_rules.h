#pragma once

#include <string_view>

#include "engine/game_state.h"

namespace kes {

// Acceptance tests for the card (or the run headed by it) being held. They
// read the piles, the parameters and the drag state and change nothing.
// Pile indices count from 0 within their family.
bool canDropOnFoundation(const GameState& state, int foundationIndex, int card);
bool canDropOnTableau(const GameState& state, int tableauIndex, int card);
bool canDropOnReserve(const GameState& state, int reserveIndex, int card);
// Building on the visible waste ("Stock02").
bool canDropOnWaste(const GameState& state, int card);

// The test of the pile named; piles that never take a drop refuse.
bool canDropOn(const GameState& state, PileId pile, int card);
bool canDropOn(const GameState& state, std::string_view pileName, int card);

}  // namespace kes
