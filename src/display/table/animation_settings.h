#pragma once

#include "display/geometry/layout_request.h"

namespace kes {

// How cards move on their own; the player's preferences set these.
struct AnimationSettings {
  bool cardsAnimate = true;     // moves made by the program fly to their place
  bool dealAnimation = true;    // the deal flies from the source pile
  bool redealAnimation = true;  // a waste turned back into the stock flies card by card
  int moveSpeed = 10;           // milliseconds per step of a flight; 0 = no delay
  int shadowSize = kShadowSize;  // how far a lifted or landing card is raised; 0 without shadows
  bool winningAnimation = true;
};

}  // namespace kes
