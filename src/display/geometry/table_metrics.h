#pragma once

#include "display/geometry/card_size.h"
#include "display/geometry/fanning.h"
#include "display/geometry/irregular_offsets.h"
#include "display/geometry/stock_thickness.h"
#include "engine/game_state.h"

namespace kes {

// What the display adds to the game for measuring cards on the table.
struct TableMetrics {
  CardSize card = kBigCards;
  FanningSteps steps;
  IrregularOffsets irregular;
  bool irregularPiles = false;  // the "Piles_TT" preference
  int screenWidth = 0;         // of the whole display (the grid's column count)
  int scrollOffset = 0;        // `ScrollOffset`: subtracted from every stored y
  StockDrawPlaces stockDraw;   // the stock family's places before the raise
};

// The game and its measurements: everything card positions are computed
// from. Positions are window coordinates (stored y less the scroll offset).
struct TableView {
  const GameState& game;
  const TableMetrics& metrics;

  const GameParams& params() const { return game.params; }
  const Pile& pile(PileId id) const { return game.table.pile(id); }
  int width() const { return metrics.card.width; }
  int height() const { return metrics.card.height; }
  int kind(PileFamily family) const { return fanningKind(game.params, family); }
};

}  // namespace kes
