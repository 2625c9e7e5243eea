#pragma once

#include "engine/game_state.h"

namespace kes {

// Whether the cards from `card` to the top of tableau pile i may move
// together: every adjacent pair must follow the pile's build rule (or, by
// the game's run check, the same suit in the pile's direction). A single
// card is always a valid run; a card that is not in the pile is none.
bool isValidRun(const GameState& state, int card, int tableauIndex);

struct RunLengthCheck {
  bool allowed = false;
  int runTop = 0;  // top card of the run headed by `card`; 0 when it lies nowhere
};

// Whether the run headed by `card` is short enough for the game's limit on
// cards moved together, which counts the empty tableau piles and reserves.
// destinationPile names the empty tableau pile the run goes to, when known.
RunLengthCheck checkRunLength(const GameState& state, int card, bool destinationIsEmptyTableau, int destinationPile = -1);

// The same for a card known to lie in `pile`, without looking for it.
RunLengthCheck checkRunLengthIn(const GameState& state, PileId pile, int card, bool destinationIsEmptyTableau,
                                int destinationPile = -1);

// The same, recording the run's top card as the dragged run top.
bool runLengthAllowed(GameState& state, int card, bool destinationIsEmptyTableau);

}  // namespace kes
