#pragma once

#include "engine/game_state.h"
#include "solver_move.h"

namespace kes::solver {

// Whether the game's parameters allow the proof below at all.
bool gameAllowsSafeMoves(const GameParams& params);

// Whether playing the card to a foundation can never cost the win, so the
// search may take it without trying anything else. See safe_moves.cpp for
// the proof and the conditions it needs.
bool isSafeMove(const GameState& game, const SolverMove& move);

}  // namespace kes::solver
