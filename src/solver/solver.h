#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/game_params.h"
#include "engine/game_state.h"
#include "solver_move.h"

namespace kes::solver {

class Position;

// What a search may spend; any limit reached gives `unknown`.
struct Budget {
  std::int64_t maxMs = 10000;
  std::int64_t maxStates = 5000000;
  std::int64_t maxMb = 256;
};

struct SolveOptions {
  Budget budget;
  // Take provably safe foundation moves without branching.
  bool safeMoves = true;
  // Branch on plays of the cards the stock will bring to the waste rather
  // than on single presses (see searchMoves).
  bool stockPlays = true;
  // The positions the first searches may meet before the search starts
  // again from scratch in another order; after `shortSearches` of them each
  // is allowed three times as many as the one before, while no search has
  // won or run to its end (see solver.cpp); 0 searches once.
  std::int64_t firstSearchCap = 500;
  int shortSearches = 6;
  // Set by another thread to stop the search at once (it ends `unknown`);
  // the window cancels a search the player's next move made pointless.
  const std::atomic<bool>* cancel = nullptr;
};

enum class Verdict { Won, Lost, Unknown };

struct SolveResult {
  Verdict verdict = Verdict::Unknown;
  std::string reason;
  std::vector<SolverMove> moves;  // the winning line, for Won
  // Without a win: the line to the most advanced position the search met
  // (by the score that orders its moves), and that score; a demo of a game
  // the solver cannot win shows this line.
  std::vector<SolverMove> bestMoves;
  int bestScore = 0;
  std::int64_t states = 0;        // positions expanded
  std::int64_t ms = 0;
};

// "won", "lost", "unknown".
const char* verdictWord(Verdict verdict);

// Searches the position as it stands (the position is left as it was).
// Depth first, children best first by a score of the table, every position
// met once (canonical keys in a transposition table), so that a search that
// runs to its end without a win has seen every position the deal can reach:
// a loss is declared only then. While no search has won or ended, it starts
// again from scratch in another fixed order, soon with a larger cap
// (restarts).
// The solver sees every card, the face-down ones included. Deterministic:
// no clock or address decides an order.
SolveResult solvePosition(Position& position, const SolveOptions& options);

// Searches a game in progress as the player sees it (autoplay off, the
// history reduced to what the rules read).
SolveResult solveState(const GameState& state, const SolveOptions& options);

// Deals the game and searches it.
SolveResult solveDeal(const GameParams& params, const std::string& dealNumber, const SolveOptions& options);

}  // namespace kes::solver
