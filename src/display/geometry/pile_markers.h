#pragma once

#include "engine/game_state.h"

namespace kes {

// Number of the marker picture an empty pile shows; 0 for none.
int emptyPileMarker(const GameState& game, PileId pile);

// The marker of a rank 1..13 (the group bases 81, 85 show the ace, 84 the
// king); 0 for a value that names no rank.
int rankMarker(int base);

}  // namespace kes
