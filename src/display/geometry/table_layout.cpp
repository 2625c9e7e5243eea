#include "display/geometry/table_layout.h"

#include <algorithm>

#include "display/geometry/layout_pass.h"
#include "display/geometry/stock_thickness.h"

namespace kes {

namespace {

constexpr int kMaxPasses = 2;

void runStandardRules(LayoutPass& pass) {
  placeTableau(pass);
  placeFamiliesBesideTableau(pass);
}

StockDrawPlaces stockDrawPlaces(const PilePositions& pos, int scroll) {
  StockDrawPlaces d;
  for (std::size_t i = 0; i < d.x.size(); ++i) {
    d.x[i] = pos.stockX[i];
    d.y[i] = pos.stockY[i];
    d.yScrolled[i] = static_cast<std::int16_t>(pos.stockY[i] - scroll);
  }
  return d;
}

// The narrow table's left margin.
constexpr int kNarrowLeftEdge = 3;
constexpr int kOffTableBelow = -9999;

// A window too narrow for a game can leave a pile left of the table (a
// stock beside a first column that starts at the left edge): everything
// moves right until it shows, a stock with its raised top card, and the
// sideways scrolling of the table reaches what then passes the right edge.
// Tables that fit keep the places their rules give.
void keepPilesRightOfTheLeftEdge(GameState& game) {
  PilePositions& pos = game.positions;
  int leftmost = 0;
  for (int ordinal = 0; ordinal < kPileCount; ++ordinal) {
    const PileId id = PileId::fromOrdinal(ordinal);
    if (pos.x(id) <= kOffTableBelow) continue;
    const int raised = id.family == PileFamily::Stock ? stockThickness(game.table.pile(id).size()) : 0;
    leftmost = std::min(leftmost, pos.x(id) - raised);
  }
  if (leftmost >= 0) return;
  const int shift = kNarrowLeftEdge - leftmost;
  for (int ordinal = 0; ordinal < kPileCount; ++ordinal) {
    const PileId id = PileId::fromOrdinal(ordinal);
    if (pos.x(id) > kOffTableBelow) pos.set(id, pos.x(id) + shift, pos.y(id));
  }
}

}  // namespace

void placeFamiliesBesideTableau(LayoutPass& pass) {
  placeStockFamily(pass);
  placeFoundations(pass);
  if (pass.codes.tableau.variant == Placement::kTableauUnderFoundations) centreTableauUnderFoundations(pass);
  placeReserves(pass);
  placeSecondWaste(pass);
}

void resetLayoutForNewGame(GameState& game) {
  game.positions.resetToOffTable();
  game.laidOut = false;
}

LayoutReport layoutTable(GameState& game, const LayoutRequest& request) {
  LayoutReport report;
  int shift = 0;
  for (int passNumber = 1; passNumber <= kMaxPasses; ++passNumber) {
    LayoutPass pass(game.params, game.positions, request, shift);
    report.passes = passNumber;
    if (isSpecialArrangement(pass.codes.tableau.variant)) {
      report.arrangementKnown = placeSpecialArrangement(pass);
      break;
    }
    runStandardRules(pass);
    // A tableau variant that ignores the shift would collide again: one
    // extra pass is all there is.
    shift = reserveCollisionShift(pass);
    if (shift != 0 && passNumber < kMaxPasses) continue;
    if (pass.stockY(kWaste) == PilePositions::kStockOffTable) pass.setStockY(kWaste, pass.stockY(kStock));
    break;
  }
  keepPilesRightOfTheLeftEdge(game);
  report.scrollOffset = request.scrollPosition;
  report.stockDraw = stockDrawPlaces(game.positions, report.scrollOffset);
  game.laidOut = true;
  return report;
}

PilePositions previewLayout(const GameParams& params, int imageWidth, int imageHeight, ScreenSize screen, CardSize card) {
  GameState preview;
  preview.params = params;
  LayoutRequest request;
  request.area = previewTableArea(imageWidth, imageHeight);
  request.screen = screen;
  request.card = card;
  layoutTable(preview, request);
  return preview.positions;
}

}  // namespace kes
