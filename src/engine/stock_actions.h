#pragma once

#include <vector>

#include "action_run.h"

namespace kes {

// The stock actions: a tableau redeal or a waste turnover when the stock is
// empty (armed by the press, done by the release), then the turn of the
// game's number of cards onto the waste (or the second waste).
void stockAction(ActionRun& run, bool toWaste);

// The fixed reordering of collected tableau cards before a redeal.
std::vector<int> redealOrder(std::vector<int> collected);

}  // namespace kes
