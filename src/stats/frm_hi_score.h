#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QTableWidget;

namespace kes {

// A game of the hi-score dialog's list.
struct HiScoreGame {
  int number = -1;
  QString name;
};

// "Hi-Scores": the 20 best results of a game, chosen from the list of all
// catalogue and custom games. After a new entry the dialog opens with the
// caption that announces it and the new place marked.
class TfrmHiScore : public QDialog {
  Q_OBJECT

 public:
  // The 20 stored places of a game (sample entries made when needed).
  using EntriesOf = std::function<std::vector<std::string>(int game)>;

  TfrmHiScore(std::vector<HiScoreGame> games, EntriesOf entriesOf, QWidget* parent = nullptr);

  // Shows a game with a place marked; a caption given is shown this once
  // (a new entry), otherwise the caption names the game.
  void showGame(int game, int place = 1, const QString& caption = QString());
  // Shown after a new entry instead of the usual picture.
  void setNewEntry(bool newEntry);

  // The pop-up's "Clear Hi-Scores...": asks, clears; true when cleared.
  std::function<bool()> clearScores;

  QListWidget* gameList() const { return lsbGames_; }
  QTableWidget* grid() const { return slScores_; }
  int shownGame() const { return shown_; }

 private:
  void fillGrid(int game);
  void gameChosen();
  void mnuClearScoresClick();

  std::vector<HiScoreGame> games_;
  EntriesOf entriesOf_;
  QListWidget* lsbGames_;
  QTableWidget* slScores_;
  QLabel* imgScore_;
  QLabel* imgNewScore_;
  int shown_ = -1;
};

}  // namespace kes
