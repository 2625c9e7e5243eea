#include "game_controller.h"

#include <QAction>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <limits>

#include "engine/deal_generator.h"

#include "appearance/random_appearance.h"

#include "app/animation_preferences.h"
#include "app/command_states.h"
#include "app/counter/card_counter.h"
#include "app/demo_playback.h"
#include "app/window/demo_bar.h"
#include "app/game_caption.h"
#include "app/game_numbers.h"
#include "app/game_recorder.h"
#include "app/help/help_wiring.h"
#include "app/help/rules_help.h"
#include "app/records_wiring.h"
#include "app/saved_games.h"
#include "app/play_preferences.h"
#include "app/small_screen.h"
#include "app/solver/solver_assistant.h"
#include "app/startup/message_box_ui.h"
#include "app/sound/game_sounds.h"
#include "app/startup/preference_table.h"
#include "app/table_wiring.h"
#include "app/tips/tips_dialog.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/config_field.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/game_list.h"
#include "datafiles/pad.h"
#include "datafiles/saved_game_load.h"
#include "datafiles/player_name.h"
#include "datafiles/product_title.h"
#include "datafiles/whole_number.h"
#include "datafiles/settings_file.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/saved_game_file.h"
#include "datafiles/statistics_sources.h"
#include "stats/frm_game_won.h"
#include "stats/frm_hi_score.h"
#include "display/resources/cursor_table.h"
#include "display/sound/sound_player.h"
#include "display/sound/system_sound_output.h"
#include "main_window.h"
#include "select_game_number.h"
#include "appearance/busy_cursor.h"

namespace kes {

namespace {

// Without a start-up (tools and tests) the preferences are the defaults a
// first run would read, not blank fields, and the catalogue is read here.
std::unique_ptr<AppContext> contextWithDefaults(const DataDirs& dirs) {
  auto context = std::make_unique<AppContext>();
  context->dirs = dirs;
  loadPreferences(IniDocument{}, DisplayInfo{}, context->config);
  context->readCatalogue();
  context->helpFile = dirs.install / kHelpFileName;
  return context;
}

constexpr int kDefaultFaceSet = 1;
constexpr int kLastFaceSet = 5;
constexpr const char* kNoGame = "-1";
// Play shows a demo's moves a flight of this many steps apart, and never
// faster than this.
constexpr int kDemoStepFlights = 50;
constexpr int kDemoStepLeast = 150;
// The game tree of the selection dialog shows the remembered game unfiled.
constexpr const char* kUnfiledTreeNumber = "-30";

// The current game as a number; the record may hold it zero-padded.
int currentGameOf(const ConfigRecord& config) {
  const auto n = wholeNumber(config.get(Field::CurrentGame));
  return n && *n >= std::numeric_limits<int>::min() && *n <= std::numeric_limits<int>::max() ? static_cast<int>(*n) : -1;
}

// A number field of the record, or the fallback when it holds none in range.
int recordNumber(const ConfigRecord& config, const ConfigField& field, int fallback, int last) {
  const auto n = wholeNumber(config.get(field));
  return n && *n >= 1 && *n <= last ? static_cast<int>(*n) : fallback;
}

// The statistics files' messages go where the controller's information goes.
class InformationSink : public MessageSink {
 public:
  explicit InformationSink(const GameController::Information& information) : information_(information) {}
  void information(const std::string& text) override { information_(QString::fromStdString(text)); }

 private:
  const GameController::Information& information_;
};

int primaryScreenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 1024;
}

}  // namespace

