#include "app/saved_games.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/startup/preference_table.h"
#include "datafiles/config_field.h"
#include "datafiles/message_sink.h"
#include "datafiles/product_title.h"
#include "datafiles/saved_game_load.h"
#include "datafiles/settings_file.h"
#include "datafiles/whole_number.h"
#include "appearance/busy_cursor.h"

namespace kes {

namespace {

constexpr const char* kFolderKey = "Dir_Save";

// The file routines' messages go where the controller's information goes.
class InformationSink : public MessageSink {
 public:
  explicit InformationSink(GameController& controller) : controller_(controller) {}
  void information(const std::string& text) override { controller_.inform(QString::fromStdString(text)); }

 private:
  GameController& controller_;
};

int numberIn(const ConfigRecord& config, const ConfigField& field, int fallback) {
  const auto n = wholeNumber(config.get(field));
  return n && *n >= -999'999'999 && *n <= 999'999'999 ? static_cast<int>(*n) : fallback;
}

// The table's look when the game is saved, kept in the file's header.
SavedAppearance appearanceOf(const ConfigRecord& c) {
  SavedAppearance look;
  look.backgroundBitmap = c.get(Field::BackgroundBitmap);
  look.backgroundColour = wholeNumber(c.get(Field::BackgroundColour)).value_or(0);
  look.useDefaultBackground = c.get(Field::UseDefaultBackground);
  const std::string size = c.get(Field::CardSize);
  look.cardSize = size.empty() ? 'B' : size.front();
  look.faceSet = c.get(Field::FaceSet);
  look.backDesign = numberIn(c, Field::BackDesign, 0);
  return look;
}

}  // namespace

SavedGames::SavedGames(GameController& controller, SettingsFile* settings)
    : controller_(controller), settings_(settings) {}

// The program's own folders may be read-only; the player's saved games
// start out beside the other data the program writes.
QString SavedGames::folder() const {
  const std::string fallback = controller_.dirs().writable.string();
  const std::string remembered = settings_ ? settings_->readString(kPreferenceSection, kFolderKey, "") : "";
  return QString::fromStdString(remembered.empty() ? fallback : remembered);
}

void SavedGames::rememberFolder(const QString& file) {
  if (settings_) settings_->writeString(kPreferenceSection, kFolderKey, QFileInfo(file).absolutePath().toStdString());
}

QString SavedGames::chooseFile(QFileDialog& dialog) {
  // The question about replacing a file is this program's own.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (controller_.runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QMessageBox::StandardButton SavedGames::askReplace(const QString& file, QWidget* parent) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProductTitle),
                  QDir::toNativeSeparators(file) + QStringLiteral("\nThis file already exists.\nReplace existing file?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::No);
  return static_cast<QMessageBox::StandardButton>(controller_.runDialog(box));
}

QString SavedGames::chooseSaveFile() {
  QWidget* parent = &controller_.window();
  for (;;) {
    QFileDialog dialog(parent, QStringLiteral("Save game"), folder(), QStringLiteral("Game (*.gam)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("gam"));
    const QString file = chooseFile(dialog);
    if (file.isEmpty() || !QFileInfo::exists(file)) return file;
    switch (askReplace(file, parent)) {
      case QMessageBox::Yes: return file;
      case QMessageBox::No: continue;
      default: return {};
    }
  }
}

SavedGame SavedGames::gameOnTable() const {
  GameSession& session = controller_.session();
  const ConfigRecord& c = controller_.config();
  // A clock that never started reads zero.
  SavedGame saved = savedGameOf(session.state(), controller_.currentGame(),
                                static_cast<int>(session.clock().elapsed().count()));
  saved.appearance = appearanceOf(c);
  saved.scoringSystem = numberIn(c, Field::ScoringSystem, 1);
  saved.playerName = c.get(Field::PlayerName);
  saved.dealNumber = controller_.dealNumber();
  return saved;
}

void SavedGames::save() {
  if (controller_.currentGame() < 0) return;
  const QString file = chooseSaveFile();
  if (file.isEmpty()) return;
  InformationSink messages(controller_);
  bool written = false;
  {
    BusyCursor busy;
    written = writeSavedGame(file.toStdString(), gameOnTable(), messages);
  }
  if (written) rememberFolder(file);
}

bool SavedGames::load(QWidget* parent) {
  TfrmMain& window = controller_.window();
  if (window.isWinningAnimationRunning()) return false;
  QFileDialog dialog(parent ? parent : &window, QStringLiteral("Open game"), folder(),
                     QStringLiteral("Game (*.GAM *.gam)"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const QString file = chooseFile(dialog);
  if (file.isEmpty()) return false;
  if (!QFileInfo::exists(file)) {
    controller_.inform(QStringLiteral("File not found: ") + QDir::toNativeSeparators(file));
    return false;
  }
  // The file is read and checked before the game in progress is given up:
  // a file that is refused costs that game nothing.
  SavedGameLoad loaded;
  {
    BusyCursor busy;
    loaded = loadSavedGame(file.toStdString(), [this](int game) { return controller_.paramsOf(game); });
  }
  if (!loaded.ok()) {
    controller_.inform(QString::fromStdString(loaded.error));
    return false;
  }
  if (!controller_.confirmAbandon()) return false;
  controller_.recordGameInProgress();
  rememberFolder(file);
  return controller_.resumeSavedGame(*loaded.saved, loaded.params);
}

}  // namespace kes
