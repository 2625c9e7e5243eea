#pragma once

#include <string>

#include "catalogue_compiler/game_source.h"
#include "datafiles/catalogue_file.h"

namespace kes::catalogue {

// A game in the readable source form, every named key once, in entry order.
// The rules paragraph is printed when the game has one.
std::string printGameSource(const GameSource& game);

struct GameFromCatalogue {
  GameSource game;
  std::string error;
  bool ok() const { return error.empty(); }
};

// A game of a compiled catalogue, read back through the program's own reader.
GameFromCatalogue readCatalogueGame(const CatalogueText& catalogue, int number);

}  // namespace kes::catalogue
