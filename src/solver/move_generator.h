#pragma once

#include <vector>

#include "engine/game_state.h"
#include "solver_move.h"

namespace kes::solver {

// The moves worth trying in a state, asked of the engine's own tests: every
// card the pick-up rules let the player lift, onto every pile the drop
// rules accept it on; every press the pick-up rules answer with a turn, a
// pairing selection or a discard; the stock when a press on it deals, turns
// the waste over or redeals. The drag state is set while the drop rules are
// asked and put back after. Candidates are confirmed by playing them
// (Position::apply), so a test that says yes to a move the executor then
// refuses costs time, never soundness.
std::vector<SolverMove> candidateMoves(GameState& game);

class Position;
// The candidates a search branches on: of the drops onto empty piles that
// are alike only the first, and only a provably safe move when there is one
// (with safeMoves); where the stock turns cards onto a waste, the plays of
// the cards it will bring to the waste's top (moves with presses), in place
// of single presses where those add nothing (with stockPlays).
std::vector<SolverMove> searchMoves(Position& position, bool safeMoves, bool stockPlays);

// Whether the candidates cover every action the player has in this game.
// A press on the empty waste that starts a tableau redeal cannot be named
// in the command language (it names cards), so such games are searched but
// never declared lost.
bool movesComplete(const GameParams& params);

// The candidates the engine carries out from the position (which is left
// as it was).
std::vector<SolverMove> legalMoves(Position& position);

}  // namespace kes::solver
