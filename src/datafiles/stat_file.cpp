#include "stat_file.h"

#include <system_error>

#include "datafiles/pad.h"
#include "datafiles/safe_replace.h"
#include "datafiles/section_file.h"
#include "datafiles/whole_number.h"

namespace kes {

bool ensureStatFile(const StatisticsFiles& files) {
  std::error_code ec;
  if (std::filesystem::exists(files.stat(), ec)) return true;
  std::filesystem::create_directories(files.folder, ec);
  return replaceFileContents(files.stat(), statisticsVersionSection(), *files.messages, *files.fs);
}

PlayerGameStats readPlayerGameStats(const StatisticsFiles& files, int game, const std::string& player) {
  const SectionFile file(files.stat(), *files.messages, *files.fs);
  const auto value = file.readValue(gameSection(game), player);
  return value ? PlayerGameStats::parse(*value) : PlayerGameStats{};
}

bool writePlayerGameStats(const StatisticsFiles& files, int game, const std::string& player,
                          const PlayerGameStats& stats) {
  SectionFile file(files.stat(), *files.messages, *files.fs);
  return file.updateValue(gameSection(game), player, stats.format());
}

SessionCounts sessionCounts(const ConfigRecord& config, int game, const std::string& player) {
  const auto current = wholeNumber(config.get(Field::CurrentGame));
  if (!current || *current != game || config.get(Field::PlayerName) != player) return {};
  return {wholeNumber(config.get(Field::CurrentWins)).value_or(0),
          wholeNumber(config.get(Field::CurrentLosses)).value_or(0)};
}

std::vector<int> gamesWithStatistics(const StatisticsFiles& files) {
  const SectionFile file(files.stat(), *files.messages, *files.fs);
  std::vector<int> games;
  for (const std::string& name : file.listSections()) {
    if (const auto n = wholeNumber(name)) games.push_back(static_cast<int>(*n));
  }
  return games;
}

}  // namespace kes
