// The standard tableau placements: one or more rows whose gaps come from the
// table width, the counts and the columns kept free on the left.
#include <algorithm>
#include <array>

#include "display/geometry/layout_pass.h"

namespace kes {

namespace {

constexpr int kMinGap = 4;
constexpr int kMaxSpreadGap = 20;
constexpr int kGapBesideStockOverColumns = 15;

int clampSpreadGap(int g) { return std::clamp(g, kMinGap, kMaxSpreadGap); }

// 001, 014, 015: centred with a gap from the table width. 001 may leave the
// table on the right when it is too narrow; 014 and 015 shrink the gap.
void spread(LayoutPass& p) {
  const int v = p.codes.tableau.variant;
  const int t = p.frame.tableWidth;
  int g = clampSpreadGap((t - p.n * p.w) / (p.n + 1));
  if (v == Placement::kTableauSpread && p.stockOverColumns()) g = std::max(g, kGapBesideStockOverColumns);
  int x0 = (t - (p.n - 1) * g - p.n * p.w) / 2;
  const int edge = p.frame.leftEdge;
  if (x0 < edge) {
    if (v == Placement::kTableauSpread) {
      x0 = edge;
    } else {
      if (p.n > 1) {
        // (edge - x0) / (n - 1) + 0.99 with the fraction dropped
        const int piles = p.n - 1;
        g = clampSpreadGap(g - (100 * (edge - x0) + 99 * piles) / (100 * piles));
      }
      x0 = p.narrowScreen() ? edge - 2 : edge;
    }
  }
  p.tableauGap = g;
  const bool widenFirst = v != Placement::kTableauSpread && p.stockOverColumns() && g < kGapBesideStockOverColumns;
  const int widened = widenFirst ? p.stockRowPiles : 0;
  const int y0 = p.anchorY;
  p.placeTableau(0, x0, y0);
  for (int k = 1; k < p.n; ++k) p.placeTableau(k, p.tableauX(k - 1) + p.w + (k <= widened ? kGapBesideStockOverColumns : g), y0);
}

// 002: a fixed gap, centred, or from the shift a reserve collision asked for.
void centred(LayoutPass& p) {
  const int t = p.frame.tableWidth;
  const int g = t >= kNarrowTable ? 10 : 5;
  p.tableauGap = g;
  const int x0 = p.layoutShift != 0 ? p.layoutShift : (t - p.n * p.w - (p.n - 1) * g) / 2;
  p.placeTableauRow(x0, p.anchorY, g);
}

// 003, 011, 012, 021: one or two columns left free for the stock or reserves.
void withColumnsOnLeft(LayoutPass& p) {
  const int v = p.codes.tableau.variant;
  const int e = (v == 3 || v == 12) ? 1 : 2;
  const int piles = p.n + e;
  const int t = p.frame.tableWidth;
  int g = (t - piles * p.w - 30 - 2) / (piles + 1);
  if (g < kMinGap) g = kMinGap;
  if (g >= 21) g = 15;
  if (v == 21) g = 2;
  p.tableauGap = g;
  int x0 = std::max((t - 30 - piles * p.w - g * (piles - 2) - 10) / 2, p.frame.leftEdge);
  x0 += e * (22 + p.w);
  if (v == 11 || v == 12) x0 += 15;
  p.placeTableauRow(x0, p.anchorY, g);
}

// 010 and 018: rows of n / rows piles; y of each row from the variant's row set.
template <typename RowOf>
void multiRow(LayoutPass& p, int x0, int y0, RowOf rowY) {
  const int rows = std::max<int>(p.param(Param::TableauRows), 1);
  const int perRow = std::max(p.n / rows, 1);
  p.placeTableau(0, x0, y0);
  int x = x0, row = 0;
  for (int k = 1; k < p.n; ++k) {
    if (rows > 1 && k % perRow == 0) {
      x = x0;
      ++row;
    } else {
      x += p.w + p.tableauGap;
    }
    p.placeTableau(k, x, rows > 1 ? rowY(row) : y0);
  }
}

// 010: the first pile alone at the first centred row, the others on the rows.
void staggeredRows(LayoutPass& p) {
  p.tableauGap = p.w * 85 / 100;
  const LayoutFrame& f = p.frame;
  multiRow(p, 15, f.centredRowY3(1), [&f](int row) { return f.rowY(1 + row); });
}

// 013: a single row packed from the left.
void packedLeft(LayoutPass& p) {
  p.tableauGap = kMinGap;
  const int s = p.request.shadowSize == 0 ? kShadowSize : p.request.shadowSize;
  const int x0 = p.lowScreen() ? 8 : 2 * s + 30;
  p.placeTableauRow(x0, p.anchorY, kMinGap);
}

// 018: rows of equal length, centred vertically; wide gaps leave room for
// the fans to grow.
void gridRows(LayoutPass& p) { placeGridRows(p, std::max(gridRowsFitGap(p), p.w * 3 / 2)); }

using TableauRule = void (*)(LayoutPass&);
struct TableauVariant {
  int variant;
  TableauRule rule;
};

constexpr std::array kTableauVariants{
    TableauVariant{1, spread},           TableauVariant{14, spread},         TableauVariant{15, spread},
    TableauVariant{2, centred},          TableauVariant{3, withColumnsOnLeft}, TableauVariant{11, withColumnsOnLeft},
    TableauVariant{12, withColumnsOnLeft}, TableauVariant{21, withColumnsOnLeft}, TableauVariant{10, staggeredRows},
    TableauVariant{13, packedLeft},      TableauVariant{18, gridRows},
};

}  // namespace

int gridRowsFitGap(const LayoutPass& p) {
  const int perRow = p.n / std::max<int>(p.param(Param::TableauRows), 1);
  return (p.frame.tableWidth - perRow * p.w - 2) / (perRow + 1);
}

int gridRowsLeft(const LayoutPass& p) { return p.lowScreen() ? 15 : p.frame.leftEdge + 10; }

// Row digits 1..4 take the four-row set, 5..7 the three-row set.
void placeGridRows(LayoutPass& p, int gap) {
  p.tableauGap = gap;
  const int d = p.codes.tableau.row;
  const LayoutFrame& f = p.frame;
  auto rowY = [&f, d](int row) { return d <= 4 ? f.centredRowY4(std::max(d, 1) + row) : f.centredRowY3(d - 4 + row); };
  multiRow(p, gridRowsLeft(p), rowY(0), rowY);
}

void placeTableau(LayoutPass& p) {
  p.anchorY = p.frame.rowY(p.codes.tableau.row);
  if (p.n > 0) p.pos.tableauY[0] = static_cast<std::int16_t>(p.anchorY);
  for (const TableauVariant& v : kTableauVariants)
    if (v.variant == p.codes.tableau.variant) return v.rule(p);
  // 020 is placed after the foundations; other codes have no rule.
}

// 020: centred under the span of the foundations, 10 pixels apart.
void centreTableauUnderFoundations(LayoutPass& p) {
  constexpr int kGap = 10;
  const int first = p.l >= 1 ? p.pos.foundationX[0] : 0;
  const int end = p.l >= 1 ? p.pos.foundationX.at(static_cast<std::size_t>(p.l - 1)) + p.w : p.frame.tableWidth;
  const int x0 = first + (end - kGap * p.n - first - p.n * p.w + kGap) / 2;
  p.tableauGap = kGap;
  p.placeTableauRow(x0, p.anchorY, kGap);
}

}  // namespace kes
