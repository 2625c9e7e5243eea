#pragma once

#include "engine/game_state.h"

namespace kes {

// Which game commands the window offers for the state of the game: worked
// out again whenever the game changes, never on a clock tick.
struct CommandStates {
  bool gameCommands = false;  // a game is on the table: New, Restart, Save, Rules ...
  bool inProgress = false;    // "P&ause" and "&Quit game"
  bool undo = false;
  bool redo = false;
  bool autoplay = false;      // the game allows autoplay (entry 17)
};

// gameSelected: the record names a current game (not -1 after it was closed).
CommandStates commandStatesOf(const GameState& game, bool gameSelected);

}  // namespace kes
