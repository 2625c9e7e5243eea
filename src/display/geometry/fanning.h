#pragma once

#include "display/geometry/card_size.h"
#include "engine/game_params.h"
#include "engine/pile_id.h"

namespace kes {

// How the cards of a pile family are spread (GameParams entries 3, 4, 5).
namespace Fanning {
enum Kind : int {
  Down = 1,            // fanned downward, face-down cards closer
  Right = 2,           // fanned to the right, face-down cards closer
  Squared = 3,         // only the top card shows
  SideBySide = 4,      // to the right without overlap
  DownEven = 5,        // downward with one small step for every card
  RightNarrow = 6,     // to the right with a narrow step
  SquaredLowered = 7,  // squared, one step lower while it holds cards
  Grid = 8,            // tableau pile 1 holds a grid of small stacks
};
}  // namespace Fanning

// The fanning kind of a family; the stock family is always squared.
int fanningKind(const GameParams& params, PileFamily family);

// Distances between the cards of fanned piles, in pixels.
struct FanningSteps {
  int downFaceUp = 0;     // `StepDownFaceUp`
  int downFaceDown = 0;   // `StepDownFaceDown`
  int rightFaceUp = 0;    // `StepRightFaceUp`
  int rightFaceDown = 0;  // `StepRightFaceDown`
  int downUniform = 3;    // `StepDownUniform`
  int sideBySideGap = 6;  // `SideBySideGap`
  int rightNarrow = 0;    // `StepRightNarrow`

  bool operator==(const FanningSteps&) const = default;
};

// The steps of a new game (or a new card size): fanned foundations and
// reserves get steps only when the tableau is fanned the same way, and the
// narrow step is only set by a narrowly fanned tableau (it keeps its
// previous value otherwise).
FanningSteps fanningSteps(const CardSize& card, const GameParams& params, const FanningSteps& previous);

}  // namespace kes
