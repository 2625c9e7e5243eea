#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace kes {

class ConfigRecord;
class GameList;
class ResourceLibrary;
class SettingsFile;
struct CatalogueText;
struct StatisticsFiles;

// What the game selection, favourite and rule dialogs work on: the
// catalogue, the custom games file, the settings, the pictures, and the
// game being played, which they change only through the calls below.
class SelectionHost {
 public:
  virtual ~SelectionHost() = default;

  virtual const CatalogueText& catalogue() const = 0;
  virtual const GameList& games() const = 0;
  virtual const ResourceLibrary& library() const = 0;
  // None: nothing is remembered.
  virtual SettingsFile* settings() = 0;
  virtual std::filesystem::path customGamesFile() const = 0;
  virtual StatisticsFiles statisticsFiles() = 0;

  // The game being played (-1 for none) and whether it is in progress and
  // not yet won.
  virtual int currentGame() const = 0;
  virtual bool gameInProgress() const = 0;
  virtual std::string currentPlayer() const = 0;
  // The players to choose from.
  virtual std::vector<std::string> players() const = 0;

  // Gives up the game in progress when the player agrees (it is recorded),
  // makes the game and player current and deals; false when nothing started.
  virtual bool startChosenGame(int game, const std::string& player) = 0;
  // Whether saved games can be opened, and opening one over parent: the
  // player chooses the file, and once it has been read and the game in
  // progress given up, play goes on from it. True when a game was loaded.
  virtual bool canOpenSavedGames() const { return false; }
  virtual bool openSavedGame(QWidget* /*parent*/) { return false; }
  // The game in progress is recorded as given up and none stays current.
  virtual void closeCurrentGame() = 0;
  // Starts a new custom game at once: the game in progress is recorded as
  // given up, the counters start afresh and the game is dealt.
  virtual bool startNewCustomGame(int game) = 0;
  // The counters of the current game start afresh.
  virtual void resetCurrentCounters() = 0;

  // Shows a modal dialog and returns its result; tests answer instead.
  virtual int run(QDialog& dialog) = 0;
  virtual void information(const QString& text) = 0;
  // Yes and No; true is Yes.
  virtual bool askYesNo(const QString& text) = 0;

  // The rules of a game; false when no rules can be shown yet.
  virtual bool canShowRules() const = 0;
  virtual void showGameRules(int game, const QString& name) = 0;
  // The statistics of a game for a player, over parent; true when a game
  // was started from them.
  virtual bool showStatistics(QWidget* parent, int game, const std::string& player) = 0;

  // The favourites changed: the menu and the selection tree follow.
  virtual void favouritesChanged() = 0;
  // The custom games changed (one added or deleted).
  virtual void customGamesChanged() = 0;
  // Opens the favourite games dialog.
  virtual void editFavourites() = 0;
};

}  // namespace kes
