#pragma once

#include <memory>

#include "stats/statistics_host.h"
#include "stats/stats_messages.h"

namespace kes {

class GameController;
class SettingsFile;
class TfrmMain;

// The statistics and players dialogs' view of the program: the
// controller's record, catalogue and game, its dialog runner, and the
// statistics files of the data folder.
class ProgramStatistics : public StatisticsHost {
 public:
  ProgramStatistics(TfrmMain& window, GameController& controller, SettingsFile* settings);

  ConfigRecord& config() override;
  SettingsFile* settings() override { return settings_; }
  StatisticsFiles statisticsFiles() override;
  std::vector<GameChoice> games() override;
  long long maximumScore(int game) override;
  int runDialog(QDialog& dialog) override;
  std::function<void(QWidget* parent, int game)> hiScores() override;
  bool startChosenGame(int game) override;
  bool confirmAbandon(const QString& question) override;
  void recordGameInProgress() override;
  void updateCaption() override;
  void playerChanged() override;

 private:
  TfrmMain& window_;
  GameController& controller_;
  SettingsFile* settings_;
  DialogMessageSink messages_;
};

// The game statistics dialog for the current game and player over parent:
// the one door the game-won dialog's and the game selection's "Statistics"
// buttons use. Returns kGameStartedResult (stats/statistics_dialogs.h) when
// "&Play this game" started a game from it; the caller then closes too.
int showGameStatistics(TfrmMain& window, GameController& controller, SettingsFile* settings, QWidget* parent);

// The statistics menu, F4, the toolbar's statistics button and
// "&Players..." open their dialogs over the window.
void connectStatisticsDialogs(TfrmMain& window, GameController& controller, SettingsFile* settings);

}  // namespace kes
