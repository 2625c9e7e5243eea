#pragma once

#include <array>
#include <vector>

#include "engine/game_state.h"
#include "solver_move.h"

namespace kes::solver {

// What one pile adds to the score, and each suit's lowest card in it (the
// first from the bottom) with the cards above it: the piles' parts add up
// to the score, so a move is scored by summing again over the two piles it
// changes instead of reading every card of the table.
struct PileSummary {
  static constexpr int kSuits = 4;
  static constexpr int kNone = 99;
  int score = 0;
  std::array<int, kSuits> lowest{kNone, kNone, kNone, kNone};
  std::array<int, kSuits> depth{};
};

// The table as the ordering score reads it: each pile in use with its cards
// (face-down ones negated). A child's score is estimated by moving the run on
// this copy instead of playing the move through the engine, so a position
// costs one engine move per child actually visited, not one per child.
struct ScorePile {
  PileId id;
  bool played = false;  // a foundation (or the pairing games' discard)
  std::vector<int> cards;
  PileSummary summary;  // kept up to date with the cards
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
