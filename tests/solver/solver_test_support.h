#pragma once

#include <string>

#include "engine/deal_generator.h"
#include "engine/game_params.h"
#include "solver/solver.h"

namespace kes::solver {

// The parameters of a catalogue game from the built GAMES.DAT.
GameParams catalogueGame(int game);

// Replays the moves through the command driver as "kestrova-cli play GAME
// NUMBER --pref AutoPlay=N" would; returns "" when every line answered "ok"
// and the game ended won, else what went wrong.
std::string replayFailure(int game, long long deal, const SolveResult& result);

}  // namespace kes::solver
