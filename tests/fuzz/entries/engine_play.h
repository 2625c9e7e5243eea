#pragma once

#include <string>

#include "engine/game_params.h"
#include "fuzz_support.h"

namespace kes::fuzz {

// Plays the commands the input chooses on a dealt game. With checks on,
// after every step each card lies on the table exactly once, an action is
// undone by one undo and redone by one redo, and a restart gives back the
// table as dealt. False when the game could not be dealt.
bool playFrom(const GameParams& params, const std::string& dealNumber, InputReader& input, bool checks);

}  // namespace kes::fuzz
