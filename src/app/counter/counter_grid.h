#pragma once

#include <array>

#include "engine/engine_events.h"

namespace kes {

struct GameState;

// What the card counter shows of one card.
enum class CounterCell { Blank, Up, Down };

// Which side of the table the counter watches: the stock side (stock and
// waste) and the tableau side (second waste, tableau, foundations,
// reserves). With neither filter both are watched; at most one is set.
struct CounterFilter {
  bool stockOnly = false;
  bool tableauOnly = false;
  bool inverted = false;

  bool watchesStock() const { return stockOnly || !tableauOnly; }
  bool watchesTableau() const { return tableauOnly || !stockOnly; }
  bool watches(CardFamily family) const;
};

// The counter's grid: one cell per card of the game, by card code. It
// knows nothing of pictures; the window draws what `shown` says.
class CounterGrid {
 public:
  static constexpr int kMaxCards = 104;

  CounterFilter filter;

  // Every card of a game of `cardCount` cards blank.
  void reset(int cardCount);
  // Reset, then every card marked from where it lies.
  void refresh(const GameState& game);
  // Sets a card's cell when the family's side is watched.
  void mark(int card, CardFamily family, CounterCell state);
  // Marks every card of one pile as a refresh would: the stock down, the
  // waste as the game shows it, reserves up, the rest by their faces.
  void markPile(const GameState& game, PileId pile);
  // The stock changed as a whole (a redeal): everything is marked anew,
  // unless only the tableau side is watched.
  void stockReplaced(const GameState& game);
  // A card left a pile of `family`: the waste's new top card shows up when
  // the game shows only the waste's top card.
  void showWasteTop(const GameState& game, CardFamily family);

  int cardCount() const { return cardCount_; }
  CounterCell cell(int card) const;
  // The cell as drawn: up and down swapped in the inverted view.
  CounterCell shown(int card) const;

 private:
  int cardCount_ = 0;
  std::array<CounterCell, kMaxCards + 1> cells_{};
};

// The counter window's height in pixels for a game's card count.
int counterWindowHeight(int cardCount);

// Where a card's cell and a row's label lie in the counter's picture.
int counterRowOf(int card);
int counterRowTop(int row);
int counterCellLeft(int card);
inline constexpr int kCounterRows = 16;
inline constexpr int kCounterWidth = 198;

}  // namespace kes