GameController::GameController(TfrmMain& window, const DataDirs& dirs, AppContext* app, SettingsFile* settings,
                               std::unique_ptr<ResourceLibrary> library)
    : window_(window),
      dirs_(dirs),
      ownApp_(app ? nullptr : contextWithDefaults(dirs)),
      app_(app ? *app : *ownApp_),
      settings_(settings),
      displayWidth_(primaryScreenWidth),
      library_(std::move(library)) {
  question_ = [this](const QString& text) {
    return QMessageBox::question(&window_, QString::fromUtf8(kProductTitle), boxText(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
  };
  information_ = [this](const QString& text) {
    QMessageBox::information(&window_, QString::fromUtf8(kProductTitle), boxText(text));
  };
  yesNo_ = [this](const QString& text) {
    return QMessageBox::question(&window_, QString::fromUtf8(kProductTitle), boxText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  runDialog_ = [](QDialog& dialog) { return dialog.exec(); };
  statisticsMessages_ = std::make_unique<InformationSink>(information_);
  // The catalogue lives as long as the controller's context does.
  const std::shared_ptr<const CatalogueText> catalogue(std::shared_ptr<void>{}, &app_.catalogue);
  recorder_ = std::make_unique<GameRecorder>(app_.config, statisticsFilesOf(dirs, *statisticsMessages_, catalogue));
  if (app_.catalogue.lines.empty())
    error_ = QString::fromStdString(missingCatalogueMessage(catalogueFile(dirs.install)));
  if (!library_) library_ = std::make_unique<ResourceLibrary>(QString::fromStdString(dirs.install.string()));
  if (!library_->isOpen() && error_.isEmpty()) error_ = libraryOpenFailureMessage(library_->filePath());
  images_ = std::make_unique<CardImages>(*library_, QString::fromStdString(dirs.install.string()));
  images_->load(kBigCards, faceSet(), backDesign());
  events_ = std::make_unique<TableEvents>(window);
  fanOut_.add(*events_);
  session_ = std::make_unique<GameSession>(fanOut_, *this);
  table_ = new TableWidget(*session_, *images_);
  sounds_ = std::make_unique<SoundPlayer>(app_.config, QString::fromStdString((dirs.install / "SOUNDS").string()));
  gameSounds_ = std::make_unique<GameSounds>(*sounds_, *table_, app_.config);
  fanOut_.add(*gameSounds_);
  counter_ = std::make_unique<CardCounter>(window, *session_, *library_, settings_);
  fanOut_.add(*counter_);
  connectTipOfTheDay(window, settings_, dirs.install.string(), [this](QDialog& dialog) { return runDialog(dialog); });
  rulesHelp_ = std::make_unique<RulesHelp>(window, rulesHelpSources());
  rulesHelp_->setDialogRunner([this](QDialog& dialog) { runDialog(dialog); });
  rulesHelp_->setInformation([this](const QString& text) { information_(text); });
  connectRulesHelp(window, *rulesHelp_);
  connect(&window, &TfrmMain::firstActivated, this, [this] {
    updateCaption();
    checkStatisticsFiles();
    counter_->restore();
    // After the activation has been handled, not inside it.
    QTimer::singleShot(0, this, [this] {
      showTipAtStartUp(window_, settings_, dirs_.install.string(), [this](QDialog& dialog) { return runDialog(dialog); });
      emit gameSelectionWanted();
    });
  });
  connect(&window, &TfrmMain::closing, this, [this] {
    shutDown();
    counter_->save();
  });
  connect(table_, &TableWidget::cardsLifted, this, [this] { gameSounds_->cardsLifted(); });
  connect(table_, &TableWidget::cardsPutBack, this, [this] { gameSounds_->cardsPutBack(); });
  window.setTableView(table_);
  setUpBackground();
  connectTableToWindow(*table_, window, *session_, app_.config);
  cursors_ = std::make_unique<CursorTable>(*library_);
  applyCursorSet(*table_, window, *cursors_, app_.window.cursorSet);
  events_->onChange = [this] { table_->tableChanged(); };
  events_->onCardMoved = [this](int card, PileId from, PileId to) { table_->cardMoved(card, from, to); };
  events_->onPause = [this](int milliseconds) { table_->pauseFor(milliseconds); };
  events_->onWasteTurnover = [this](bool starting) { table_->wasteTurnover(starting); };
  events_->onDealt = [this] {
    // A demo shows its deal when it has been undone to it, without a flight.
    if (demo_ && demo_->active()) return table_->relayout();
    recorder_->gameDealt();
    showDeal();
  };
  events_->onInformation = [this](const QString& text) { table_->showInformation(text); };
  events_->onMessage = [this](const QString& text) { information_(text); };
  events_->onMarkPiles = [this](const std::vector<PileId>& piles, bool marked) { table_->markPiles(piles, marked); };
  applyAnimationPreferences();
  winning_ = std::make_unique<WinningSequence>(
      *table_, WinningSequence::Hooks{[this](bool running) { window_.setWinningAnimationRunning(running); },
                                      [this] { return window_.isClosePending(); },
                                      [this] { showGameWon(); }});
  connect(&window, &TfrmMain::winningAnimationInterrupted, table_, &TableWidget::stopWinningAnimation);
  events_->onGameEnded = [this](bool won) {
    if (won) winning_->begin();
  };
  connect(table_, &TableWidget::changed, this, &GameController::refreshWindow);
  assistant_ = std::make_unique<SolverAssistant>(window, *session_, *table_, [this](const QString& text) { information_(text); });
  assistant_->readPreferences(settings_);
  connect(&window, &TfrmMain::hintRequested, this, &GameController::hint);
  window.setClockRefresh([this] { refreshClock(); });
  if (app) {
    if (QAction* autoplay = window.menuAction("mnuAutoPlay")) autoplay->setChecked(app->window.autoPlay);
  }

  connect(&window, &TfrmMain::newGameRequested, this, &GameController::newGame);
  connect(&window, &TfrmMain::restartGameRequested, this, &GameController::restartGame);
  connect(&window, &TfrmMain::selectGameNumberRequested, this, &GameController::selectGameNumber);
  connect(&window, &TfrmMain::randomGameRequested, this, &GameController::randomGame);
  connect(&window, &TfrmMain::undoRequested, this, &GameController::undo);
  connect(&window, &TfrmMain::redoRequested, this, &GameController::redo);
  connect(&window, &TfrmMain::quitGameRequested, this, &GameController::quitGame);
  connect(&window, &TfrmMain::hiScoresRequested, this, &GameController::showCurrentHiScores);
  connect(&window, &TfrmMain::demoRequested, this, &GameController::toggleDemo);
  setUpDemo();
  savedGames_ = std::make_unique<SavedGames>(*this, settings_);
  connect(&window, &TfrmMain::saveGameRequested, this, [this] { savedGames_->save(); });
  connect(&window, &TfrmMain::autoplayToggled, this, &GameController::setAutoplay);
  connect(&window, &TfrmMain::pauseChanged, this, &GameController::setPaused);
  connect(&window, &TfrmMain::aboutBoxOpening, this,
          [this] { sounds_->play(QStringLiteral("About.wav"), Field::SoundAbout.preferenceKey); });
  // No game yet: the game commands start disabled, not as the menu built them.
  refreshCommands();
}

GameController::~GameController() {
  fanOut_.remove(*counter_);
  fanOut_.remove(*gameSounds_);
  // The table goes with the window; the session records nothing after this.
  events_->onChange = nullptr;
  events_->onCardMoved = nullptr;
  events_->onPause = nullptr;
  events_->onGameEnded = nullptr;
  events_->onWasteTurnover = nullptr;
  events_->onDealt = nullptr;
  events_->onInformation = nullptr;
  events_->onMessage = nullptr;
  events_->onMarkPiles = nullptr;
  window_.setPileSizeLookup(nullptr);
  table_->refusesPresses = nullptr;
}

std::string GameController::randomDealNumber() {
  const auto a = static_cast<long long>(QRandomGenerator::global()->bounded(9'999'999));
  const auto b = static_cast<long long>(QRandomGenerator::global()->bounded(999'999));
  return *normalizeDealNumber(std::to_string(a * b));
}

std::optional<GameParams> GameController::paramsOf(int game) const {
  GameParams params;
  SavedPileParams saved;
  if (!loadGameParams(app_.catalogue, game, customRulesOf(game), params, saved).ok()) return std::nullopt;
  return params;
}

int GameController::currentGame() const { return currentGameOf(app_.config); }

bool GameController::startGame(int game, const std::optional<std::string>& dealNumber) {
  const std::optional<GameParams> found = paramsOf(game);
  if (!found) return false;
  const GameParams& params = *found;
  recordGameInProgress();
  app_.config.put(Field::CurrentGame, std::to_string(game));
  app_.config.put(Field::GameTitle, app_.games.name(game, customGameNamesOf(app_.customGamesPath())));
  prepareTable(params);
  applyPlayPreferences();
  setDealNumber(dealNumber ? *dealNumber : randomDealOf(params));
  const std::string error = session_->start(params, dealNumber_);
  chooseRandomAppearance();
  if (settings_) rememberDealNumber(*settings_, dealNumber_);
  updateCaption();
  refreshWindow();
  return error.empty();
}

bool GameController::startChosenGame(int game, const std::string& player, bool remember) {
  const bool gameChanged = game != currentGameOf(app_.config);
  const bool playerChanged = player != app_.config.get(Field::PlayerName);
  // The statistics files key their records by the player's name.
  if (playerChanged && !validPlayerName(player)) {
    information_(QString::fromUtf8(kInvalidPlayerName.data(), static_cast<qsizetype>(kInvalidPlayerName.size())));
    return false;
  }
  if (!gameChanged && !playerChanged && session_->state().inProgress) return false;
  if (!confirmAbandon()) return false;
  recordGameInProgress();
  if (gameChanged || playerChanged) app_.config.resetCurrentCounters();
  if (playerChanged) {
    app_.config.put(Field::PlayerName, player);
    if (settings_) settings_->writeString(kPreferenceSection, Field::PlayerName.preferenceKey, player);
    updateCaption();
  }
  if (gameChanged || app_.screenWarningState == ScreenWarningState::StartUp)
    app_.screenWarningState = ScreenWarningState::MayAct;
  if (!startGame(game)) return false;
  if (remember && settings_) {
    const std::vector<SettingsEntry> entries{{"Game", std::to_string(game)},
                                             {"Game_name", app_.config.get(Field::GameTitle)},
                                             {"Game_TreeNum", kUnfiledTreeNumber}};
    settings_->writeStrings(kPreferenceSection, entries);
  }
  return true;
}

bool GameController::resumeSavedGame(const SavedGame& saved, const GameParams& params) {
  // Under the identity it was played with, before that changes.
  recordGameInProgress();
  ConfigRecord& c = app_.config;
  const bool gameChanged = saved.game != currentGameOf(c);
  // A file with no usable name keeps the current player.
  const bool playerChanged = validPlayerName(saved.playerName) && saved.playerName != c.get(Field::PlayerName);
  if (gameChanged || playerChanged) c.resetCurrentCounters();
  if (playerChanged) {
    c.put(Field::PlayerName, saved.playerName);
    if (settings_) settings_->writeString(kPreferenceSection, Field::PlayerName.preferenceKey, saved.playerName);
  }
  if (gameChanged || app_.screenWarningState == ScreenWarningState::StartUp)
    app_.screenWarningState = ScreenWarningState::MayAct;
  c.put(Field::CurrentGame, std::to_string(saved.game));
  c.put(Field::GameTitle, app_.games.name(saved.game, customGameNamesOf(app_.customGamesPath())));
  c.put(Field::ScoringSystem, pad(saved.scoringSystem, Field::ScoringSystem.length));
  prepareTable(params);
  applyPlayPreferences();
  PlayPreferences& prefs = session_->state().prefs;
  prefs.scoring = saved.scoringSystem == 1;
  dealNumber_ = saved.dealNumber;
  c.put(Field::DealNumber, dealNumber_);
  // The game is recorded under the identity it has now when it ends.
  recorder_->gameDealt();
  ResumePoint point = resumePointOf(saved);
  // The autoplay that follows a start flies from the table as it is shown,
  // so it waits until the table is on screen.
  point.openingAutoplay = false;
  const std::string error = session_->resume(params, point);
  table_->showWithoutDeal();
  // The counter counts the table as it lies, as after a deal.
  counter_->dealt();
  updateCaption();
  refreshWindow();
  if (!error.empty()) return false;
  if (prefs.autoplay) setAutoplay(true);
  return true;
}

void GameController::prepareTable(const GameParams& params) {
  // A window narrower than the display decides as a narrow display would;
  // the message about the display is only told where the display is narrow.
  const int display = displayWidth_();
  const int width = window_.isVisible() ? std::min(display, window_.width()) : display;
  const SmallScreenOutcome outcome = applySmallScreenRule(app_, params, width);
  window_.setItemEnabled("mnuCustomize", !outcome.narrow);
  if (outcome.showMessage && display < kNarrowDisplayWidth) {
    information_(QString::fromStdString(smallScreenMessage(app_.config.get(Field::GameTitle))));
    window_.repaint();
  }
  const auto wanted = cardSizeFromCode(app_.config.get(Field::CardSize));
  if (wanted && wanted->code != images_->size().code) setCardSize(*wanted);
}

void GameController::applyPlayPreferences() {
  PlayPreferences& prefs = session_->state().prefs;
  const bool scoring = prefs.scoring;
  prefs = playPreferencesOf(app_.config, window_.isAutoplayOn());
  prefs.scoring = scoring;
}

void GameController::setUpBackground() {
  background_ = std::make_unique<TableBackground>(app_.config, settings_, *library_, dirs_.install);
  const QScreen* screen = QGuiApplication::primaryScreen();
  background_->manyColours = !screen || screen->depth() > 8;
  background_->scrollBarShown = [this] { return window_.tableScrollBar() && window_.tableScrollBar()->isVisible(); };
  // Told after the paint that found the picture missing has finished.
  background_->information = [this](const QString& text) {
    QTimer::singleShot(0, this, [this, text] { information_(text); });
  };
  table_->setBackgroundPaint([this](QPainter& painter, const QSize& surface) { background_->paint(painter, surface); });
}

int GameController::faceSet() const { return recordNumber(app_.config, Field::FaceSet, kDefaultFaceSet, kLastFaceSet); }

int GameController::backDesign() const { return recordNumber(app_.config, Field::BackDesign, kDefaultBackDesign, 999); }

void GameController::applyAnimationPreferences() {
  table_->animation = animationSettingsOf(app_.config);
  table_->irregularPiles = app_.config.get(Field::IrregularPiles) == "Y";
}

void GameController::showAppearance() {
  // Moves still flying would land on a table laid out for other cards.
  table_->finishAnimation();
  const auto size = cardSizeFromCode(app_.config.get(Field::CardSize)).value_or(kBigCards);
  images_->load(size, faceSet(), backDesign());
  table_->irregularPiles = app_.config.get(Field::IrregularPiles) == "Y";
  table_->relayout();
  table_->backgroundChanged();
}

void GameController::applyPreferences(int cursorSet) {
  applyAnimationPreferences();
  applyPlayPreferences();
  table_->setScrollingWanted(app_.config.get(Field::VertScrollBar) == "Y");
  window_.setShowPileSizes(app_.config.get(Field::ShowPileSizes) == "Y");
  app_.window.cursorSet = cursorSet;
  applyCursorSet(*table_, window_, *cursors_, cursorSet);
  assistant_->readPreferences(settings_);
  refreshWindow();
}

// A new deal may bring a random background, face set and back.
void GameController::chooseRandomAppearance() {
  const ConfigRecord& c = app_.config;
  if (c.get(Field::RandomBackground) != "Y" && c.get(Field::RandomFaceSet) != "Y" &&
      c.get(Field::RandomBackDesign) != "Y")
    return;
  const std::filesystem::path images = dirs_.install / "Images";
  RandomAppearanceSources sources;
  sources.backgrounds = listPictures(images, "b");
  sources.backCount = static_cast<int>(listPictures(images, "db").size());
  sources.manyColours = background_->manyColours;
  sources.random = [](int low, int high) { return QRandomGenerator::global()->bounded(low, high + 1); };
  const RandomAppearanceOutcome outcome = kes::chooseRandomAppearance(app_.config, sources);
  if (outcome.faceSet || outcome.backDesign) images_->load(images_->size(), faceSet(), backDesign());
  if (outcome.background) table_->backgroundChanged();
}

void GameController::setCardSize(CardSize size) {
  images_->load(size, faceSet(), backDesign());
  table_->relayout();
}

void GameController::setDealNumber(const std::string& dealNumber) {
  dealNumber_ = dealNumber;
  app_.config.put(Field::DealNumber, dealNumber_);
  app_.config.put(Field::GameScore, "0");
}

void GameController::deal(const std::string& dealNumber) {
  // The game in progress is recorded under its own deal number.
  recordGameInProgress();
  applyPlayPreferences();
  setDealNumber(dealNumber);
  session_->deal(dealNumber_);
  chooseRandomAppearance();
  if (settings_) rememberDealNumber(*settings_, dealNumber_);
  updateCaption();
  refreshWindow();
}

// A new deal is shown before what is played on it: the autoplay after it
// flies once the deal has landed, and the clock starts when the deal has
// been shown.
void GameController::showDeal() {
  table_->resetScrolling();
  table_->relayout();
  table_->animateDeal();
  gameSounds_->dealAnimated();
  session_->clock().reset();
  table_->whenIdle([this] {
    if (!session_->state().inProgress || session_->clock().running()) return;
    session_->clock().start();
    refreshWindow();
  });
}

bool GameController::confirmAbandon(const QString& question) {
  if (window_.isWinningAnimationRunning()) return false;
  // A demo is watched, not played: there is nothing to give up.
  if (demo_ && demo_->active()) return true;
  if (app_.config.get(Field::ConfirmQuitGame) == "N") return true;
  const QString text = question.isEmpty() ? QStringLiteral("Quit this game?") : question;
  const GameState& g = session_->state();
  const bool agreed = !g.inProgress || g.won || question_(text);
  window_.repaint();
  return agreed;
}

void GameController::newGame() {
  if (!confirmAbandon()) return;
  recordGameInProgress();
  gameSounds_->newGame();
  deal(randomDealOf(session_->state().params));
}

void GameController::restartGame() {
  const QString question = QStringLiteral("Restart this game?\rGame number: ") + QString::fromStdString(dealNumber_);
  if (!confirmAbandon(question)) return;
  table_->recordPlaces();
  session_->restart();
  // The deal is played again under the same identity.
  recorder_->gameDealt();
  table_->drawIrregularOffsets();
  table_->clearInformation();
  table_->tableChanged();
}

void GameController::selectGameNumber() {
  QStringList recent;
  if (settings_)
    for (const std::string& number : recentDealNumbers(*settings_)) recent << QString::fromStdString(number);
  TfrmSelectGameNumber dialog(recent, QString::fromStdString(dealNumber_), &window_);
  if (runDialog_(dialog) != QDialog::Accepted) return;
  if (!confirmAbandon()) return;
  recordGameInProgress();
  deal(dialog.dealNumber());
}

void GameController::randomGame() {
  const auto& games = app_.games.entries();
  if (games.empty()) return;
  // Every game of the list alike, the last one too.
  const auto pick = QRandomGenerator::global()->bounded(static_cast<int>(games.size()));
  startChosenGame(games[static_cast<std::size_t>(pick)].number, app_.config.get(Field::PlayerName), true);
}

std::string GameController::randomDealOf(const GameParams& params) {
  return assistant_->chooseRandomDeal(params, randomDealNumber);
}

void GameController::hint() { assistant_->hint(); }

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

// The game stays the current one: the player chooses the next game, or
// deals this one anew.
void GameController::quitGame() {
  if (!confirmAbandon()) return;
  table_->finishAnimation();
  recordGameInProgress();
  chooseNextGame();
}

void GameController::chooseNextGame() {
  table_->finishAnimation();
  table_->clearTable();
  refreshWindow();
  emit gameSelectionWanted();
}

std::optional<CustomGameRules> GameController::customRulesOf(int game) const {
  if (game < kFirstCustomGame) return std::nullopt;
  const auto record = findCustomGame(app_.customGamesPath(), game);
  if (!record) return std::nullopt;
  return CustomGameRules{record->baseGame, record->ruleString};
}

void GameController::closeCurrentGame() {
  table_->finishAnimation();
  recordGameInProgress();
  table_->clearTable();
  app_.config.put(Field::CurrentGame, kNoGame);
  app_.config.put(Field::GameTitle, "");
  updateCaption();
  refreshWindow();
}

RulesHelpSources GameController::rulesHelpSources() {
  // A build tree keeps the module beside its data.
  QStringList modules = SystemSoundOutput::defaultModuleFolders();
  modules << QString::fromStdString(dirs_.install.string());
  return {app_.helpFile,
          dirs_.writable,
          modules,
          app_.customGamesPath(),
          &app_.catalogue,
          &app_.games,
          [this] { return currentGameOf(app_.config); }};
}

bool GameController::gameSelected() const { return currentGameOf(app_.config) >= 0; }

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

// A demo is left first, which marks it not in progress: it never reaches
// the statistics.
void GameController::recordGameInProgress() {
  if (demo_) demo_->stop();
  session_->endGame();
}

void GameController::shutDown() {
  shuttingDown_ = true;
  recordGameInProgress();
}

StatisticsFiles& GameController::statisticsFiles() { return recorder_->files(); }

// The engine reports the end of the game here, before the "Won" sound and
// the winning animation; the won-game message follows the animation.
void GameController::recordResult(const GameState& game, bool won, int seconds) {
  RecordedResult recorded;
  {
    BusyCursor busy;
    window_.hidePileSizeTip();
    recorded = recorder_->record(game, won, seconds);
  }
  refreshWindow();
  // Announced once the last card has landed, before the "Won" sound and the
  // winning animation, which wait behind it; not while the program closes.
  if (recorded.hiScorePlace && !shuttingDown_ && app_.config.get(Field::ConfirmEnterHiScores) != "N")
    announceHiScore(*recorded.hiScorePlace);
}

void GameController::announceHiScore(int place) {
  const int game = currentGameOf(app_.config);
  const QString caption = newHiScoreCaption(app_.config.get(Field::GameTitle));
  table_->whenIdle([self = QPointer<GameController>(this), game, place, caption] {
    if (self) self->showHiScores(game, place, caption);
  });
}

void GameController::showCurrentHiScores() { showHiScores(currentGameOf(app_.config)); }

void GameController::showHiScores(int game, std::optional<int> newPlace, const QString& caption, QWidget* parent) {
  playHiScoreSound(*sounds_, newPlace.has_value());
  StatisticsFiles& files = recorder_->files();
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  TfrmHiScore dialog(hiScoreGames(app_), hiScoreEntries(files, app_.config), parent ? parent : &window_);
  dialog.clearScores = [this, &files] {
    if (!yesNo_(QString::fromUtf8(kClearHiScoresQuestion.data(), qsizetype(kClearHiScoresQuestion.size()))))
      return false;
    clearHiScores(files);
    return true;
  };
  dialog.setNewEntry(newPlace.has_value());
  dialog.showGame(game, newPlace.value_or(1), caption);
  QGuiApplication::restoreOverrideCursor();
  runDialog_(dialog);
}

// After the winning animation: the player's totals, and what next.
void GameController::showGameWon() {
  for (;;) {
    const PlayerGameStats totals = currentPlayerStats(recorder_->files(), app_.config);
    TfrmGameWon dialog(QString::fromStdString(app_.config.get(Field::GameTitle)), totals.won, totals.lost, &window_);
    dialog.setStatisticsOffered(static_cast<bool>(statisticsDialog_));
    dialog.setGameSelectionOffered(static_cast<bool>(gameSelectionDialog_));
    runDialog_(dialog);
    switch (dialog.choice()) {
      case TfrmGameWon::Choice::NewGame: return newGame();
      case TfrmGameWon::Choice::Restart: return restartGame();
      case TfrmGameWon::Choice::Statistics:
        if (statisticsDialog_ && statisticsDialog_()) return;
        continue;
      case TfrmGameWon::Choice::OpenGame:
        if (gameSelectionDialog_ && gameSelectionDialog_()) return;
        continue;
      case TfrmGameWon::Choice::SelectNumber:
        selectGameNumber();
        if (session_->state().inProgress) return;
        continue;
      case TfrmGameWon::Choice::Cancel: table_->update(); return;
    }
  }
}

void GameController::checkStatisticsFiles() { upgradeStatisticsFiles(recorder_->files(), app_.config, settings_); }

// After every change of the game: score, clock and the commands it allows.
void GameController::refreshWindow() {
  const GameState& g = session_->state();
  app_.config.put(Field::GameScore, std::to_string(g.score));
  window_.setScore(g.score);
  refreshClock();
  window_.setTiming(session_->clock().running());
  refreshCommands();
}

void GameController::refreshClock() { window_.setPlayingTime(session_->clock().elapsed()); }

void GameController::refreshCommands() {
  const CommandStates s = commandStatesOf(session_->state(), gameSelected());
  window_.SetGameCommandsEnabled(s.gameCommands);
  // A paused game can always be resumed from its menu item.
  window_.setItemEnabled("mnuPause", s.inProgress || window_.isPaused());
  window_.setItemEnabled("mnuQuitGame", s.inProgress);
  window_.SetUndoRedoEnabled(s.undo, s.redo);
  window_.SetAutoplayEnabled(s.autoplay);
  // During a demo the bar steps through the moves; nothing is played.
  const bool demo = demo_ && demo_->active();
  window_.setItemEnabled("mnuDemo", demo || (s.gameCommands && std::filesystem::exists(demoFile())));
  if (!demo) return;
  for (const char* item : {"mnuRestartGame", "mnuPause", "mnuQuitGame", "mnuAutoPlay"})
    window_.setItemEnabled(item, false);
  window_.SetUndoRedoEnabled(false, false);
}

std::filesystem::path GameController::demoFile() const {
  return dirs_.install / "Demos" / ("G" + pad(currentGameOf(app_.config), 4) + ".GAM");
}

void GameController::setUpDemo() {
  DemoPlayback::Hooks hooks;
  hooks.load = [this](QString& error) { return loadDemo(error); };
  hooks.information = [this](const QString& text) { information_(text); };
  hooks.showMode = [this](bool on) { showDemoMode(on); };
  hooks.recordPlaces = [this] { table_->recordPlaces(); };
  hooks.redraw = [this] { table_->tableChanged(); };
  hooks.busy = [this] { return table_->animating(); };
  // A move every so many steps of a card's flight at the animation speed.
  hooks.stepInterval = [this] { return std::max(kDemoStepLeast, table_->animation.moveSpeed * kDemoStepFlights); };
  demo_ = std::make_unique<DemoPlayback>(*session_, *window_.demoBar(), std::move(hooks));
  table_->refusesPresses = [this] { return demo_->active(); };
  window_.provideFeature("demo");
}

void GameController::showDemoMode(bool on) {
  table_->finishAnimation();
  if (QAction* item = window_.menuAction("mnuDemo")) item->setChecked(on);
  window_.setDemoBarShown(on);
  background_->demoPlaying = on;
  table_->backgroundChanged();
}

void GameController::toggleDemo() {
  if (demo_->active()) {
    demo_->stop();
  } else if (!confirmAbandon() || !demo_->start()) {
    // Declined or refused: the tick the command set itself goes again.
    if (QAction* item = window_.menuAction("mnuDemo")) item->setChecked(demo_->active());
  }
  refreshWindow();
}

// The demo is loaded like a saved game, but it is watched, not played: the
// current player stays, nothing is recorded, the clock does not run and
// no autoplay follows.
bool GameController::loadDemo(QString& error) {
  const int game = currentGameOf(app_.config);
  const std::filesystem::path file = demoFile();
  const SavedGameLoad load = loadSavedGame(file, [this](int number) -> std::optional<GameParams> {
    GameParams params;
    SavedPileParams saved;
    if (!loadGameParams(app_.catalogue, number, customRulesOf(number), params, saved).ok()) return std::nullopt;
    return params;
  });
  if (!load.ok()) {
    error = QString::fromStdString(load.error);
    return false;
  }
  if (load.saved->game != game) {
    error = QString::fromStdString(savedGameRefusal(file, "it is the demo of game " + std::to_string(load.saved->game)));
    return false;
  }
  ResumePoint point = resumePointOf(*load.saved);
  point.openingAutoplay = false;
  point.elapsed = std::chrono::seconds{0};
  applyPlayPreferences();
  setDealNumber(load.saved->dealNumber);
  if (const std::string failure = session_->resume(load.params, point); !failure.empty()) {
    error = QString::fromStdString(savedGameRefusal(file, failure));
    return false;
  }
  session_->clock().stop();
  updateCaption();
  return true;
}

void GameController::updateCaption() {
  const QString caption =
      gameCaption(app_.config.get(Field::GameTitle), app_.config.get(Field::PlayerName), dealNumber_);
  if (window_.windowTitle() != caption) window_.setWindowTitle(caption);
}

}  // namespace kes
