#pragma once

#include <optional>
#include <string>

#include "datafiles/statistics_files.h"

namespace kes {

// Zeroes the records and deletes the log lines of one game or all games
// (nothing), for one player or all players (nothing). All games and all
// players start STAT.DAT afresh and empty the log. Hi-scores and overall
// scores are left alone.
bool clearStatistics(const StatisticsFiles& files, std::optional<int> game, const std::optional<std::string>& player);

// Gives a player's records, log lines, hi-score entries and overall score
// the new name. Each file is replaced safely; "Player 1" never touches
// "Player 10".
bool renamePlayerInStatistics(const StatisticsFiles& files, const std::string& oldName, const std::string& newName);

}  // namespace kes
