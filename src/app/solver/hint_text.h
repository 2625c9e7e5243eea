#pragma once

#include <QString>
#include <vector>

#include "engine/game_state.h"
#include "solver/solver_move.h"

namespace kes {

// How a hint reads: "Hint: move the 7♥ onto tableau pile 3", "Hint: click
// the Q♠", "Hint: turn the stock".
QString hintText(const solver::SolverMove& move);

// The piles a hint flashes: where the card lies and where it goes.
std::vector<PileId> hintPiles(const GameState& game, const solver::SolverMove& move);

}  // namespace kes
