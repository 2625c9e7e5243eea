#pragma once

#include "engine/game_params.h"
#include "engine/pile_positions.h"
#include "display/geometry/layout_frame.h"
#include "display/geometry/layout_request.h"
#include "display/geometry/placement_code.h"

namespace kes {

// One pass of the layout: the frame, the counts, the gaps the rules hand on
// to each other, and the positions being written. Rules write only the piles
// a game uses; the first tableau pile's place (the anchor) is kept even in a
// game without tableau piles, because other families are placed from it.
struct LayoutPass {
  LayoutPass(const GameParams& params, PilePositions& positions, const LayoutRequest& request, int layoutShift);

  const GameParams& params;
  PilePositions& pos;
  const LayoutRequest& request;
  PlacementCodes codes;
  LayoutFrame frame;
  int w = 0, h = 0;  // card width and height
  int n = 0, l = 0, r = 0;  // tableau piles, foundations, reserves in use
  int stockRowPiles = 0;
  int tableauGap = 0;      // g
  int foundationGap = 1;   // f
  int layoutShift = 0;     // where a second pass starts the tableau
  int anchorX = 0, anchorY = 0;

  int param(int entry) const { return params[entry]; }
  bool lowScreen() const { return request.screen.height < kLowWindow; }
  bool narrowScreen() const { return request.screen.width < kNarrowTable; }
  // A variant 004 stock or second waste stands over the first columns.
  bool stockOverColumns() const {
    return codes.stock.variant == Placement::kStockOverFirstColumns ||
           codes.secondWaste.variant == Placement::kStockOverFirstColumns;
  }

  // TableauX[k] / TableauY[k]. Outside the piles in use the row is extended
  // at its last spacing, so that rules naming a column the game lacks still
  // land next to the row instead of on a sentinel.
  int tableauX(int k) const;
  int tableauY(int k) const;
  void placeTableau(int k, int x, int y);
  // Piles k = 1..n-1 in one row, each `W + gap` right of the previous.
  void placeTableauRow(int x0, int y0, int gap);

  void setStockX(int i, int x) { pos.stockX.at(static_cast<std::size_t>(i)) = static_cast<std::int16_t>(x); }
  void setStockY(int i, int y) { pos.stockY.at(static_cast<std::size_t>(i)) = static_cast<std::int16_t>(y); }
  void setStock(int i, int x, int y) {
    setStockX(i, x);
    setStockY(i, y);
  }
  int stockX(int i) const { return pos.stockX.at(static_cast<std::size_t>(i)); }
  int stockY(int i) const { return pos.stockY.at(static_cast<std::size_t>(i)); }
  void setFoundation(int k, int x, int y) {
    if (k >= 0 && k < l) pos.set(PileId::foundation(k), x, y);
  }
  void setReserve(int k, int x, int y) {
    if (k >= 0 && k < r) pos.set(PileId::reserve(k), x, y);
  }
};

// The steps of one pass, in their order.
void placeTableau(LayoutPass& pass);
void centreTableauUnderFoundations(LayoutPass& pass);
void placeStockFamily(LayoutPass& pass);
void placeFoundations(LayoutPass& pass);
void placeReserves(LayoutPass& pass);
void placeSecondWaste(LayoutPass& pass);
// The rows of equal length of variant 018 (`tableau.rows` rows), with the
// given gap between neighbouring piles.
void placeGridRows(LayoutPass& pass, int gap);
// The gap that spreads one row of the grid over the table width.
int gridRowsFitGap(const LayoutPass& pass);
int gridRowsLeft(const LayoutPass& pass);
// The families other than the tableau, by their standard rules.
void placeFamiliesBesideTableau(LayoutPass& pass);
// Arrangements that fall back to a narrower drawing when the table is too
// narrow for the standard one.
void oneOrTwoRows(LayoutPass& pass);
void gridRowsNarrowing(LayoutPass& pass);
// The shift that moves the tableau clear of a reserve row placed from the
// left edge, or 0 when they do not collide.
int reserveCollisionShift(const LayoutPass& pass);
// False when the code has no drawing; nothing is placed then.
bool placeSpecialArrangement(LayoutPass& pass);

}  // namespace kes
