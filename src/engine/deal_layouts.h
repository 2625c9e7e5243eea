#pragma once

#include "deal_context.h"

namespace kes {

// The arrangements some games make after the cards are dealt: aces brought
// up from the reserve and the waste, the foundation scans, kings moved to the
// bottom of their piles, and the special layouts.
void applySpecialLayouts(DealContext& deal);

// Offers the tableau cards to the foundations by the rule of the code of
// foundation 0 (93 every foundation, 94 the pile's own, 95 kings and aces).
void foundationScan(DealContext& deal, int code);

}  // namespace kes
