#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "datafiles/player_game_stats.h"
#include "datafiles/statistics_views.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace kes {

class BarChart;
class StatisticsHost;
class TotalsBox;

// "Statistics [game]": one player's totals, current session and streaks in
// one game, with the doors to the other statistics dialogs.
class TfrmStatistics : public QDialog {
  Q_OBJECT

 public:
  TfrmStatistics(StatisticsHost& host, int game, const std::string& player, QWidget* parent = nullptr);

  // Reads the files again and shows the selected player's values.
  void showValues();

  QComboBox* players() const { return cboPlayers_; }
  QComboBox* games() const { return cboGames_; }
  TotalsBox* total() const { return total_; }
  TotalsBox* session() const { return session_; }
  BarChart* series() const { return series_; }
  QLabel* currentSeries() const { return lblSerCur_; }
  QLabel* seriesWon() const { return seriesWon_; }
  QLabel* seriesLost() const { return seriesLost_; }

  // The buttons' actions.
  void openOverall();
  void openLog();
  void openPlayers();
  void openAllGames();
  void openHiScores();
  void clearStatistics();

 private:
  void buildControls();
  int selectedGame() const;
  std::string selectedPlayer() const;
  void showSeries(const PlayerGameStats& stats);
  // A dialog opened from here that started a game closes this one too.
  void closeWhenGameStarted(int result);

  StatisticsHost& host_;
  std::vector<GameChoice> gameList_;
  QComboBox* cboPlayers_ = nullptr;
  QComboBox* cboGames_ = nullptr;
  TotalsBox* total_ = nullptr;
  TotalsBox* session_ = nullptr;
  BarChart* series_ = nullptr;
  QLabel* seriesWon_ = nullptr;
  QLabel* seriesLost_ = nullptr;
  QLabel* lblSerCur_ = nullptr;
  QPushButton* btnHiScores_ = nullptr;
};

// "Current: " and the running streak: the winning one when at least 1,
// else the losing one when at least 1, else "Current" alone.
QString currentStreakText(long long winning, long long losing);

}  // namespace kes
