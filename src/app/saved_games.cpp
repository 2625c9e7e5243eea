// "&Save..." and "Open a sa&ved game...": the saved-game files as the window
// offers them. The dialogs and questions run through the controller's dialog
// runner, so that tests answer them.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/game_recorder.h"
#include "app/startup/preference_table.h"
#include "datafiles/config_field.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/game_list.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/player_name.h"
#include "datafiles/product_title.h"
#include "datafiles/saved_game_load.h"
#include "datafiles/settings_file.h"
#include "datafiles/whole_number.h"
#include "game_controller.h"
#include "main_window.h"

namespace kes {

namespace {

constexpr const char* kDirSaveKey = "Dir_Save";

// Keeps the messages of the file writing for the window's information box.
struct InformationSink : MessageSink {
  GameController::Information& show;
  explicit InformationSink(GameController::Information& s) : show(s) {}
  void information(const std::string& text) override { show(QString::fromStdString(text)); }
};

// The current game as a number; -1 for none.
int currentGameNumber(const ConfigRecord& config) {
  const auto n = wholeNumber(config.get(Field::CurrentGame));
  return n && *n > 0 && *n < 100000 ? static_cast<int>(*n) : -1;
}

int recordNumber(const ConfigRecord& config, const ConfigField& field, int fallback) {
  const auto n = wholeNumber(config.get(field));
  return n ? static_cast<int>(*n) : fallback;
}

}  // namespace

QString GameController::savedGamesFolder() const {
  if (!settings_) return QString::fromStdString(dirs_.install.string());
  return QString::fromStdString(
      settings_->readString(kPreferenceSection, kDirSaveKey, dirs_.install.string()));
}

void GameController::rememberSavedGamesFolder(const QString& file) {
  if (settings_)
    settings_->writeString(kPreferenceSection, kDirSaveKey, QFileInfo(file).absolutePath().toStdString());
}

// The file name the player chose in a file dialog run through the runner;
// empty when it was cancelled.
QString GameController::chooseFile(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (runDialog_(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

// Yes goes on, No chooses again, Cancel gives up.
QMessageBox::StandardButton GameController::askReplace(const QString& file) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProductTitle),
                  QDir::toNativeSeparators(file) + QStringLiteral("\nThis file already exists.\nReplace existing file?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &window_);
  return static_cast<QMessageBox::StandardButton>(runDialog_(box));
}

SavedGame GameController::savedGameNow() const {
  const GameState& g = session_->state();
  const int seconds = session_->clock().running() || session_->clock().paused()
                          ? static_cast<int>(session_->clock().elapsed().count())
                          : 0;
  SavedGame saved = savedGameOf(g, currentGameNumber(app_.config), seconds);
  const ConfigRecord& c = app_.config;
  saved.appearance.backgroundBitmap = c.get(Field::BackgroundBitmap);
  saved.appearance.backgroundColour = wholeNumber(c.get(Field::BackgroundColour)).value_or(0);
  saved.appearance.useDefaultBackground = c.get(Field::UseDefaultBackground);
  const std::string size = c.get(Field::CardSize);
  saved.appearance.cardSize = size.empty() ? ' ' : size[0];
  saved.appearance.faceSet = c.get(Field::FaceSet);
  saved.appearance.backDesign = recordNumber(c, Field::BackDesign, 0);
  saved.scoringSystem = recordNumber(c, Field::ScoringSystem, 1);
  saved.playerName = c.get(Field::PlayerName);
  saved.dealNumber = dealNumber_;
  return saved;
}

void GameController::saveGame() {
  QString file;
  for (;;) {
    QFileDialog dialog(&window_, QStringLiteral("Save game"), savedGamesFolder(), QStringLiteral("Game (*.gam)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("gam"));
    file = chooseFile(dialog);
    if (file.isEmpty()) return;
    if (!QFileInfo::exists(file)) break;
    const QMessageBox::StandardButton answer = askReplace(file);
    if (answer == QMessageBox::Yes) break;
    if (answer != QMessageBox::No) return;
  }
  InformationSink sink(information_);
  if (writeSavedGame(file.toStdString(), savedGameNow(), sink)) rememberSavedGamesFolder(file);
}

bool GameController::loadGame() {
  if (window_.isWinningAnimationRunning()) return false;
  QFileDialog dialog(&window_, QStringLiteral("Open game"), savedGamesFolder(), QStringLiteral("Game (*.GAM *.gam)"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const QString file = chooseFile(dialog);
  if (file.isEmpty()) return false;
  if (!QFileInfo::exists(file)) {
    information_(QStringLiteral("File not found: ") + file);
    return false;
  }
  // The file is read and checked first: a file that is refused costs the
  // game in progress nothing.
  const SavedGameLoad loaded = loadSavedGame(file.toStdString(), [this](int game) -> std::optional<GameParams> {
    GameParams params;
    SavedPileParams saved;
    if (!loadGameParams(app_.catalogue, game, customRulesOf(game), params, saved).ok()) return std::nullopt;
    return params;
  });
  if (!loaded.ok()) {
    information_(QString::fromStdString(loaded.error));
    return false;
  }
  if (!confirmAbandon()) return false;
  recordGameInProgress();
  rememberSavedGamesFolder(file);
  return resumeSavedGame(*loaded.saved, loaded.params);
}

// The saved game's identity becomes the current one, then its table and
// history go back on the table with the clock running on.
bool GameController::resumeSavedGame(const SavedGame& saved, const GameParams& params) {
  ConfigRecord& c = app_.config;
  if (saved.game != currentGameNumber(c)) c.resetCurrentCounters();
  const std::string player = saved.playerName;
  if (validPlayerName(player) && player != c.get(Field::PlayerName)) {
    c.resetCurrentCounters();
    c.put(Field::PlayerName, player);
    if (settings_) settings_->writeString(kPreferenceSection, Field::PlayerName.preferenceKey, player);
  }
  c.put(Field::CurrentGame, std::to_string(saved.game));
  c.put(Field::GameTitle, app_.games.name(saved.game, customGameNamesOf(app_.customGamesPath())));
  c.put(Field::ScoringSystem, std::to_string(100 + saved.scoringSystem).substr(1));
  prepareTable(params);
  applyPlayPreferences();
  session_->state().prefs.scoring = saved.scoringSystem == 1;
  dealNumber_ = saved.dealNumber;
  c.put(Field::DealNumber, dealNumber_);
  c.put(Field::GameScore, std::to_string(saved.score));
  const std::string error = session_->resume(params, resumePointOf(saved));
  recorder_->gameDealt();
  table_->resetScrolling();
  table_->relayout();
  table_->tableChanged();
  updateCaption();
  refreshWindow();
  return error.empty();
}

}  // namespace kes
