#include "display/geometry/stock_thickness.h"

namespace kes {

namespace {

constexpr int kCardsPerPixel = 7;
constexpr int kPreviewCardsPerPixel = 28;

void placeStockPiles(GameState& game, const StockDrawPlaces& layout, bool raised) {
  for (std::size_t i = 0; i < layout.x.size(); ++i) {
    if (layout.x[i] == PilePositions::kStockOffTable || layout.y[i] == PilePositions::kStockOffTable) continue;
    const PileId pile{PileFamily::Stock, static_cast<int>(i)};
    const int d = raised ? stockThickness(game.table.pile(pile).size()) : 0;
    game.positions.set(pile, layout.x[i] - d, layout.y[i] - d);
  }
}

}  // namespace

int stockThickness(int cards, bool preview) {
  if (cards <= 1) return 0;
  if (cards == 2) return 1;
  return cards / (preview ? kPreviewCardsPerPixel : kCardsPerPixel) + 1;
}

void raiseStockPiles(GameState& game, const StockDrawPlaces& layout) { placeStockPiles(game, layout, true); }

void lowerStockPiles(GameState& game, const StockDrawPlaces& layout) { placeStockPiles(game, layout, false); }

}  // namespace kes
