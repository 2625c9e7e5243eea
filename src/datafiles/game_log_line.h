#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kes {

// One finished game in STAT_LOG.DAT: a line of 147 characters with its
// fields at fixed columns (1-based): date 1-8, time of day 10-17, playing
// seconds 19-24, game number 26-29, game name 31-80, player 82-111, "Won  "
// or "Lost " 113-117, scoring system 118-119, score as text 121-126, deal
// number 128-142 and "0400" 144-147, with blanks between.
struct GameLogLine {
  std::string date;  // yyyymmdd
  std::string time;  // hh:nn:ss
  long long seconds = 0;
  int game = 0;
  std::string gameName;
  std::string player;
  bool won = false;
  std::string scoringSystem;
  std::string score;  // as the game showed it
  std::string dealNumber;

  std::string format() const;
  // The fields of a line as they stand (text without trailing blanks);
  // nothing for a line too short to hold them.
  static std::optional<GameLogLine> parse(std::string_view line);
};

inline constexpr std::size_t kGameLogLineLength = 147;
// 0-based columns the clearing and renaming look at.
inline constexpr std::size_t kLogGameColumn = 25;
inline constexpr std::size_t kLogPlayerColumn = 81;
inline constexpr std::size_t kLogPlayerWidth = 30;

// The game number of a log line; nothing when the field is not a number.
std::optional<int> logLineGame(std::string_view line);
// The player of a log line, without trailing blanks.
std::string logLinePlayer(std::string_view line);

}  // namespace kes
