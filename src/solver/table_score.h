#pragma once

#include <vector>

#include "engine/game_state.h"
#include "solver_move.h"

namespace kes::solver {

// The table as the ordering score reads it: each pile in use with its cards
// (face-down ones negated). A child's score is estimated by moving the run on
// this copy instead of playing the move through the engine, so a position
// costs one engine move per child actually visited, not one per child.
struct ScorePile {
  PileId id;
  bool played = false;  // a foundation (or the pairing games' discard)
  std::vector<int> cards;
};

struct ScoreTable {
  std::vector<ScorePile> piles;
  // The poker grid is judged by its hands, not by cards played off.
  bool pokerGrid = false;
};

// Refills the table in place: a search reads one per position it visits,
// and the piles' buffers are kept from one to the next.
void fillScoreTable(const GameState& g, ScoreTable& table);

// Ordering score, higher is better.
int tableScore(const ScoreTable& table);

// The score after a drag, estimated on the copy (left as it was).
int dragScore(ScoreTable& table, const SolverMove& move);

}  // namespace kes::solver
