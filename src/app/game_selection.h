#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "selection/selection_host.h"

namespace kes {

class FavouritesMenu;
class GameController;
class SettingsFile;
class TfrmMain;
class TfrmOpenGame;

// The game selection, the favourite games and the rule customization as
// the main window offers them: "&Open a game", "&Favorite games...",
// "Customize &rules...", the favourites menu, and the selection dialog at
// start-up and after a game was quit.
class GameSelection : public QObject, public SelectionHost {
  Q_OBJECT

 public:
  GameSelection(TfrmMain& window, GameController& controller, SettingsFile* settings);
  ~GameSelection() override;

  // Modal dialogs, information and Yes/No questions; tests answer instead.
  void setDialogRunner(std::function<int(QDialog&)> run) { run_ = std::move(run); }
  void setInformation(std::function<void(const QString&)> information) { information_ = std::move(information); }
  void setYesNo(std::function<bool(const QString&)> yesNo) { yesNo_ = std::move(yesNo); }

  void openGameSelection();
  void customizeRules();
  void rebuildFavouritesMenu();
  // The dialog once it has been opened.
  TfrmOpenGame* openGameDialog() const { return openGame_.get(); }
  FavouritesMenu& favouritesMenu() { return *favouritesMenu_; }

  // SelectionHost
  const CatalogueText& catalogue() const override;
  const GameList& games() const override;
  const ResourceLibrary& library() const override;
  SettingsFile* settings() override { return settings_; }
  std::filesystem::path customGamesFile() const override;
  StatisticsFiles statisticsFiles() override;
  int currentGame() const override;
  bool gameInProgress() const override;
  std::string currentPlayer() const override;
  std::vector<std::string> players() const override;
  bool startChosenGame(int game, const std::string& player) override;
  void closeCurrentGame() override;
  bool startNewCustomGame(int game) override;
  bool canOpenSavedGames() const override { return true; }
  bool openSavedGame(QWidget* parent) override;
  void resetCurrentCounters() override;
  int run(QDialog& dialog) override { return run_(dialog); }
  void information(const QString& text) override { information_(text); }
  bool askYesNo(const QString& text) override { return yesNo_(text); }
  bool canShowRules() const override;
  void showGameRules(int game, const QString& name) override;
  bool showStatistics(QWidget* parent, int game, const std::string& player) override;
  void favouritesChanged() override;
  void customGamesChanged() override;
  void editFavourites() override;

 private:
  // Gives up the game in progress; it is recorded as a game given up.
  void recordGameInProgress();

  TfrmMain& window_;
  GameController& controller_;
  SettingsFile* settings_;
  std::function<int(QDialog&)> run_;
  std::function<void(const QString&)> information_;
  std::function<bool(const QString&)> yesNo_;
  std::unique_ptr<TfrmOpenGame> openGame_;
  std::unique_ptr<FavouritesMenu> favouritesMenu_;
};

}  // namespace kes
