#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace kes {

class SelectionHost;

// "Favorite games": the player moves games between all games and the
// favourites; OK stores the favourites in alphabetical order.
class TfrmFavorite : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmFavorite(SelectionHost& host, QWidget* parent = nullptr);

  QListWidget& allGames() { return *lbAll_; }
  QListWidget& favourites() { return *lbSelected_; }
  // Moves the selected names of one list to the other.
  void add();
  void remove();
  void removeAll();

 private:
  void fill();
  void onOk();

  SelectionHost& host_;
  QListWidget* lbAll_ = nullptr;
  QListWidget* lbSelected_ = nullptr;
};

// Every game name the favourites can hold: catalogue and custom games.
std::vector<std::string> favouriteCandidates(SelectionHost& host);

}  // namespace kes
