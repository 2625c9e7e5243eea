#include "app/command_states.h"

#include "engine/history_steps.h"

namespace kes {

CommandStates commandStatesOf(const GameState& game, bool gameSelected) {
  CommandStates s;
  s.gameCommands = gameSelected && game.params.loaded();
  if (!s.gameCommands) return s;
  // A won or abandoned game stays on the table, but it is over.
  s.inProgress = game.inProgress;
  s.undo = canUndo(game);
  s.redo = canRedo(game);
  s.autoplay = game.params[Param::AutoplayAvailable] != 0;
  return s;
}

}  // namespace kes
