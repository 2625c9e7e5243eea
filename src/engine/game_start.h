#pragma once

#include <string>

#include "deal_context.h"

namespace kes {

// Makes a freshly loaded game current: its parameters, the bases a deal may
// change, and whether foundation 1 serves as the selection list.
void loadGame(GameState& game, const GameParams& params);

// Starts a new deal of the loaded game: empties the table and the history,
// restores the bases the previous deal changed, resets the per-deal counters
// and deals. Returns the deal generator's error text when the game cannot be
// dealt; the game is then not in progress.
std::string startDeal(GameState& game, const std::string& dealNumber, const FoundationTest& accepts);

}  // namespace kes
