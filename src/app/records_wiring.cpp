#include "app/records_wiring.h"

#include "app/startup/preference_table.h"
#include "datafiles/config_field.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/player_name.h"
#include "datafiles/settings_file.h"
#include "datafiles/stat_file.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

constexpr const char* kDefaultScoringSystem = "01";
constexpr const char* kOldYes = "S";

int currentGame(const ConfigRecord& config) {
  const auto n = wholeNumber(config.get(Field::CurrentGame));
  return n ? static_cast<int>(*n) : -1;
}

std::string scoringSystem(const ConfigRecord& config) {
  const std::string s = config.get(Field::ScoringSystem);
  return s.empty() ? kDefaultScoringSystem : s;
}

}  // namespace

QString newHiScoreCaption(const std::string& gameTitle) {
  return QStringLiteral("Compliments! You entered the ") + QString::fromStdString(withoutTrailingBlanks(gameTitle)) +
         QStringLiteral(" ") + QStringLiteral("Hi-Scores!");
}

std::vector<HiScoreGame> hiScoreGames(const AppContext& app) {
  std::vector<HiScoreGame> games;
  for (const GameListEntry& entry : app.games.entries())
    games.push_back({entry.number, QString::fromStdString(entry.name)});
  for (const CustomGame& custom : listCustomGames(app.customGamesPath()))
    games.push_back({custom.number, QString::fromStdString(custom.name)});
  return games;
}

TfrmHiScore::EntriesOf hiScoreEntries(const StatisticsFiles& files, const ConfigRecord& config) {
  return [files, scoring = scoringSystem(config)](int game) { return readHiScores(files, game, scoring).entries; };
}

PlayerGameStats currentPlayerStats(const StatisticsFiles& files, const ConfigRecord& config) {
  return readPlayerGameStats(files, currentGame(config), recordablePlayerName(config.get(Field::PlayerName)));
}

void upgradeStatisticsFiles(const StatisticsFiles& files, ConfigRecord& config, SettingsFile* settings) {
  upgradeScoreFile(files);
  if (config.get(Field::CardsAnimate) == kOldYes) config.put(Field::CardsAnimate, "Y");
  if (!settings) return;
  for (const char* key : {"Cards_Animate", "ConfirmQuit"})
    if (settings->readString(kPreferenceSection, key, "") == kOldYes) settings->writeString(kPreferenceSection, key, "Y");
}

}  // namespace kes
