#pragma once

#include <functional>
#include <vector>

#include "game_state.h"

namespace kes {

// Whether foundation i takes card in the deal's foundation tests.
using FoundationTest = std::function<bool(const GameState&, int foundation, int card)>;

// The deal in progress: the game, what is left of the deal order, and the
// foundation test of the move rules.
struct DealContext {
  GameState& game;
  std::vector<int> order;
  FoundationTest accepts;

  Pile& pile(PileId id) { return game.table.pile(id); }
  int param(int entry) const { return game.params[entry]; }

  // Takes the first card of the deal order (0 when it is used up).
  int takeFirst();
  // Takes the first card of the given rank; 0 when there is none.
  int takeFirstOfRank(int rank);
  void removeFromOrder(int card);

  // count times: the first card of the deal order onto the pile, face down.
  void dealTo(PileId id, int count);
  // Card onto the pile face up, leaving the deal order if it is still there.
  void place(PileId id, int card);
  // Five points a card that the deal plays, in scoring system "01".
  void adjustScore(int cards);
  void resetScore();
  // The pile's faces after its cards are dealt: 0 none up, m >= 1 the top m
  // up, -1 / -2 alternating, -3 only the bottom card up.
  void applyFaceMode(PileId id, int mode);
  // Moves card to foundation f (or the first accepting one when f is -1).
  bool bringToFoundation(int card, int foundation);
};

}  // namespace kes
