#pragma once

#include <QDialog>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "app/startup/app_context.h"
#include "app/table_background.h"
#include "app/winning_sequence.h"
#include "datafiles/catalogue_file.h"
#include "datafiles/data_dirs.h"
#include "display/resources/resource_library.h"
#include "display/table/card_images.h"
#include "display/table/table_widget.h"
#include "engine/custom_rules.h"
#include "engine/event_fan_out.h"
#include "engine/game_session.h"

namespace kes {

class CardCounter;
class DemoPlayback;
class CursorTable;
class GameRecorder;
class MessageSink;
class GameSounds;
class RulesHelp;
class SolverAssistant;
struct RulesHelpSources;
class SoundPlayer;
class SavedGames;
class SettingsFile;
class TfrmMain;
struct SavedGame;
struct StatisticsFiles;

// Connects the main window's game commands to the game being played and
// keeps the window's clock, score and command states in step with it. The
// identity of the current game lives in the configuration record of the
// start-up context; without one (drawing a table to a file) the controller
// keeps its own, and without a settings file nothing is remembered.
class GameController : public QObject, public ResultListener {
  Q_OBJECT

 public:
  // Asks a question with OK and Cancel; true means OK.
  using Question = std::function<bool(const QString& text)>;
  using Information = std::function<void(const QString& text)>;
  // Runs a modal dialog to its end and returns its result.
  using DialogRunner = std::function<int(QDialog& dialog)>;

  // The resource library start-up opened, or none to open it here.
  GameController(TfrmMain& window, const DataDirs& dirs, AppContext* app = nullptr, SettingsFile* settings = nullptr,
                 std::unique_ptr<ResourceLibrary> library = nullptr);
  ~GameController() override;

  // Whether the catalogue (start-up's, or read here without a start-up
  // context) and the resource library could be read; the
  // message says what is missing otherwise.
  bool ready() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }

  // Makes a catalogue game current and deals it; a deal number of 13 digits,
  // or none for a random one.
  bool startGame(int game, const std::optional<std::string>& dealNumber = std::nullopt);
  // Makes another game and/or player current and deals it, after the player
  // agreed to give up the game in progress; remember keeps the game for the
  // next run. False when nothing was started.
  bool startChosenGame(int game, const std::string& player, bool remember);
  // Whether the game in progress may be given up; none asks "Quit this game?".
  bool confirmAbandon(const QString& question = QString());
  // Ends the current game and leaves no game selected.
  void closeCurrentGame();
  // The table is cleared and the player chooses the next game; the game in
  // progress must have been recorded before.
  void chooseNextGame();
  // Records the game in progress (lost unless it was won) and ends it,
  // under the game, deal and player it was played with; nothing when no
  // game is in progress. Every feature that starts something else in its
  // place (another game, game number or deal, another player, a saved game,
  // changed rules) calls this first, after confirmAbandon agreed and before
  // it changes the current game, deal or player.
  void recordGameInProgress();
  // Plays on from a saved game: its game, player and deal become the current
  // ones, its table and undo history are put back without dealing, and the
  // clock runs on from the time already played. A game still in progress is
  // recorded first (callers ask confirmAbandon before). False when the table
  // could not be put back.
  bool resumeSavedGame(const SavedGame& saved, const GameParams& params);
  // "&Save..." and "Open a sa&ved game...".
  SavedGames& savedGames() { return *savedGames_; }
  // The parameters of a game number, custom rules applied; none when the
  // catalogue and the custom games know no such game.
  std::optional<GameParams> paramsOf(int game) const;
  // The current game's number; -1 for none.
  int currentGame() const;
  // The statistics files the results are written to.
  StatisticsFiles& statisticsFiles();
  // The hi-score table of a game, with a new entry's place and the caption
  // that announces it, or none.
  void showHiScores(int game, std::optional<int> newPlace = std::nullopt, const QString& caption = QString(),
                    QWidget* parent = nullptr);
  // What the game-won dialog's "Statistics..." and "Open a game..." open;
  // each button stays disabled until its dialog is given. Each says
  // whether a game was started from it.
  void setStatisticsDialog(std::function<bool()> open) { statisticsDialog_ = std::move(open); }
  void setGameSelectionDialog(std::function<bool()> open) { gameSelectionDialog_ = std::move(open); }

  // Shows the cards in another size and lays the table out for it.
  void setCardSize(CardSize size);
  // The face set and back design the preferences ask for.
  int faceSet() const;
  int backDesign() const;
  // The background preferences, and the background painted from them.
  BackgroundSettings backgroundSettings() const { return backgroundSettingsOf(app_.config); }
  TableBackground& background() { return *background_; }
  // The record the preferences live in (the controller's own when it has no
  // start-up context).
  ConfigRecord& config() { return app_.config; }
  // The animation switches and the move speed the preferences ask for.
  void applyAnimationPreferences();
  // Shows the appearance the record holds at once: card size, faces, back,
  // irregular piles, layout and background.
  void showAppearance();
  // The preferences of the table and the rules the record holds take effect:
  // animations, shadows, scroll bar, pile sizes, undo mode and the cursor set.
  void applyPreferences(int cursorSet);
  const ResourceLibrary& library() const { return *library_; }
  const DataDirs& dirs() const { return dirs_; }

