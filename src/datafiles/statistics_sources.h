#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "datafiles/catalogue_file.h"
#include "datafiles/data_dirs.h"
#include "datafiles/statistics_files.h"

namespace kes {

// What the statistics files need from the catalogue and the system, shared
// by the window and the command-line tool.

// The cards of a game's pack (parameter 265) for its sample hi-scores; a
// custom game takes its base game's. 52 when it cannot be read.
std::function<int(int game)> cardsInGameLookup(std::shared_ptr<const CatalogueText> catalogue,
                                               std::filesystem::path customGamesFile);

// Filler digits 0 to 8 from a generator seeded by the system.
std::function<int()> randomFillerDigits();

// The statistics files of the data folder, with the real clock and filler
// digits, and pack sizes from the catalogue (when one could be read).
StatisticsFiles statisticsFilesOf(const DataDirs& dirs, MessageSink& messages,
                                  std::shared_ptr<const CatalogueText> catalogue);

}  // namespace kes
