#pragma once

#include "cli/cli_context.h"

namespace kes::cli {

// "layout GAME --size WIDTHxHEIGHT --cards B|M|L": the place of every pile
// the layout puts on the table, for deal number 1 of the game.
int runLayout(CliContext& ctx);

// "hit GAME --size WIDTHxHEIGHT --cards B|M|L X Y": the pile and card under
// a point of that table, or "none".
int runHit(CliContext& ctx);

}  // namespace kes::cli
