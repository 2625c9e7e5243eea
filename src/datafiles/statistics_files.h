#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "datafiles/file_system_ops.h"
#include "datafiles/message_sink.h"

namespace kes {

// The moment a game ended (or a sample hi-score was made), as the files
// write it: "yyyymmdd" and "hh:nn:ss".
struct StampedTime {
  std::string date;
  std::string time;
};

inline constexpr std::string_view kStatFileName = "STAT.DAT";
inline constexpr std::string_view kLogFileName = "STAT_LOG.DAT";
inline constexpr std::string_view kScoreFileName = "STAT_SCR.DAT";
inline constexpr std::string_view kOverallFileName = "STAT_GLO.DAT";

// The four statistics files of one data folder and what writing them needs
// from outside: the clock, the random filler digits of the overall score and
// the pack size a game's sample hi-scores are made from. The window and the
// command-line tool fill these in; tests pass fixed ones.
struct StatisticsFiles {
  std::filesystem::path folder;  // the DATA folder
  MessageSink* messages = nullptr;
  FileSystemOps* fs = &realFileSystem();
  std::function<StampedTime()> now;
  std::function<int()> fillerDigit;          // 0 to 8
  std::function<int(int game)> cardsInGame;  // parameter 265; of the base game for a custom game

  std::filesystem::path stat() const { return folder / kStatFileName; }
  std::filesystem::path log() const { return folder / kLogFileName; }
  std::filesystem::path scores() const { return folder / kScoreFileName; }
  std::filesystem::path overall() const { return folder / kOverallFileName; }
};

// The section of a game in STAT.DAT and STAT_SCR.DAT: its number in 4 digits.
std::string gameSection(int game);

// Text cut or blank-padded to width characters.
std::string textField(std::string_view text, std::size_t width);
std::string withoutTrailingBlanks(std::string_view text);

// STAT.DAT and STAT_SCR.DAT start with "[Version]" "Version=0300".
inline constexpr std::string_view kStatisticsVersion = "0300";
std::string statisticsVersionSection();

// The local time now, as the files write it.
StampedTime localTimeNow();

}  // namespace kes
