#pragma once

#include "engine/card.h"

namespace kes {

// The move rules treat an empty destination as the card value -1. Such a
// value reads as rank -1, suit 0 (hearts) and red, so a rule that does not
// test for an empty pile compares against those.
inline constexpr int kEmptyTarget = -1;

inline bool isEmptyTarget(int value) { return value < 1; }
inline int ruleRank(int value) { return value < 1 ? -1 : cardRank(value); }
inline int ruleSuit(int value) { return value < 1 ? 0 : suitIndex(value); }
inline bool ruleIsRed(int value) { return value < 1 || isRed(value); }

inline constexpr int kAce = 1;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;

}  // namespace kes
