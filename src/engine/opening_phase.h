#pragma once

#include "engine/game_state.h"

namespace kes {

// In games with an opening phase, nothing moves before the first action
// except tableau cards going to a foundation.
bool openingPhaseAllows(const GameState& state, int card, PileId target);

}  // namespace kes
