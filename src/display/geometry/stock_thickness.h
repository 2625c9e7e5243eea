#pragma once

#include <array>
#include <cstdint>

#include "engine/game_state.h"
#include "engine/pile_positions.h"

namespace kes {

// Where the layout put the stock family ("Mazzo", "Mazzo_Vis",
// "Mazzo_Waste"): x, the stored y, and the y less the scroll position at the
// time of the layout. These keep the unraised places while the stored places
// follow the raised top cards.
struct StockDrawPlaces {
  std::array<std::int16_t, 3> x{PilePositions::kStockOffTable, PilePositions::kStockOffTable,
                                PilePositions::kStockOffTable};
  std::array<std::int16_t, 3> y = x, yScrolled = x;
};

// How many pixels a stock-family pile of `cards` cards stands raised above
// its place: 0 up to one card, 1 for two, then one more for every 7 cards
// (every 28 in the game selection's miniatures).
int stockThickness(int cards, bool preview = false);

// Moves every placed stock-family pile's stored place to where its top card
// is drawn: its layout place moved up and left by its thickness, so that hit
// testing and drops follow the raised card. Run after every change of a
// stock pile's card count.
void raiseStockPiles(GameState& game, const StockDrawPlaces& layout);

// Puts the stock family back at its layout places, as a new layout expects.
void lowerStockPiles(GameState& game, const StockDrawPlaces& layout);

}  // namespace kes
