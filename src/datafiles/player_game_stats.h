#pragma once

#include <string>
#include <string_view>

namespace kes {

// One player's record for one game in STAT.DAT: eight number fields of
// widths 6, 6, 6, 6, 6, 6, 12 and 12 separated by blanks (67 characters);
// the last is always zero.
struct PlayerGameStats {
  long long won = 0;
  long long lost = 0;
  long long longestWinningStreak = 0;
  long long longestLosingStreak = 0;
  long long currentWinningStreak = 0;
  long long currentLosingStreak = 0;
  long long scoreTotal = 0;

  // Fields that are not numbers read as 0 from the first bad one on.
  static PlayerGameStats parse(std::string_view value);
  std::string format() const;

  // One more finished game: the streaks follow, the score adds up (a lost
  // game's negative score too).
  void add(bool wonGame, long long score);

  bool operator==(const PlayerGameStats&) const = default;
};

inline constexpr std::size_t kPlayerGameStatsLength = 67;

}  // namespace kes
