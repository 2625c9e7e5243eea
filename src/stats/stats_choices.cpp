#include "stats/stats_choices.h"

#include <QLabel>
#include <algorithm>

#include "datafiles/config_record.h"
#include "datafiles/player_roster.h"
#include "datafiles/settings_file.h"
#include "datafiles/whole_number.h"
#include "stats/statistics_host.h"

namespace kes {

namespace {

constexpr int kAllRole = Qt::UserRole + 1;

}  // namespace

std::vector<std::string> playerChoices(StatisticsHost& host) {
  std::vector<std::string> players;
  if (SettingsFile* settings = host.settings()) players = storedPlayers(settings->readAll());
  const std::string current = currentPlayer(host);
  if (!current.empty() && std::find(players.begin(), players.end(), current) == players.end())
    players.push_back(current);
  return PlayerRoster(std::move(players)).names();
}

void fillChoices(QComboBox& box, const std::vector<std::string>& names, const std::optional<QString>& allEntry,
                 const QString& wanted) {
  const QSignalBlocker quiet(&box);
  box.clear();
  if (allEntry) {
    box.addItem(*allEntry);
    box.setItemData(0, true, kAllRole);
  }
  for (const std::string& name : names) box.addItem(QString::fromStdString(name));
  const int found = box.findText(wanted, Qt::MatchExactly | Qt::MatchCaseSensitive);
  box.setCurrentIndex(std::max(found, 0));
}

void fillGameChoices(QComboBox& box, const std::vector<GameChoice>& games, const std::optional<QString>& allEntry,
                     int wantedGame) {
  const QSignalBlocker quiet(&box);
  box.clear();
  if (allEntry) {
    box.addItem(*allEntry);
    box.setItemData(0, true, kAllRole);
  }
  int wanted = -1;
  for (const GameChoice& game : games) {
    if (game.number == wantedGame) wanted = box.count();
    box.addItem(QString::fromStdString(game.name), game.number);
  }
  box.setCurrentIndex(std::max(wanted, 0));
}

std::optional<int> chosenGame(const QComboBox& box) {
  const QVariant number = box.currentData();
  if (!number.isValid()) return std::nullopt;
  return number.toInt();
}

std::optional<std::string> chosenName(const QComboBox& box) {
  if (box.currentIndex() < 0 || box.itemData(box.currentIndex(), kAllRole).toBool()) return std::nullopt;
  return box.currentText().toStdString();
}

int currentGame(StatisticsHost& host) {
  const auto n = wholeNumber(host.config().get(Field::CurrentGame));
  return n ? static_cast<int>(*n) : -1;
}

std::string currentPlayer(StatisticsHost& host) { return host.config().get(Field::PlayerName); }

std::string gameName(const std::vector<GameChoice>& games, int game) {
  for (const GameChoice& g : games)
    if (g.number == game) return g.name;
  return {};
}

PlayerAndGameBoxes makePlayerAndGameBoxes(QWidget* parent) {
  auto* players = new QComboBox(parent);
  players->setObjectName("cboPlayers");
  auto* games = new QComboBox(parent);
  games->setObjectName("cboGames");
  games->setMaxVisibleItems(20);
  auto* playerLabel = new QLabel(QObject::tr("&Player:"), parent);
  playerLabel->setBuddy(players);
  auto* gameLabel = new QLabel(QObject::tr("&Game:"), parent);
  gameLabel->setBuddy(games);
  return {players, games, playerLabel, gameLabel};
}

}  // namespace kes
