#pragma once

#include <string>
#include <vector>

#include "catalogue_compiler/game_source.h"

namespace kes::help {

// One line of a rules page's summary table.
struct GameFact {
  std::string label;
  std::string value;
};

// The summary of a game drawn from its parameters: the packs, the stock and
// its redeals, the tableau spaces, the foundations and cells, and how the
// game is rated. Only what the game has is listed.
std::vector<GameFact> gameFacts(const catalogue::GameSource& game);

// How the game is won, in one sentence, following the engine's end test for
// the game's family.
std::string howToWin(const catalogue::GameSource& game);

}  // namespace kes::help
