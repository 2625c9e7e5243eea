#pragma once

#include <optional>
#include <string>
#include <vector>

#include "datafiles/game_log_line.h"
#include "datafiles/statistics_files.h"

namespace kes {

// STAT_LOG.DAT read whole, in the order the games were played; lines too
// short to hold a game are left out. A missing log holds no games; nothing
// when the file exists but cannot be read.
std::optional<std::vector<GameLogLine>> readGameLog(const StatisticsFiles& files);

// The games of one game name and one player (nothing: any), newest first.
std::vector<GameLogLine> filteredGameLog(const std::vector<GameLogLine>& log, const std::optional<std::string>& gameName,
                                         const std::optional<std::string>& player);

}  // namespace kes
