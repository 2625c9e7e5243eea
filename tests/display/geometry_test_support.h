#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "display/geometry/table_layout.h"
#include "display/geometry/table_metrics.h"
#include "engine/game_state.h"

namespace kes::test {

inline void setParams(GameState& g, std::initializer_list<std::pair<int, int>> values) {
  for (auto [entry, value] : values) g.params[entry] = static_cast<std::int16_t>(value);
}

// The main window of the given outer size filling a display of that size,
// no toolbar shown.
inline LayoutRequest windowRequest(int width, int height, CardSize card = kBigCards, int shadow = 0) {
  LayoutRequest r;
  r.area = windowTableArea(width, height, height);
  r.screen = ScreenSize{width, height};
  r.card = card;
  r.shadowSize = shadow;
  return r;
}

// Puts the cards on the pile, face up unless listed in faceDown.
inline void putCards(GameState& g, PileId id, std::initializer_list<int> cards, std::initializer_list<int> faceDown = {}) {
  for (int c : cards) g.table.appendCard(id, c, true);
  for (int c : faceDown) g.table.cards.setFaceUp(c, false);
}

// A game state with the piles at the given places and nothing else laid out.
struct Table {
  GameState game;
  TableMetrics metrics;

  Table() {
    game.laidOut = true;
    metrics.irregularPiles = false;
    metrics.screenWidth = 1024;
  }
  TableView view() const { return TableView{game, metrics}; }
  void place(PileId id, int x, int y) { game.positions.set(id, x, y); }
  void useSteps() { metrics.steps = fanningSteps(metrics.card, game.params, FanningSteps{}); }
};

}  // namespace kes::test
