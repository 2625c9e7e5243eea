#pragma once

#include <QMessageBox>
#include <QString>

class QFileDialog;
class QWidget;

namespace kes {

class GameController;
class SettingsFile;
struct SavedGame;

// "&Save..." and "Open a sa&ved game...": the game on the table written to a
// file, and a game played on from one. The file dialogs and the questions
// run through the controller's dialog runner, so that tests answer them.
class SavedGames {
 public:
  // Without a settings file the dialogs start in the writable data folder
  // and nothing is remembered.
  SavedGames(GameController& controller, SettingsFile* settings);

  // Writes the game on the table to a file the player chooses; the game
  // itself does not change.
  void save();
  // The player chooses a saved game; once the file has been read and found
  // sound and the game in progress has been given up, play goes on from the
  // file. True when a game was loaded. The dialogs open over `parent`, or
  // over the main window.
  bool load(QWidget* parent = nullptr);

  // Where the file dialogs start: the folder of the last file saved or
  // loaded.
  QString folder() const;

 private:
  void rememberFolder(const QString& file);
  // The file the player chose in the dialog; empty when it was cancelled.
  QString chooseFile(QFileDialog& dialog);
  // Yes replaces the file, No chooses again, Cancel gives up.
  QMessageBox::StandardButton askReplace(const QString& file, QWidget* parent);
  // The file the game is to be saved to; empty when the player gave up.
  QString chooseSaveFile();
  SavedGame gameOnTable() const;

  GameController& controller_;
  SettingsFile* settings_;
};

}  // namespace kes
