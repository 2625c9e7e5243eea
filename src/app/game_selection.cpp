#include "app/game_selection.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>

#include "app/game_controller.h"
#include "app/help/rules_help.h"
#include "app/main_window.h"
#include "app/saved_games.h"
#include "app/startup/message_box_ui.h"
#include "app/statistics_wiring.h"
#include "datafiles/config_field.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/favourite_games.h"
#include "datafiles/game_folders.h"
#include "datafiles/product_title.h"
#include "datafiles/settings_file.h"
#include "datafiles/statistics_files.h"
#include "datafiles/statistics_sources.h"
#include "datafiles/whole_number.h"
#include "selection/favourites_menu.h"
#include "selection/frm_customize_rules.h"
#include "selection/frm_favorite.h"
#include "selection/frm_open_game.h"
#include "stats/statistics_dialogs.h"

namespace kes {

namespace {

constexpr std::string_view kPlayersSection = "Users";

}  // namespace

GameSelection::GameSelection(TfrmMain& window, GameController& controller, SettingsFile* settings)
    : window_(window), controller_(controller), settings_(settings) {
  run_ = [this](QDialog& dialog) { return controller_.runDialog(dialog); };
  information_ = [this](const QString& text) {
    QMessageBox::information(&window_, QString::fromUtf8(kProductTitle), boxText(text));
  };
  yesNo_ = [this](const QString& text) {
    return QMessageBox::question(&window_, QString::fromUtf8(kProductTitle), boxText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  QMenu* gameMenu = window.menuAction("mnuGameMenu") ? window.menuAction("mnuGameMenu")->menu() : nullptr;
  if (!gameMenu) gameMenu = new QMenu(&window);
  favouritesMenu_ = std::make_unique<FavouritesMenu>(
      *gameMenu, controller.library(),
      [this](int game) { controller_.startChosenGame(game, currentPlayer(), true); },
      [this](const QString& text) { information(text); });

  connect(window.menuAction("mnuOpen"), &QAction::triggered, this, &GameSelection::openGameSelection);
  connect(window.menuAction("mnuFavoriteGames"), &QAction::triggered, this, &GameSelection::editFavourites);
  connect(window.menuAction("mnuCustomizeRules"), &QAction::triggered, this, &GameSelection::customizeRules);
  connect(&controller, &GameController::gameSelectionWanted, this, &GameSelection::openGameSelection);
  // The game-won dialog's "Open a game...": it closes when a game was started
  // (the won game is over, so a game in progress is a new one).
  controller.setGameSelectionDialog([this] {
    openGameSelection();
    return controller_.session().state().inProgress;
  });
  connect(&window, &TfrmMain::firstActivated, this, &GameSelection::rebuildFavouritesMenu);
}

GameSelection::~GameSelection() { controller_.setGameSelectionDialog({}); }

const CatalogueText& GameSelection::catalogue() const { return controller_.app().catalogue; }

const GameList& GameSelection::games() const { return controller_.app().games; }

const ResourceLibrary& GameSelection::library() const { return controller_.library(); }

std::filesystem::path GameSelection::customGamesFile() const { return controller_.app().customGamesPath(); }

StatisticsFiles GameSelection::statisticsFiles() {
  StatisticsFiles files;
  files.folder = controller_.dirs().dataFolder();
  files.now = localTimeNow;
  files.fillerDigit = randomFillerDigits();
  files.cardsInGame = cardsInGameLookup(std::make_shared<const CatalogueText>(catalogue()), customGamesFile());
  return files;
}

int GameSelection::currentGame() const {
  const auto n = wholeNumber(controller_.app().config.get(Field::CurrentGame));
  return n && *n >= -1 && *n <= kLastCustomGame ? static_cast<int>(*n) : -1;
}

bool GameSelection::gameInProgress() const {
  const GameState& g = controller_.session().state();
  return g.inProgress && !g.won;
}

std::string GameSelection::currentPlayer() const { return controller_.app().config.get(Field::PlayerName); }

std::vector<std::string> GameSelection::players() const {
  std::vector<std::string> names;
  if (settings_)
    for (const SettingsEntry& entry : settings_->readSection(kPlayersSection))
      if (!entry.value.empty()) names.push_back(entry.value);
  const std::string current = currentPlayer();
  if (std::find(names.begin(), names.end(), current) == names.end() && !current.empty()) names.push_back(current);
  return names;
}

bool GameSelection::startChosenGame(int game, const std::string& player) {
  return controller_.startChosenGame(game, player, false);
}

void GameSelection::closeCurrentGame() { controller_.closeCurrentGame(); }

void GameSelection::recordGameInProgress() { controller_.recordGameInProgress(); }

bool GameSelection::startNewCustomGame(int game) {
  recordGameInProgress();
  controller_.config().resetCurrentCounters();
  return controller_.startGame(game);
}

void GameSelection::resetCurrentCounters() { controller_.config().resetCurrentCounters(); }

bool GameSelection::openSavedGame(QWidget* parent) { return controller_.savedGames().load(parent); }

bool GameSelection::canShowRules() const { return controller_.rulesHelp().available(); }

void GameSelection::showGameRules(int game, const QString& name) { controller_.rulesHelp().showGameRules(game, name); }

bool GameSelection::showStatistics(QWidget* parent, int game, const std::string& player) {
  return showGameStatistics(window_, controller_, settings_, parent, game, player) == kGameStartedResult;
}

void GameSelection::openGameSelection() {
  if (!openGame_) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    openGame_ = std::make_unique<TfrmOpenGame>(*this, &window_);
    QApplication::restoreOverrideCursor();
  }
  openGame_->prepare();
  run(*openGame_);
}

void GameSelection::editFavourites() {
  TfrmFavorite dialog(*this, openGame_ && openGame_->isVisible() ? static_cast<QWidget*>(openGame_.get()) : &window_);
  run(dialog);
}

void GameSelection::customizeRules() {
  const int game = currentGame();
  if (game < 0) return;
  TfrmCustomizeRules dialog(*this, game, QString::fromStdString(controller_.app().config.get(Field::GameTitle)),
                            &window_);
  if (!dialog.ready()) return;
  bool deleted = false;
  connect(&dialog, &TfrmCustomizeRules::gameDeleted, this, [&deleted] { deleted = true; });
  run(dialog);
  if (deleted) openGameSelection();
}

void GameSelection::rebuildFavouritesMenu() {
  FolderSources sources;
  sources.catalogueGames = sortedCatalogueGames(games());
  sources.customGames = listCustomGames(customGamesFile());
  if (settings_) sources.favourites = readFavouriteNames(*settings_);
  favouritesMenu_->rebuild(gamesInFolder(*findGameFolder(FolderCode::kFavourites), sources));
}

void GameSelection::favouritesChanged() {
  rebuildFavouritesMenu();
  if (openGame_) openGame_->refreshFavourites();
}

void GameSelection::customGamesChanged() {
  if (openGame_) openGame_->refreshCustomGames();
}

}  // namespace kes
