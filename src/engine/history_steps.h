#pragma once

#include "engine_events.h"
#include "game_state.h"

namespace kes {

// One step back or forward through the history of the deal. A step that is
// not silent is refused with a beep when no game is in progress, there is
// nothing to step to, undo is disabled, or one-step undo was just used.
// Silent steps (demos) check nothing and report only the piles replaced.
bool undoMove(GameState& game, EngineEvents& events, bool silent = false);
bool redoMove(GameState& game, EngineEvents& events, bool silent = false);
// Whether an undo or redo that is not silent would be carried out now.
bool canUndo(const GameState& game);
bool canRedo(const GameState& game);

// Puts back the table as dealt (the oldest snapshot) and empties the history.
// The caller records the abandoned game and restarts the clock.
void rewindToDeal(GameState& game, EngineEvents& events);

// How many history steps of the undo log carry the stock-deal code.
int countDeals(const History& history);

}  // namespace kes
