#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "datafiles/player_roster.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kes {

class StatisticsHost;

// The name of a player to add or rename: "Add a player" or "Edit a player".
class TfrmOperatori2 : public QDialog {
  Q_OBJECT

 public:
  enum class Purpose { Add, Edit };
  TfrmOperatori2(Purpose purpose, const QString& name, QWidget* parent = nullptr);

  QLineEdit* nameEdit() const { return edtOperatore_; }
  QString name() const;

 private:
  QLineEdit* edtOperatore_ = nullptr;
};

// "Players": chooses the current player, and adds, renames and deletes
// players. The list is written to the settings file when the dialog
// closes, however it closes; renames and deletions reach the statistics
// files at once.
class TfrmOperatori : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmOperatori(StatisticsHost& host, QWidget* parent = nullptr);

  QListWidget* list() const { return lboOperatori_; }
  const PlayerRoster& roster() const { return roster_; }
  // The player chosen with Select, once the dialog has closed that way.
  bool playerChanged() const { return playerChanged_; }

  // The buttons' actions.
  void selectPlayer();
  void newPlayer();
  void editPlayer();
  void deletePlayer();

  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showList(const std::string& selected);
  std::optional<std::string> selectedName() const;
  void updateButtons();
  // Asks for a name until one can be taken; nothing when cancelled.
  std::optional<std::string> askName(TfrmOperatori2::Purpose purpose, const std::string& name);
  void save(const std::string& player);

  StatisticsHost& host_;
  PlayerRoster roster_;
  std::string playerAtOpen_;
  bool listChanged_ = false;
  bool closeRestores_ = true;
  bool playerChanged_ = false;
  QListWidget* lboOperatori_ = nullptr;
  QPushButton* btnOK_ = nullptr;
  QPushButton* btnModifica_ = nullptr;
  QPushButton* btnCancella_ = nullptr;
};

inline constexpr const char* kSelectAPlayer = "Select a player.";
inline constexpr const char* kCannotDeletePlayer = "It is impossible to delete the selected player.";
inline constexpr const char* kDeletePlayerQuestion =
    "Are you sure you want to delete the selected player?\rNote: also statistics of this player will be deleted.";

}  // namespace kes
