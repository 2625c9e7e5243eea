#pragma once

#include <QDialog>

class QPushButton;

namespace kes {

class TotalsBox;

// "Game won": the player's games won and lost in the game just won, with
// their shares as numbers and as a pie, and what to do next. The dialog
// only says which button was pressed; the caller does it.
class TfrmGameWon : public QDialog {
  Q_OBJECT

 public:
  enum class Choice { Cancel, NewGame, Restart, Statistics, OpenGame, SelectNumber };

  TfrmGameWon(const QString& gameName, long long won, long long lost, QWidget* parent = nullptr);

  // "Statistics..." and "Open a game..." open dialogs of their own; each
  // stays disabled until its dialog is offered.
  void setStatisticsOffered(bool offered);
  void setGameSelectionOffered(bool offered);

  Choice choice() const { return choice_; }
  TotalsBox* totals() const { return grpTotal_; }

 private:
  QPushButton* button(const char* name, const QString& text, Choice choice);

  TotalsBox* grpTotal_;
  QPushButton* btnStatistiche_;
  QPushButton* btnApriPartita_;
  Choice choice_ = Choice::Cancel;
};

}  // namespace kes
