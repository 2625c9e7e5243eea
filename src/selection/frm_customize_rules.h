#pragma once

#include <QDialog>
#include <optional>

#include "engine/game_params.h"
#include "engine/rule_customization.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kes {

class SelectionHost;

// "Customize rules": the player changes the cards one press on the stock
// deals, the redeals and what fills an empty tableau pile of the current
// game; OK saves the changed game as a new custom game under a name of its
// own and offers to start it. Only the rules the game offers can be changed.
class TfrmCustomizeRules : public QDialog {
  Q_OBJECT

 public:
  // game: the current game; title its name. False from ready() when the
  // game's parameters cannot be read.
  TfrmCustomizeRules(SelectionHost& host, int game, const QString& title, QWidget* parent = nullptr);

  bool ready() const { return ready_; }
  const OfferedRules& offered() const { return offered_; }
  // The choice the controls show now; none while a field is not a number.
  std::optional<RuleChoice> shownChoice() const;
  // The game added by OK, if any.
  std::optional<int> addedGame() const { return added_; }

  QSpinBox& cardsField() { return *spnCardsShuffeled_; }
  QSpinBox& redealsField() { return *spnRedealsNumber_; }
  QRadioButton& unlimited() { return *rbtRedealsUnlimited_; }
  QRadioButton& specified() { return *rbtRedealsSpecified_; }
  QRadioButton& noRedeals() { return *rbtRedealsNone_; }
  QRadioButton& king() { return *rbKingOnly_; }
  QRadioButton& anyCard() { return *rbAnyCard_; }
  QRadioButton& none() { return *rbNone_; }
  QPushButton& okButton() { return *btnOK_; }
  QPushButton& deleteButton() { return *btnDelete_; }
  QLabel& totalDeals() { return *lblTotDeals_; }
  void onOk();

 signals:
  // The custom game being played was deleted from here.
  void gameDeleted();

 private:
  QWidget* buildStockPage();
  QWidget* buildTableauPage();
  void showChoice(const RuleChoice& choice);
  void changed();
  void refreshTotalDeals();
  void onDelete();

  SelectionHost& host_;
  int game_;
  int baseGame_ = -1;
  QString title_;
  bool ready_ = false;
  OfferedRules offered_;
  RuleChoice opening_;
  std::optional<int> added_;

  QTabWidget* pages_ = nullptr;
  QSpinBox* spnCardsShuffeled_ = nullptr;
  QGroupBox* grpRedeals_ = nullptr;
  QRadioButton* rbtRedealsUnlimited_ = nullptr;
  QRadioButton* rbtRedealsSpecified_ = nullptr;
  QRadioButton* rbtRedealsNone_ = nullptr;
  QSpinBox* spnRedealsNumber_ = nullptr;
  QLabel* lblTotDeals_ = nullptr;
  QGroupBox* grpTableau_ = nullptr;
  QRadioButton* rbKingOnly_ = nullptr;
  QRadioButton* rbAnyCard_ = nullptr;
  QRadioButton* rbNone_ = nullptr;
  QPushButton* btnOK_ = nullptr;
  QPushButton* btnDelete_ = nullptr;
};

}  // namespace kes
