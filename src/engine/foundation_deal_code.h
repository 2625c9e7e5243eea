#pragma once

#include "deal_context.h"

namespace kes {

// Foundation deal codes with a meaning of their own; any other value v names
// card v + 13 * i (rank v of the i-th suit sequence).
namespace FoundationDeal {
inline constexpr int kNone = 0;
inline constexpr int kFirstCard = 20;
inline constexpr int kFirstOtherSuit = 21;
inline constexpr int kFirstOfRankLow = 51;   // 51..63: the first card of rank v - 50
inline constexpr int kFirstOfRankHigh = 63;
inline constexpr int kFirstPlusSuitStep = 91;
inline constexpr int kSameBaseAsFirst = 92;
inline constexpr int kAceScanAll = 93;        // ace of the i-th sequence; the scan offers to every foundation
inline constexpr int kAceScanOwnPile = 94;    // ... offers each card to the foundation of its pile's index
inline constexpr int kKingsThenAces = 95;
inline constexpr int kAcesFromTableau = 96;
inline constexpr int kExplicitCard = 100;     // 100 and above: card v - 100
}  // namespace FoundationDeal

// The card that the code of foundation i puts there at the deal, or 0 for none.
// Code 92 copies the base of foundation 0 instead of naming a card.
int foundationDealCard(DealContext& deal, int foundation);

}  // namespace kes
