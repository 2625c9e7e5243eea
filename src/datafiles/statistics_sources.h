#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "datafiles/catalogue_file.h"

namespace kes {

// What the statistics files need from the catalogue and the system, shared
// by the window and the command-line tool.

// The cards of a game's pack (parameter 265) for its sample hi-scores; a
// custom game takes its base game's. 52 when it cannot be read.
std::function<int(int game)> cardsInGameLookup(std::shared_ptr<const CatalogueText> catalogue,
                                               std::filesystem::path customGamesFile);

// Filler digits 0 to 8 from a generator seeded by the system.
std::function<int()> randomFillerDigits();

}  // namespace kes
