#pragma once

#include <string>

#include "cli/play_driver.h"
#include "engine/game_params.h"
#include "fuzz_support.h"

namespace kes::fuzz {

// Plays the commands the input chooses on the game the driver holds, up to
// a few hundred. With checks on, after every step each card lies on the
// table exactly once, an action is undone by one undo and redone by one
// redo, and a restart gives back the table it started from.
void playOn(cli::PlayDriver& d, InputReader& input, bool checks);

// The same on a game dealt afresh. False when it could not be dealt.
bool playFrom(const GameParams& params, const std::string& dealNumber, InputReader& input, bool checks);

}  // namespace kes::fuzz
