#pragma once

#include <vector>

#include "engine_events.h"
#include "move_action.h"
#include "game_state.h"

namespace kes {

// The move the executor makes for cards dropped on a pile.
MoveAction dropAction(PileId target, bool autoplay);

// Offers the held card (drag.draggedCard) to the candidate piles in order,
// best first, and moves it onto the first that accepts it. In the opening
// phase only tableau cards may move, and only to the foundations.
bool dropCard(GameState& game, EngineEvents& events, const std::vector<PileId>& candidates, bool autoplay = false);

// Holds card as if lifted alone from where it lies, for moves made without
// the pointer (double click, autoplay).
void holdSingleCard(GameState& game, int card);
void releaseHeld(GameState& game);

}  // namespace kes
