#pragma once

#include <filesystem>
#include <string>

#include "datafiles/message_sink.h"
#include "datafiles/statistics_files.h"

namespace kes {

class SettingsFile;

// The files' part of deleting a custom game: its record goes from the custom
// games file, its name from the favourites (the keys after it move down),
// and its statistics and its hi-scores of scoring system "01" are cleared.
// Nothing else is touched when the record cannot be removed. False when any
// step failed (the files say why through their messages).
bool deleteCustomGameFiles(const std::filesystem::path& customGamesFile, SettingsFile* settings,
                           const StatisticsFiles& statistics, int number, const std::string& name,
                           MessageSink& messages);

}  // namespace kes
