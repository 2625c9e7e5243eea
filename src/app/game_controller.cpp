#include "game_controller.h"

#include <QMessageBox>
#include <QRandomGenerator>
#include <QTimer>

#include "engine/deal_generator.h"

#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"
#include "datafiles/product_title.h"
#include "main_window.h"
#include "select_game_number.h"

namespace kes {

namespace {
constexpr int kFaceSet = 3;
constexpr int kBackDesign = 11;
}  // namespace

GameController::GameController(TfrmMain& window, const DataDirs& dirs) : window_(window), dirs_(dirs) {
  const auto catalogueFilePath = catalogueFile(dirs.install);
  catalogue_ = readCatalogue(catalogueFilePath);
  if (!catalogue_) error_ = QString::fromStdString(missingCatalogueMessage(catalogueFilePath));
  library_ = std::make_unique<ResourceLibrary>(QString::fromStdString(dirs.install.string()));
  if (!library_->isOpen() && error_.isEmpty()) error_ = libraryOpenFailureMessage(library_->filePath());
  images_ = std::make_unique<CardImages>(*library_, QString::fromStdString(dirs.install.string()));
  images_->load(kBigCards, kFaceSet, kBackDesign);
  events_ = std::make_unique<TableEvents>(window);
  session_ = std::make_unique<GameSession>(*events_, *this);
  table_ = new TableWidget(*session_, *images_);
  window.setTableView(table_);
  events_->onChange = [this] { table_->tableChanged(); };
  events_->onCardMoved = [this](int card, PileId from, PileId to) { table_->cardMoved(card, from, to); };
  events_->onPause = [this](int milliseconds) { table_->pauseFor(milliseconds); };
  events_->onGameEnded = [this](bool won) {
    if (!won) return;
    // A short breath after the last card, then one of the two shows.
    QTimer::singleShot(200, table_, [this] { table_->playWinningAnimation(1 + QRandomGenerator::global()->bounded(2)); });
  };
  connect(table_, &TableWidget::changed, this, &GameController::refreshWindow);
  window.setClockRefresh([this] { refreshWindow(); });

  connect(&window, &TfrmMain::newGameRequested, this, &GameController::newGame);
  connect(&window, &TfrmMain::restartGameRequested, this, &GameController::restartGame);
  connect(&window, &TfrmMain::selectGameNumberRequested, this, &GameController::selectGameNumber);
  connect(&window, &TfrmMain::randomGameRequested, this, &GameController::randomGame);
  connect(&window, &TfrmMain::undoRequested, this, &GameController::undo);
  connect(&window, &TfrmMain::redoRequested, this, &GameController::redo);
  connect(&window, &TfrmMain::quitGameRequested, this, &GameController::quitGame);
  connect(&window, &TfrmMain::autoplayToggled, this, &GameController::setAutoplay);
  connect(&window, &TfrmMain::pauseChanged, this, &GameController::setPaused);
}

GameController::~GameController() {
  // The table goes with the window; the session records nothing after this.
  events_->onChange = nullptr;
  events_->onCardMoved = nullptr;
  events_->onPause = nullptr;
  events_->onGameEnded = nullptr;
}

std::string GameController::randomDealNumber() {
  const auto a = static_cast<long long>(QRandomGenerator::global()->bounded(9'999'999));
  const auto b = static_cast<long long>(QRandomGenerator::global()->bounded(999'999));
  return *normalizeDealNumber(std::to_string(a * b));
}

bool GameController::startGame(int game, const std::optional<std::string>& dealNumber) {
  if (!catalogue_) return false;
  GameParams params;
  SavedPileParams saved;
  if (!loadGameParams(*catalogue_, game, std::nullopt, params, saved).ok()) return false;
  session_->endGame();
  game_ = game;
  title_ = loadGameList(*catalogue_).name(game);
  session_->state().prefs.autoplay = window_.isAutoplayOn();
  dealNumber_ = dealNumber.value_or(randomDealNumber());
  const std::string error = session_->start(params, dealNumber_);
  window_.SetAutoplayEnabled(params[Param::AutoplayAvailable] != 0);
  table_->relayout();
  table_->animateDeal();
  updateCaption();
  refreshWindow();
  return error.empty();
}

void GameController::setCardSize(CardSize size) {
  images_->load(size, kFaceSet, kBackDesign);
  table_->relayout();
}

void GameController::deal(const std::string& dealNumber) {
  dealNumber_ = dealNumber;
  session_->deal(dealNumber_);
  table_->relayout();
  table_->animateDeal();
  updateCaption();
  refreshWindow();
}

bool GameController::confirmAbandon(const QString& question) {
  const GameState& g = session_->state();
  if (!g.inProgress || g.won) return true;
  return QMessageBox::question(&window_, QString::fromUtf8(kProductTitle), question,
                               QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void GameController::newGame() {
  if (!confirmAbandon(QStringLiteral("Quit this game?"))) return;
  deal(randomDealNumber());
}

void GameController::restartGame() {
  const QString question = QStringLiteral("Restart this game?\rGame number: ") + QString::fromStdString(dealNumber_);
  if (!confirmAbandon(question)) return;
  table_->recordPlaces();
  session_->restart();
  table_->tableChanged();
}

void GameController::selectGameNumber() {
  TfrmSelectGameNumber dialog({}, QString::fromStdString(dealNumber_), &window_);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!confirmAbandon(QStringLiteral("Quit this game?"))) return;
  deal(dialog.dealNumber());
}

void GameController::randomGame() {
  if (!catalogue_ || !confirmAbandon(QStringLiteral("Quit this game?"))) return;
  const auto& games = loadGameList(*catalogue_).entries();
  if (games.empty()) return;
  const auto pick = QRandomGenerator::global()->bounded(static_cast<int>(games.size()));
  startGame(games[static_cast<std::size_t>(pick)].number);
}

void GameController::undo() {
  table_->recordPlaces();
  session_->undo();
  table_->tableChanged();
}

void GameController::redo() {
  table_->recordPlaces();
  session_->redo();
  table_->tableChanged();
}

void GameController::quitGame() {
  if (!confirmAbandon(QStringLiteral("Quit this game?"))) return;
  table_->finishAnimation();
  session_->endGame();
  refreshWindow();
}

void GameController::setAutoplay(bool on) {
  table_->recordPlaces();
  session_->setAutoplay(on);
  table_->tableChanged();
}

void GameController::setPaused(bool paused) {
  if (paused)
    session_->clock().pause();
  else
    session_->clock().resume();
}

void GameController::recordResult(const GameState&, bool won, int) {
  // Statistics come with their own part of the program; the outcome shows.
  refreshWindow();
  if (won) QMessageBox::information(&window_, QString::fromUtf8(kProductTitle), QStringLiteral("You won the game!"));
}

void GameController::refreshWindow() {
  const GameState& g = session_->state();
  window_.setScore(g.score);
  window_.setPlayingTime(session_->clock().elapsed());
  window_.setTiming(session_->clock().running());
  window_.SetGameCommandsEnabled(g.params.loaded());
  window_.SetUndoRedoEnabled(g.prefs.undoMode != UndoMode::Disabled);
}

void GameController::updateCaption() {
  const QString caption = QString::fromUtf8(kProductTitle) + " [" + QString::fromStdString(title_).left(50) + "]  [" +
                          QString::fromStdString(dealNumber_) + "]";
  if (window_.windowTitle() != caption) window_.setWindowTitle(caption);
}

}  // namespace kes
