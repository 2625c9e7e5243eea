#include "display/geometry/layout_frame.h"

#include <algorithm>

namespace kes {

namespace {

constexpr int kStockRowRaise = 15;
constexpr int kCentredRowGap = 10;

int tableWidth(const TableArea& a) { return a.windowHeight < kLowWindow ? a.right - 12 : a.right - 2; }

// The left edge moves right for the stock's shadow and for the stock
// variants that draw a deck thickness beside the stock.
int leftEdge(int t, const LayoutRequest& request, const GameParams& p, const PlacementCodes& codes) {
  int edge = t >= kNarrowTable ? 10 : 3;
  if (p[Param::StockRowPiles] >= 1) {
    edge += request.shadowSize;
    static constexpr std::array kThickStock{3, 4, 5, 16, 19};
    const bool thick = std::find(kThickStock.begin(), kThickStock.end(), codes.stock.variant) != kThickStock.end();
    if (thick || codes.secondWaste.variant == Placement::kStockOverFirstColumns) edge += 15;
  }
  return edge;
}

// Measured from the window's or the display's height, which the client
// area starts below: the table's own top is taken off.
int bottomRow(const LayoutRequest& r, int h) {
  // The window counts as filling the display above 80 % of its height.
  if (r.area.windowHeight * 10 > r.screen.height * 8) return r.area.windowHeight - h - 50 - r.area.clientTop;
  return r.screen.height - h - 30 - r.area.clientTop;
}

}  // namespace

int LayoutFrame::rowY(int d) const {
  if (d <= 0) return rows[0];
  if (d <= 6) return rows[static_cast<std::size_t>(d)];
  return rows[4] + (d - 4) * (rowMargin + cardHeight);
}

int LayoutFrame::centredRowY3(int j) const { return centred3First + (std::max(j, 1) - 1) * (cardHeight + kCentredRowGap); }

int LayoutFrame::centredRowY4(int j) const { return centred4First + (std::max(j, 1) - 1) * (cardHeight + kCentredRowGap); }

LayoutFrame layoutFrame(const LayoutRequest& request, const GameParams& p, const PlacementCodes& codes) {
  const TableArea& a = request.area;
  const int h = request.card.height;
  LayoutFrame f;
  f.top = a.top;
  f.bottom = a.bottom;
  f.cardHeight = h;
  f.tableWidth = tableWidth(a);
  f.rowMargin = a.windowHeight < kLowWindow ? 5 : 10;
  const int m = f.rowMargin;

  auto& r = f.rows;
  r[0] = a.top;
  if (codes.tableau.variant == Placement::kTableauSpreadShrinkHigh) {
    r[1] = a.top + 15;
    r[2] = a.top + h + 20;
    r[3] = a.top + 2 * h + 25;
  } else {
    r[1] = a.top + m + (codes.stock.row == 1 ? kStockRowRaise : 0);
    const bool raise2 = codes.stock.row == 2 || codes.stock.variant == Placement::kStockLeftOfTableau;
    r[2] = r[1] + m + h + (raise2 ? kStockRowRaise : 0);
    r[3] = r[2] + m + h;
  }
  r[4] = r[2] + 2 * m + 2 * h;
  r[5] = bottomRow(request, h);
  r[6] = r[2] + (r[3] - r[2]) / 2;

  f.centred3First = std::max(a.top + (a.bottom - a.top - 3 * h - 20) / 2, a.top + 2);
  f.centred4First = std::max(a.top + (a.bottom - a.top - 4 * h - 30) / 2, a.top + 2);
  f.leftEdge = leftEdge(f.tableWidth, request, p, codes);
  return f;
}

}  // namespace kes
