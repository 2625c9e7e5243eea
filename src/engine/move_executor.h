#pragma once

#include <string_view>

#include "engine_events.h"
#include "game_state.h"
#include "move_action.h"

namespace kes {

// The single place where piles change during play. Pushes the undo snapshot
// before the first change, carries the action out, then updates the score,
// turns exposed tableau cards up, clears the redo history and counts the
// move. Returns whether anything changed.
bool executeMove(GameState& game, EngineEvents& events, int card, MoveAction action);
bool executeMove(GameState& game, EngineEvents& events, int card, std::string_view actionName);

// A left press on the stock's place: deals, turns the waste over, redeals
// the tableau or deals to the tableau and reserves, as the game has it.
void stockPress(GameState& game, EngineEvents& events);
// Whether a press on the stock selects its top card for pairing instead
// (Pyramid, while a card is selected); the caller judges that selection.
bool stockPressSelects(const GameState& game);

// Whether another pass through the stock is allowed.
bool redealAllowed(const GameState& game);

}  // namespace kes
