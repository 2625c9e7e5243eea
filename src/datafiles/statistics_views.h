#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/config_record.h"
#include "datafiles/player_game_stats.h"
#include "datafiles/statistics_files.h"

namespace kes {

// What the statistics dialogs show, computed from the statistics files.

// Said when a statistics file exists but cannot be read; the file name follows.
inline constexpr std::string_view kOpenError = "Open error: ";

// The first number's share of both in percent, rounded half up; nothing
// when both are 0.
std::optional<int> wonPercent(long long first, long long second);

// The "Percent" cell of a table: the share and " %", or "0" without games.
std::string percentCell(long long first, long long second);

// A playing time as hours, ":", 2-digit minutes, ":", 2-digit seconds; the
// hours take at least hourDigits digits.
std::string playingTimeText(long long seconds, int hourDigits);

// STAT.DAT read in one pass: every game's players with their records.
class StatTable {
 public:
  void add(int game, std::string player, const PlayerGameStats& stats);
  // Zeros for a game or player without a record.
  PlayerGameStats find(int game, std::string_view player) const;

 private:
  std::map<int, std::map<std::string, PlayerGameStats, std::less<>>> games_;
};

// Nothing when the file exists but cannot be read (the caller says so); a
// missing file is an empty table.
std::optional<StatTable> readStatTable(const StatisticsFiles& files);

// The three kinds of values of the all-games table.
enum class StatValues { Total, CurrentSession, Series };

struct GameChoice {
  int number = -1;
  std::string name;
};

struct GameStatRow {
  std::string game;
  long long first = 0;
  long long second = 0;
  std::string percent;
};

// One row per game, or only the current game for the current session:
// games won and lost, the session's counters, or the longest streaks.
std::vector<GameStatRow> allGamesRows(const StatTable& table, const std::vector<GameChoice>& games,
                                      const std::string& player, StatValues kind, const ConfigRecord& config);

// The players of a game ranked by their won percentage or their average
// score (score total by games played, truncated; 0 without games).
enum class PlayerValue { WonPercent, AverageScore };

struct PlayerStanding {
  std::string player;
  long long value = 0;
};

// Best first; players of equal value keep the order they were given in.
std::vector<PlayerStanding> playerStandings(const StatTable& table, int game, const std::vector<std::string>& players,
                                            PlayerValue kind);

}  // namespace kes
