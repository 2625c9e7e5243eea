#pragma once

#include "action_run.h"

namespace kes {

// Removes the selected cards to the second waste, in the order chosen. In
// pyramids a removed card leaves a placeholder; in a row game the card goes
// with the placeholder before it.
void removeSelection(ActionRun& run);

}  // namespace kes
