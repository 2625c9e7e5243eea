#pragma once

#include "game_state.h"

namespace kes {

// Foundation base codes that describe a group of foundations rather than a rank.
namespace Base {
inline constexpr int kAny = -1;
inline constexpr int kNone = 0;
inline constexpr int kAceBalanced = 81;
inline constexpr int kRunRemovalByPileRule = 82;
inline constexpr int kRunRemovalInSuit = 83;
inline constexpr int kKingBalancedDistinct = 84;
inline constexpr int kAceBalancedDistinct = 85;
inline constexpr int kSingleCard = 86;
inline constexpr int kFromStockFamily = 87;
inline constexpr int kBelowFoundation = 91;
inline constexpr int kFirstRankStarted = 92;
}  // namespace Base

// The group test of a base code: the moving card must have the group's rank
// (an ace for 81 and 85, a king for 84), and among the first cards of all
// foundations sharing that base, with the moving card, neither colour may
// exceed half their number; 84 and 85 also allow no suit twice.
bool groupTestAccepts(const GameState& game, int base, int moving);

}  // namespace kes
