#pragma once

#include <vector>

#include "engine/game_params.h"
#include "solver/solver.h"

namespace kes::cli {

// Solves deals first..last of a game, jobs of them at a time; each worker
// has its own position and table. The results are in deal order.
std::vector<solver::SolveResult> solveDeals(const GameParams& params, long long first, long long last, int jobs,
                                            const solver::SolveOptions& options);

}  // namespace kes::cli
