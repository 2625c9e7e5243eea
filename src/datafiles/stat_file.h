#pragma once

#include <optional>
#include <string>

#include "datafiles/config_record.h"
#include "datafiles/player_game_stats.h"
#include "datafiles/statistics_files.h"

namespace kes {

// STAT.DAT: "[Version]" "Version=0300", then one section per game (its
// number in 4 digits) with one key per player holding PlayerGameStats.
// Creates STAT.DAT with its version section when missing. False when it
// cannot (the user was told).
bool ensureStatFile(const StatisticsFiles& files);

// The player's record for the game; zeros when there is none.
PlayerGameStats readPlayerGameStats(const StatisticsFiles& files, int game, const std::string& player);
bool writePlayerGameStats(const StatisticsFiles& files, int game, const std::string& player,
                          const PlayerGameStats& stats);

// The games won and lost since the current game or player was chosen:
// the record's counters when game and player are the current ones, else 0.
struct SessionCounts {
  long long won = 0;
  long long lost = 0;
};
SessionCounts sessionCounts(const ConfigRecord& config, int game, const std::string& player);

// The games of STAT.DAT that have a section, in file order.
std::vector<int> gamesWithStatistics(const StatisticsFiles& files);

}  // namespace kes
