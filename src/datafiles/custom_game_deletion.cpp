#include "custom_game_deletion.h"

#include "datafiles/custom_games_file.h"
#include "datafiles/favourite_games.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/settings_file.h"
#include "datafiles/statistics_clearing.h"

namespace kes {

namespace {

constexpr const char* kScoringSystem = "01";

}  // namespace

bool deleteCustomGameFiles(const std::filesystem::path& customGamesFile, SettingsFile* settings,
                           const StatisticsFiles& statistics, int number, const std::string& name,
                           MessageSink& messages) {
  if (!deleteCustomGameRecord(customGamesFile, number, messages)) return false;
  bool ok = !settings || removeFavourite(*settings, name);
  ok = clearStatistics(statistics, number, std::nullopt) && ok;
  ok = emptyHiScores(statistics, number, kScoringSystem) && ok;
  return ok;
}

}  // namespace kes
