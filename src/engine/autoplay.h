#pragma once

#include "engine_events.h"
#include "game_state.h"

namespace kes {

// Plays a face-up card to the first foundation on the table that takes it,
// and with alsoReserves (a double click) else to the first reserve.
bool sendToFoundation(GameState& game, EngineEvents& events, int card, bool autoplay, bool alsoReserves);

// Rounds of plays to the foundations from the reserves, the waste and the
// tableau until a round moves nothing. There is no safety rule: whatever a
// foundation accepts is played. Returns whether a card moved.
bool autoplayPass(GameState& game, EngineEvents& events);

// Fills the empty tableau piles from the game's fill source, each fill undone
// with the move before it. Returns whether a pile was empty.
bool autoFillEmptyTableau(GameState& game, EngineEvents& events);

// After every release: automatic filling, then, while autoplay is on,
// passes and fills as long as cards move.
void runReleaseAutomatics(GameState& game, EngineEvents& events);

}  // namespace kes
