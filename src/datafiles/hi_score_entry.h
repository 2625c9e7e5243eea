#pragma once

#include <string>
#include <string_view>

namespace kes {

// One place of a hi-score table in STAT_SCR.DAT, 85 characters: score 1-6,
// playing seconds 8-13, date 15-22, time of day 24-31, player 33-62, deal
// number 64-78, "Won " or "Lost" 80-83 and "x" at 85. An empty place is 84
// blanks and "x".
struct HiScoreEntry {
  long long score = 0;
  long long seconds = 0;
  std::string date;
  std::string time;
  std::string player;
  std::string dealNumber;
  bool won = true;

  std::string format() const;
};

inline constexpr std::size_t kHiScoreEntryLength = 85;
inline constexpr int kHiScorePlaces = 20;
// What a blank place counts as when a new result looks for its place.
inline constexpr long long kBlankScore = -999999;
inline constexpr long long kBlankSeconds = 999999;

std::string emptyHiScoreEntry();
// Blank (or missing) in its score field.
bool isBlankEntry(std::string_view entry);
// Score and seconds of a stored entry; a blank one counts as the lowest
// score and the longest time.
long long entryScore(std::string_view entry);
long long entrySeconds(std::string_view entry);
// The player of a stored entry, without trailing blanks.
std::string entryPlayer(std::string_view entry);
// Cut or padded to 83 characters and closed with " x", as the entries are written.
std::string storedEntry(std::string_view entry);
// Whether a result belongs above a stored entry: a higher score, or the same
// score in less time.
bool ranksAbove(long long score, long long seconds, std::string_view entry);

}  // namespace kes
