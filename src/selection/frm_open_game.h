#pragma once

#include <QDialog>
#include <map>
#include <optional>
#include <utility>

#include "datafiles/custom_game_record.h"
#include "datafiles/game_folders.h"

class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;
class QTreeWidgetItem;

namespace kes {

class GameDescription;
class GameTree;
class SelectionHost;

// "Open a game": the player chooses a game from the folders of the
// catalogue and a player, and OK starts it. The dialog is made once and
// kept, so the folders stay as the player left them.
class TfrmOpenGame : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmOpenGame(SelectionHost& host, QWidget* parent = nullptr);

  // Makes the dialog ready to be shown: on the first showing the remembered
  // folder opens on the current game; every showing selects the current
  // player and describes the selection.
  void prepare();
  // The custom games or the favourites changed.
  void refreshCustomGames();
  void refreshFavourites();

  GameTree& tree() { return *trvGames_; }
  // Deletes the selected custom game after asking.
  void deleteSelected();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildControls();
  void buildPopup();
  FolderSources sources();
  std::optional<int> parameter(int game, int number);
  void describe(QTreeWidgetItem* item);
  void onDoubleClicked(QTreeWidgetItem* item);
  void onOk();
  void showRules();
  void showStatistics();
  void openSavedGame();
  std::optional<CustomGame> customGame(int number) const;
  bool selectedIsCustom() const;
  void showSkippedCustomGames(int skipped);

  SelectionHost& host_;
  GameTree* trvGames_ = nullptr;
  GameDescription* description_ = nullptr;
  QComboBox* cboPlayers_ = nullptr;
  QCheckBox* chkPreview_ = nullptr;
  QPushButton* btnOK_ = nullptr;
  QPushButton* btnRules_ = nullptr;
  QPushButton* btnStatistics_ = nullptr;
  QPushButton* btnOpen_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* mnuRules_ = nullptr;
  QAction* mnuStatistics_ = nullptr;
  QAction* mnuDelete_ = nullptr;
  bool shownBefore_ = false;
  std::vector<FolderGame> catalogueGames_;
  std::vector<int> selectedGames_;
  std::map<std::pair<int, int>, std::optional<int>> parameters_;
  std::vector<CustomGame> customGames_;
  int skippedShown_ = 0;
};

}  // namespace kes
