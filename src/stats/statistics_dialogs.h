#pragma once

class QWidget;

namespace kes {

class StatisticsHost;

// The result of a statistics dialog that closed because "&Play this game"
// started a game; the dialogs that opened it close too.
inline constexpr int kGameStartedResult = 2;

// The statistics dialog for the current game and player, over parent: what
// "&Game statistics..." (F4), the toolbar, the game-won dialog and the game
// selection open. Returns kGameStartedResult when a game was started from it.
int showStatistics(StatisticsHost& host, QWidget* parent);

// The other items of the statistics menu, with what the statistics dialog
// would pass: the current game, the current player, all games and players.
void showPlayersStatistics(StatisticsHost& host, QWidget* parent);
void showAllGamesStatistics(StatisticsHost& host, QWidget* parent);
void showLogStatistics(StatisticsHost& host, QWidget* parent);
int showOverallScore(StatisticsHost& host, QWidget* parent);

// "Clear values" of the customization dialog.
void showClearValues(StatisticsHost& host, QWidget* parent);

// "&Players...": choosing, adding, renaming and deleting players.
void showPlayers(StatisticsHost& host, QWidget* parent);

}  // namespace kes
