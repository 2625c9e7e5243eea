#include "app/statistics_wiring.h"

#include <QAction>
#include <algorithm>
#include <array>
#include <cctype>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/overall_best_results.h"
#include "engine/custom_rules.h"
#include "stats/statistics_dialogs.h"

namespace kes {

namespace {

bool byName(const GameChoice& a, const GameChoice& b) {
  return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

ProgramStatistics::ProgramStatistics(TfrmMain& window, GameController& controller, SettingsFile* settings)
    : window_(window), controller_(controller), settings_(settings), messages_(*this, &window) {}

ConfigRecord& ProgramStatistics::config() { return controller_.config(); }

StatisticsFiles ProgramStatistics::statisticsFiles() {
  // The files the results are recorded in; their messages over the window.
  StatisticsFiles files = controller_.statisticsFiles();
  files.messages = &messages_;
  return files;
}

std::vector<GameChoice> ProgramStatistics::games() {
  const AppContext& app = controller_.app();
  std::vector<GameChoice> games;
  for (const GameListEntry& entry : app.games.entries()) games.push_back({entry.number, entry.name});
  for (const CustomGame& custom : listCustomGames(app.customGamesPath())) games.push_back({custom.number, custom.name});
  std::stable_sort(games.begin(), games.end(), byName);
  return games;
}

long long ProgramStatistics::maximumScore(int game) {
  const std::array<int, 2> wanted{34, 265};
  const auto read = readParameters(controller_.app().catalogue, game, wanted);
  if (!read.ok() || read.values.size() != wanted.size()) return -1;
  return kes::maximumScore(read.values[0], read.values[1]);
}

int ProgramStatistics::runDialog(QDialog& dialog) { return controller_.runDialog(dialog); }

std::function<void(QWidget*, int)> ProgramStatistics::hiScores() {
  return [&controller = controller_](QWidget* parent, int game) {
    controller.showHiScores(game, std::nullopt, QString(), parent);
  };
}

bool ProgramStatistics::startChosenGame(int game) {
  return controller_.startChosenGame(game, controller_.config().get(Field::PlayerName), true);
}

bool ProgramStatistics::confirmAbandon(const QString& question) { return controller_.confirmAbandon(question); }

void ProgramStatistics::recordGameInProgress() { controller_.recordGameInProgress(); }

void ProgramStatistics::updateCaption() { controller_.updateCaption(); }

// The old player's game was recorded when the change was confirmed; the new
// player starts from an empty table and chooses a game.
void ProgramStatistics::playerChanged() { controller_.chooseNextGame(); }

int showGameStatistics(TfrmMain& window, GameController& controller, SettingsFile* settings, QWidget* parent) {
  ProgramStatistics host(window, controller, settings);
  return showStatistics(host, parent);
}

int showGameStatistics(TfrmMain& window, GameController& controller, SettingsFile* settings, QWidget* parent,
                       int game, const std::string& player) {
  ProgramStatistics host(window, controller, settings);
  return showStatistics(host, parent, game, player);
}

void connectStatisticsDialogs(TfrmMain& window, GameController& controller, SettingsFile* settings) {
  const auto connectItem = [&](const char* item, auto show) {
    QAction* action = window.menuAction(QString::fromLatin1(item));
    if (!action) return;
    QObject::connect(action, &QAction::triggered, &window, [&window, &controller, settings, show] {
      ProgramStatistics host(window, controller, settings);
      show(host, &window);
    });
  };
  QAction* statistics = window.menuAction(QStringLiteral("mnuGameStatistics"));
  if (statistics)
    QObject::connect(statistics, &QAction::triggered, &window,
                     [&window, &controller, settings] { showGameStatistics(window, controller, settings, &window); });
  connectItem("mnuPlayersStatistics", showPlayersStatistics);
  connectItem("mnuAllGamesStatistics", showAllGamesStatistics);
  connectItem("mnuLogStatistics", showLogStatistics);
  connectItem("mnuOverallScore", [](StatisticsHost& host, QWidget* parent) { showOverallScore(host, parent); });
  connectItem("mnuPlayers", showPlayers);
  // The game-won dialog's " Statistics...     ".
  controller.setStatisticsDialog([&window, &controller, settings] {
    return showGameStatistics(window, controller, settings, &window) == kGameStartedResult;
  });
}

}  // namespace kes
