#pragma once

#include <string_view>

#include "engine/game_state.h"

namespace kes {

enum class PressButton { Left, Right, Middle };

// What a press on a card asks of the rest of the engine.
enum class PickUpOutcome {
  Lift,              // lift `card` alone
  LiftRun,           // lift `card` with the cards above it
  TurnFaceUp,        // turn the face-down top card up; nothing is held
  Show,              // right button: show the covered card whole
  StockPress,        // a press on the stock
  PairingSelection,  // the pairing games select instead of lifting
  SendToWaste,       // the card goes straight to the second waste
  StartRedeal,       // a press on the empty waste redeals the tableau
  Refuse,            // nothing happens but a beep
  Ignore,            // nothing happens, silently
};

struct PickUp {
  PickUpOutcome outcome = PickUpOutcome::Refuse;
  int card = 0;    // the card the outcome concerns
  int runTop = 0;  // top card of what is lifted (the card itself for one card)
};

// `card` is the card under the pointer (0 for none), `pile` the pile hit.
PickUp canPickUp(const GameState& state, int card, PileId pile, PressButton button);
// A press outside every pile is ignored.
PickUp canPickUp(const GameState& state, int card, std::string_view pileName, PressButton button);

// Whether a left press on `card`, which lies under the top of tableau pile
// `pile`, is refused because the cards on it are no run; a press on any card
// under it is then refused too, since its run holds the same broken pair.
// Lets a caller that asks about every card of a pile stop early.
bool refusedForBrokenRun(const GameState& state, int card, PileId pile);

}  // namespace kes
