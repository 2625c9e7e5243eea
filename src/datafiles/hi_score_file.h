#pragma once

#include <optional>
#include <string>
#include <vector>

#include "datafiles/hi_score_entry.h"
#include "datafiles/statistics_files.h"

namespace kes {

// STAT_SCR.DAT: "[Version]", perhaps "[Clear scores]" "Cleared=Y", then one
// section per game with the keys scoring system + "-" + place (01 to 20).

inline constexpr std::string_view kClearScoresSection = "Clear scores";

// Asked before ClearHiScores.
inline constexpr std::string_view kClearHiScoresQuestion =
    "Are you sure you want to clear Hi-Scores\rand Overall score for all players and all games?";

bool ensureScoreFile(const StatisticsFiles& files);

// The 20 places of a game, as stored (85 characters each, empty ones too).
struct HiScoreTable {
  std::vector<std::string> entries;
  bool samplesMade = false;
};

// The 20 places of a game for a scoring system. A table that was never
// filled gets its sample entries first, written at once, unless the user
// has cleared the hi-scores.
HiScoreTable readHiScores(const StatisticsFiles& files, int game, const std::string& scoringSystem);
bool writeHiScores(const StatisticsFiles& files, int game, const std::string& scoringSystem,
                   const std::vector<std::string>& entries);
// Puts a result into its place (1-based): the first whose entry ranks
// below it. The entry pushed below place 20 drops out. Nothing when the
// result ranks below all 20.
std::optional<int> insertHiScore(std::vector<std::string>& entries, const HiScoreEntry& result);

// The sample entries of a game whose pack holds cardsInGame cards.
std::vector<std::string> sampleHiScores(long long cardsInGame, const StampedTime& now);

// Starts STAT_SCR.DAT again with no entries and the "Cleared" switch, and
// deletes STAT_GLO.DAT.
bool clearHiScores(const StatisticsFiles& files);
// Empties the 20 places of a game for a scoring system.
bool emptyHiScores(const StatisticsFiles& files, int game, const std::string& scoringSystem);

// Brings a STAT_SCR.DAT of a version before 0300 to the current layout.
// True when it was rewritten.
bool upgradeScoreFile(const StatisticsFiles& files);

}  // namespace kes
