#pragma once

#include <vector>

#include "solver_move.h"

namespace kes::solver {

class Position;

// A shorter line to the same end: from each position of the line, the move
// that reaches the furthest later position of the line is taken, so detours
// of the depth-first search are cut out. The result is checked by playing
// it; when it does not end where the line did, the line is returned as it
// was. The position is left as it was.
std::vector<SolverMove> shortenLine(Position& position, const std::vector<SolverMove>& line);

}  // namespace kes::solver
