#pragma once

#include "solver.h"

namespace kes::solver {

// A search that looks for a win, never proves a loss: depth by depth it
// keeps only the `width` best positions by the ordering score, each met
// once. Where the depth-first search sinks its budget into the subtree of
// one early mistake, the beam keeps several lines of play alive at once,
// which is what the long games with many movable cards (the spider games,
// the big two-pack games) need to be won at all. Deterministic.
struct BeamOptions {
  int width = 200;
  Budget budget;
  bool safeMoves = true;
};

// Won with the moves, or unknown with the most advanced line met.
SolveResult beamSearch(Position& position, const BeamOptions& options);

}  // namespace kes::solver