  // Where questions and information go; message boxes unless replaced.
  void setQuestion(Question question) { question_ = std::move(question); }
  // Questions answered with Yes or No; true means Yes.
  void setYesNoQuestion(Question question) { yesNo_ = std::move(question); }
  void setInformation(Information information) { information_ = std::move(information); }
  // Tells the player something, where information goes.
  void inform(const QString& text) { information_(text); }
  // Every modal dialog the controller opens runs through this; exec()
  // unless replaced (tests answer dialogs here).
  void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }
  int runDialog(QDialog& dialog) { return runDialog_(dialog); }
  // The width of the display in pixels; the primary screen's unless replaced.
  void setDisplayWidth(std::function<int()> width) { displayWidth_ = std::move(width); }

  GameSession& session() { return *session_; }
  TfrmMain& window() { return window_; }
  // The sound effects under the sound switches (silent until an output is
  // given); see SoundPlayer for what callers may ask of it.
  SoundPlayer& sounds() { return *sounds_; }
  // Where the engine's notices go: the table first, then other listeners
  // added here.
  EventFanOut& events() { return fanOut_; }
  // The card counter window behind "&Card counter..." (F8).
  CardCounter& cardCounter() { return *counter_; }
  // The rules of the games and the help behind "&Rules" (F1) and "&Contents".
  RulesHelp& rulesHelp() { return *rulesHelp_; }
  // "&Hint", the winnable status and "Winnable deals only".
  SolverAssistant& solverAssistant() { return *assistant_; }
  TableWidget& table() { return *table_; }
  // The demo of the current game behind "&Demo" (Ctrl+D).
  DemoPlayback& demo() { return *demo_; }
  // The current game's demo file in the installation folder.
  std::filesystem::path demoFile() const;
  const std::string& dealNumber() const { return dealNumber_; }
  const AppContext& app() const { return app_; }
  // The window's caption after the game, player or deal number changed.
  void updateCaption();

  void recordResult(const GameState& game, bool won, int seconds) override;

  // A random deal number as the game-number generator of the program draws it.
  static std::string randomDealNumber();

 public slots:
  void newGame();
  void restartGame();
  void selectGameNumber();
  void randomGame();
  void hint();
  void undo();
  void redo();
  void quitGame();
  void setAutoplay(bool on);
  void setPaused(bool paused);
  // The window is closing: the game in progress is recorded without
  // announcing a hi-score.
  void shutDown();
  // "&Hi-Scores..." (F9): the current game's table.
  void showCurrentHiScores();
  // "&Demo": a demo of the current game, or back from it.
  void toggleDemo();

 signals:
  // The player is to choose the next game: after the start-up's first
  // activation, and after a game was quit.
  void gameSelectionWanted();

 private:
  // The rules a custom game lays over its base game; none for a catalogue
  // game or a custom game that is gone.
  std::optional<CustomGameRules> customRulesOf(int game) const;
  void announceHiScore(int place);
  void showGameWon();
  // At the first activation: an older hi-score file is brought up to date.
  void checkStatisticsFiles();
  void deal(const std::string& dealNumber);
  void showDeal();
  void setDealNumber(const std::string& dealNumber);
  // A random deal of the game, winnable when the player asked for that.
  std::string randomDealOf(const GameParams& params);
  void prepareTable(const GameParams& params);
  void setUpBackground();
  void applyPlayPreferences();
  void chooseRandomAppearance();
  bool gameSelected() const;
  RulesHelpSources rulesHelpSources();
  void refreshWindow();
  void refreshClock();
  void refreshCommands();
  void setUpDemo();
  // Demo mode shown or hidden: the command's tick, the panel, the background.
  void showDemoMode(bool on);
  bool loadDemo(QString& error);

  TfrmMain& window_;
  DataDirs dirs_;
  std::unique_ptr<AppContext> ownApp_;
  AppContext& app_;
  SettingsFile* settings_;
  Question question_;
  Information information_;
  Question yesNo_;
  std::function<bool()> statisticsDialog_;
  std::function<bool()> gameSelectionDialog_;
  std::function<int()> displayWidth_;
  QString error_;
  std::unique_ptr<ResourceLibrary> library_;
  std::unique_ptr<CursorTable> cursors_;
  std::unique_ptr<CardImages> images_;
  std::unique_ptr<TableBackground> background_;
  std::unique_ptr<TableEvents> events_;
  EventFanOut fanOut_;
  std::unique_ptr<SoundPlayer> sounds_;
  std::unique_ptr<GameSounds> gameSounds_;
  std::unique_ptr<CardCounter> counter_;
  std::unique_ptr<RulesHelp> rulesHelp_;
  std::unique_ptr<GameSession> session_;
  TableWidget* table_ = nullptr;
  std::unique_ptr<SolverAssistant> assistant_;
  std::unique_ptr<WinningSequence> winning_;
  std::unique_ptr<MessageSink> statisticsMessages_;
  std::unique_ptr<GameRecorder> recorder_;
  std::unique_ptr<DemoPlayback> demo_;
  std::unique_ptr<SavedGames> savedGames_;
  DialogRunner runDialog_;
  bool shuttingDown_ = false;
  std::string dealNumber_;
};

}  // namespace kes
