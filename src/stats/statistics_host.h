#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "datafiles/statistics_files.h"
#include "datafiles/statistics_views.h"

class QDialog;
class QWidget;

namespace kes {

class ConfigRecord;
class SettingsFile;

// What the statistics and players dialogs work on: the record and the
// settings file, the statistics files, the games, and the few things of the
// game in progress that a change of player touches. Every modal window,
// message boxes included, opens through runDialog, so that tests answer it.
class StatisticsHost {
 public:
  virtual ~StatisticsHost() = default;

  virtual ConfigRecord& config() = 0;
  // None: the players list cannot be kept.
  virtual SettingsFile* settings() = 0;
  // The files of the data folder; their messages go to the user.
  virtual StatisticsFiles statisticsFiles() = 0;
  // Catalogue and custom games, sorted by name.
  virtual std::vector<GameChoice> games() = 0;
  // The most a game can score (for "Max" of the overall details).
  virtual long long maximumScore(int game) = 0;

  // Shows a modal dialog and returns its result.
  virtual int runDialog(QDialog& dialog) = 0;

  // The hi-score table of a game; none while it cannot be shown.
  virtual std::function<void(QWidget* parent, int game)> hiScores() = 0;
  // Starts a game for the current player once the game in progress may be
  // given up; false when nothing was started.
  virtual bool startChosenGame(int game) = 0;

  // The game in progress and a change of player.
  // Asks the question when a game is in progress; true to go ahead.
  virtual bool confirmAbandon(const QString& question) = 0;
  // Records the game in progress (for the player in the record) and ends it.
  virtual void recordGameInProgress() = 0;
  // The record's current player has been stored: the caption follows.
  virtual void updateCaption() = 0;
  // Another player took over: a fresh table and a game to choose.
  virtual void playerChanged() = 0;
};

}  // namespace kes
