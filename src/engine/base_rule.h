#pragma once

#include "engine/game_state.h"

namespace kes {

// Values of an empty-pile base (foundation bases and tableau empty-pile
// bases) beyond the plain ranks 1..13.
namespace BaseCode {
enum : int {
  AnyCard = -1,
  NoCard = 0,
  AceColourBalanced = 81,
  RunRemoval = 82,       // filled only by removing a complete run
  RunRemovalOther = 83,  // the same, for a second group of foundations
  KingBalancedDistinct = 84,
  AceBalancedDistinct = 85,
  SingleCardOnly = 86,
  FromStockOnly = 87,
  BelowFoundationBase = 91,  // the deal replaces it by a rank
  FoundationStartRank = 92,
};
}  // namespace BaseCode

// What an empty pile with this base accepts; foundationBaseRank is the
// rank the foundations start with (-1 lets most bases take any card).
bool baseRuleAccepts(const GameState& state, int base, int moving, int foundationBaseRank);

// The foundations that share base b must stay balanced: counting the first
// cards already on them and the moving card, neither colour may take more
// than half of them; bases 84 and 85 also allow each suit only once. The
// rank the base asks for (Ace for 81 and 85, King for 84) is part of it.
bool groupTestPasses(const GameState& state, int base, int moving);

// The rank one below a foundation base, King below Ace; a King when the
// base is not a rank (the "King" rule of an empty pile).
int rankBelowFoundationBase(int foundationBase);

}  // namespace kes
