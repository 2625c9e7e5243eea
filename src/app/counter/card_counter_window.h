#pragma once

#include <QWidget>

#include "app/counter/counter_grid.h"

class QAction;
class QMenuBar;

namespace kes {

class CounterPicture;
class ResourceLibrary;
struct GameState;

// The card counter ("Card counter"): a small window that stays above the
// main window and shows each card of the game as a cell, blank while the
// card is not on a watched side of the table, "up" or "down" as it lies
// there. Its "&Options" menu holds the filters and the inverted view.
class TfrmCardCounter : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmCardCounter(const ResourceLibrary& library, QWidget* parent = nullptr);

  CounterGrid& grid() { return grid_; }
  const CounterGrid& grid() const { return grid_; }

  // Sizes the window for the game's card count and blanks every cell.
  void resetCounter(int cardCount);
  // Reset, then every card marked from the table.
  void refreshCounter(const GameState& game);
  // The single changes the game reports; each repaints the window. A card
  // that changed pile leaves its old side blank and is marked where it lies
  // now; the piles it left and joined are marked anew with it (the waste's
  // new top card shows, a covered one turns down).
  void markCard(int card, CardFamily family, CounterCell state);
  void cardMoved(const GameState& game, int card, PileId from, PileId to);
  void cardTurned(const GameState& game, int card);
  // The stock changed as a whole (a redeal): marked anew unless only the
  // tableau side is watched.
  void stockReplaced(const GameState& game);

  QAction* tableauOnlyItem() const { return mnuTableau_; }
  QAction* stockOnlyItem() const { return mnuStock_; }
  QAction* invertedItem() const { return mnuInverted_; }
  // The filters as the menu checks show them.
  void setFilter(const CounterFilter& filter);

  // The height the window takes for the current card count, and the
  // picture's part of it under the menu.
  int counterHeight() const { return counterWindowHeight(grid_.cardCount()); }
  int pictureHeight() const;

 signals:
  // A menu option changed the filter: the owner refreshes and saves.
  void optionsChanged();
  // The close box hid the window.
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenu();
  void optionToggled(QAction* item);

  CounterGrid grid_;
  QMenuBar* menu_ = nullptr;
  CounterPicture* imgBack_ = nullptr;
  QAction* mnuTableau_ = nullptr;
  QAction* mnuStock_ = nullptr;
  QAction* mnuInverted_ = nullptr;
};

}  // namespace kes
