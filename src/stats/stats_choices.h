#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/statistics_views.h"

namespace kes {

class StatisticsHost;

// The players the dialogs offer: the players list in its order, with the
// current player added when the list lacks it.
std::vector<std::string> playerChoices(StatisticsHost& host);

inline constexpr const char* kAllPlayers = "[All players]";
inline constexpr const char* kAllGames = "[All games]";

// Fills a combo box with names (and a first "[All ...]" entry when given)
// and selects the wanted one, else the first.
void fillChoices(QComboBox& box, const std::vector<std::string>& names, const std::optional<QString>& allEntry,
                 const QString& wanted);
void fillGameChoices(QComboBox& box, const std::vector<GameChoice>& games, const std::optional<QString>& allEntry,
                     int wantedGame);
// The game number of the chosen entry; nothing for "[All games]".
std::optional<int> chosenGame(const QComboBox& box);
// The chosen name; nothing for the "[All ...]" entry.
std::optional<std::string> chosenName(const QComboBox& box);

// The player and game boxes with their labels, as the statistics dialogs
// show them; each dialog places them in its own grid.
struct PlayerAndGameBoxes {
  QComboBox* players;
  QComboBox* games;
  QWidget* playerLabel;
  QWidget* gameLabel;
};
PlayerAndGameBoxes makePlayerAndGameBoxes(QWidget* parent);

// The current game and player of the record.
int currentGame(StatisticsHost& host);
std::string currentPlayer(StatisticsHost& host);
// A game's name among the choices; empty when it is not among them.
std::string gameName(const std::vector<GameChoice>& games, int game);

}  // namespace kes
