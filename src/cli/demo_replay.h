#pragma once

#include <string>

#include "cli/demo_moves.h"
#include "cli/play_driver.h"
#include "engine/game_params.h"

namespace kes::cli {

// Deals the list's deal and plays its moves through the command driver, as
// the solver played them (autoplay off). Every move must be carried out,
// and the game must end as the list says: won, or still lost. Returns the
// reason when it does not (empty when the list replays); the driver keeps
// the game as the moves left it, history included.
std::string replayDemoMoves(const GameParams& params, const DemoMoves& demo, PlayDriver& driver);

}  // namespace kes::cli
