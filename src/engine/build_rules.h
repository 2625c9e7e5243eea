#pragma once

#include "engine/game_state.h"

namespace kes {

// One question to the build rules: may `moving` go on `target`?
struct BuildQuery {
  int target = -1;              // top card of the destination; -1 for an empty pile
  int moving = 0;               // bottom card of what is moved
  int base = 0;                 // the destination's empty-pile base
  bool isDrop = true;           // a real drop, not a pair inside a lifted run
  int pileIndex = 0;            // the destination's index within its family
  bool wrap = false;            // building may turn the corner between Ace and King
  bool foundationMode = false;  // the destination is a foundation
  int code = 0;                 // build rule code
  int direction = 0;            // 0 down, 1 up, 2 either
  int foundationBaseRank = 0;   // the rank the foundations start with ("E")
};

bool canBuild(const GameState& state, const BuildQuery& query);

}  // namespace kes
