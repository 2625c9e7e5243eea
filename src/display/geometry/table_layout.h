#pragma once

#include <array>
#include <cstdint>

#include "engine/game_state.h"
#include "display/geometry/layout_request.h"
#include "display/geometry/stock_thickness.h"

namespace kes {

struct LayoutReport {
  StockDrawPlaces stockDraw;
  int scrollOffset = 0;  // `ScrollOffset` after the layout
  int passes = 1;        // 2 when the tableau was moved clear of the reserves
  // False for a special arrangement code that has no drawing: nothing was placed.
  bool arrangementKnown = true;
};

// Before the first layout of a newly loaded game every pile is off the table.
void resetLayoutForNewGame(GameState& game);

// Places every pile of the loaded game for the request's table area, card
// size and shadow: writes game.positions and marks the game laid out. Piles
// that no rule places keep their positions (off the table after
// resetLayoutForNewGame). At most two passes run.
LayoutReport layoutTable(GameState& game, const LayoutRequest& request);

// The places of a game's piles in its miniature for the game selection
// dialog: an image of the given size on the given display, without shadows.
// The game in play, if any, keeps its own places.
PilePositions previewLayout(const GameParams& params, int imageWidth, int imageHeight, ScreenSize screen, CardSize card);

}  // namespace kes
