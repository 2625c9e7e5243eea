// Special arrangements: drawings of one game's whole table, each placing
// every family itself.
#include <algorithm>
#include <array>

#include "display/geometry/layout_pass.h"

namespace kes {

namespace {

bool wasteUsed(const LayoutPass& p) { return p.param(Param::WasteUsed) == 1; }
bool secondWasteUsed(const LayoutPass& p) { return p.param(Param::SecondWasteUsed) >= 1; }

// 052: five tableau piles in a cross, a foundation in each corner, the stock
// and the waste in a column on the left.
void crossOfFive(LayoutPass& p) {
  const LayoutFrame& f = p.frame;
  const int w = p.w, h = p.h;
  const int s = p.request.area.windowHeight < kLowWindow ? 25 : 35;
  const int xL = std::max((f.tableWidth - 4 * w - 3 * s) / 2 + w + 15, w + 3 * s + 25);
  const int xC = xL + w + s, xR = xC + w + s;
  const int y0 = std::max(f.top + (f.bottom - f.top - 3 * s - 3 * h) / 2, f.rowY(1));
  const int y1 = y0 + s + h, y2 = y1 + s + h;
  const std::array<std::array<int, 2>, 5> cross{{{xC, y0}, {xL, y1}, {xC, y1}, {xR, y1}, {xC, y2}}};
  for (int k = 0; k < 5; ++k) p.placeTableau(k, cross[static_cast<std::size_t>(k)][0], cross[static_cast<std::size_t>(k)][1]);
  // Piles 6 to 8 of the game stay off the table (with their own family's
  // marker, so that the engine sees them as not placed).
  for (std::size_t k = 5; k < 8; ++k) {
    p.pos.tableauX[k] = PilePositions::kTableauOffTable;
    p.pos.tableauY[k] = PilePositions::kTableauOffTable;
  }
  p.setStock(kStock, xL - w - 3 * s, y0);
  p.setStock(kWaste, xL - w - 3 * s, y1);
  const std::array<std::array<int, 2>, 4> corners{{{xL + 7, y0 + 7}, {xR - 7, y0 + 7}, {xL + 7, y2 - 7}, {xR - 7, y2 - 7}}};
  for (int k = 0; k < 4; ++k) p.setFoundation(k, corners[static_cast<std::size_t>(k)][0], corners[static_cast<std::size_t>(k)][1]);
}

// 053: the rows of a pyramid, each covering half the row above; the stock
// and waste top left, the discards top right.
void pyramid(LayoutPass& p) {
  const LayoutFrame& f = p.frame;
  const int apexX = (f.tableWidth - p.w) / 2;
  const int sideBySide = p.w + 6;
  for (int row = 0; row < p.n; ++row) p.placeTableau(row, apexX - (row * sideBySide) / 2, f.rowY(1) + row * (p.h / 2));
  p.setStock(kStock, f.leftEdge, f.rowY(1));
  if (wasteUsed(p)) p.setStock(kWaste, f.leftEdge + p.w + 15, f.rowY(1));
  if (secondWasteUsed(p)) p.setStock(kSecondWaste, f.tableWidth - p.w - f.leftEdge, f.rowY(1));
}

// 054: a five-by-five grid centred on the table, the stock column on its left.
void gridFiveByFive(LayoutPass& p) {
  const LayoutFrame& f = p.frame;
  const int gx = 12, gy = p.request.area.windowHeight < kLowWindow ? 4 : 8;
  const int gridW = 5 * p.w + 4 * gx, gridH = 5 * p.h + 4 * gy;
  const int y0 = std::max(f.top + (f.bottom - f.top - gridH) / 2, f.rowY(1));
  int x0 = (f.tableWidth - gridW) / 2 + (p.w + 30) / 2;
  int xS = x0 - p.w - 30;
  if (xS < f.leftEdge) {
    xS = f.leftEdge;
    x0 = xS + p.w + 30;
  }
  for (int k = 0; k < std::min(p.n, 25); ++k) p.placeTableau(k, x0 + (k % 5) * (p.w + gx), y0 + (k / 5) * (p.h + gy));
  p.setStock(kStock, xS, y0);
  const int waste = wasteUsed(p) ? 1 : 0;
  if (waste) p.setStock(kWaste, xS, y0 + p.h + gy);
  if (secondWasteUsed(p)) p.setStock(kSecondWaste, xS, y0 + (1 + waste) * (p.h + gy));
}

// 055: the foundations in a centre column, four rows on each side of it.
// Free cells, when the game has any, stand side by side above the
// foundation column, and the rows move down to make room for them.
void castleRows(LayoutPass& p) {
  const LayoutFrame& f = p.frame;
  const int centreX = (f.tableWidth - p.w) / 2;
  constexpr int kRowGap = 10;
  const int withCellsFirst = std::max(f.top + (f.bottom - f.top - 5 * p.h - 4 * kRowGap) / 2, f.top + 2);
  const auto rowY = [&](int k) { return p.r > 0 ? withCellsFirst + (k + 1) * (p.h + kRowGap) : f.centredRowY4(k + 1); };
  for (int k = 0; k < 4; ++k) {
    const int y = rowY(k);
    p.setFoundation(k, centreX, y);
    p.placeTableau(k, f.leftEdge, y);
    p.placeTableau(4 + k, centreX + p.w + 20, y);
  }
  const int cellsWidth = p.r * p.w + (p.r - 1) * kRowGap;
  for (int k = 0; k < p.r; ++k) p.setReserve(k, (f.tableWidth - cellsWidth) / 2 + k * (p.w + kRowGap), withCellsFirst);
}

// 096: the stock and one tableau pile in a column at the left.
void singlePileColumn(LayoutPass& p) {
  const LayoutFrame& f = p.frame;
  p.setStock(kStock, 25, f.rowY(1));
  p.placeTableau(0, 25, f.rowY(2));
  if (p.param(Param::SecondWasteUsed) == 1) p.setStock(kSecondWaste, 25 + p.w + 25, f.rowY(1));
}

struct Arrangement {
  int code;
  void (*place)(LayoutPass&);
};

constexpr std::array kArrangements{
    Arrangement{52, crossOfFive}, Arrangement{53, pyramid},           Arrangement{54, gridFiveByFive},
    Arrangement{55, castleRows},  Arrangement{56, oneOrTwoRows},      Arrangement{57, gridRowsNarrowing},
    Arrangement{96, singlePileColumn},
};

}  // namespace

bool placeSpecialArrangement(LayoutPass& p) {
  for (const Arrangement& a : kArrangements)
    if (a.code == p.codes.tableau.variant) {
      a.place(p);
      return true;
    }
  return false;
}

}  // namespace kes
