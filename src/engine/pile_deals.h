#pragma once

#include "action_run.h"
#include "move_action.h"

namespace kes {

// Deals one stock card to each receiving tableau pile or reserve.
void dealToPiles(ActionRun& run, MoveAction action);
// One stock card to each empty tableau pile.
void refillEmptyTableau(ActionRun& run);
// Closes the gaps of the grid by moving the piles after them up, then fills
// the empty cells from the stock.
void closeGapsAndRefill(ActionRun& run);

}  // namespace kes
