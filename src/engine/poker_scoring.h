#pragma once

#include "engine_events.h"
#include "game_state.h"

namespace kes {

// Scores the poker grid (25 tableau piles, rows of five) after a card was
// placed: every full row and column counts as a poker hand. The new hands,
// those holding the last card placed, are announced one by one with their
// points and the running total. Returns the total, which becomes the score.
int scorePokerGrid(GameState& game, int lastCard, EngineEvents& events);

// The points of every full row and column of the grid as it lies, without
// announcing anything: the score after an undo, a redo or a restart.
int pokerGridTotal(const GameState& game);

}  // namespace kes
