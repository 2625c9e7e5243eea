// The foundations: spread over the table, centred, over the last tableau
// piles, against the right edge, or in a row after the stock.
#include <algorithm>
#include <array>

#include "display/geometry/layout_pass.h"

namespace kes {

namespace {

// Foundations k = 0..l-1 from x0 to the right, each `W + gap` further.
void rowFrom(LayoutPass& p, int x0, int y, int gap) {
  for (int k = 0; k < p.l; ++k) p.setFoundation(k, x0 + k * (p.w + gap), y);
}

// The last foundation at xLast, each earlier one `W + gap` further left.
void rowEndingAt(LayoutPass& p, int xLast, int y, int gap) { rowFrom(p, xLast - (p.l - 1) * (p.w + gap), y, gap); }

// 001: spread over the table width with their own gap.
void spread(LayoutPass& p, int y) {
  p.foundationGap = std::max((p.frame.tableWidth - p.l * p.w - 2) / (p.l + 1), 1);
  rowFrom(p, p.foundationGap, y, p.foundationGap);
}

// 002: centred with half the tableau gap.
void centred(LayoutPass& p, int y) {
  const int g = std::max(p.tableauGap / 2, 1);
  p.foundationGap = g;
  rowFrom(p, (p.frame.tableWidth - p.l * p.w - (p.l - 1) * g) / 2, y, g);
}

// 007: over (or under) the last l tableau piles.
void overLastTableau(LayoutPass& p, int y) {
  for (int k = 0; k < p.l; ++k) p.setFoundation(k, p.tableauX(p.n - p.l + k), y);
}

// 008: ending near the right edge.
void rightAligned(LayoutPass& p, int y) {
  const int edge = p.frame.leftEdge;
  rowEndingAt(p, p.frame.tableWidth - p.w - edge - 5, y, edge);
}

// 009: the last one over the last tableau pile.
void endingAtLastTableau(LayoutPass& p, int y) { rowEndingAt(p, p.tableauX(p.n - 1), y, p.foundationGap); }

// 013: as 007, packed one pixel apart on a low screen.
void overLastTableauPacked(LayoutPass& p, int y) {
  if (!p.lowScreen()) return overLastTableau(p, y);
  rowEndingAt(p, p.tableauX(p.n - 1), y, 1);
}

// 017: in a row right of the waste, or of the stock when there is no waste.
void afterStock(LayoutPass& p, int) {
  const int base = p.param(Param::WasteUsed) == 1 ? kWaste : kStock;
  int baseY = p.stockY(base);
  // The waste's y is filled in from the stock only at the end of the pass.
  if (baseY == PilePositions::kStockOffTable) baseY = p.stockY(kStock);
  const int a = p.lowScreen() ? 10 : 20;
  const int b = p.lowScreen() ? 1 : 3;
  rowFrom(p, p.stockX(base) + a + p.w, baseY, b);
}

using FoundationRule = void (*)(LayoutPass&, int rowY);
struct FoundationVariant {
  int variant;
  FoundationRule rule;
};

constexpr std::array kFoundationVariants{
    FoundationVariant{1, spread},          FoundationVariant{2, centred},
    FoundationVariant{7, overLastTableau}, FoundationVariant{8, rightAligned},
    FoundationVariant{9, endingAtLastTableau}, FoundationVariant{13, overLastTableauPacked},
    FoundationVariant{17, afterStock},
};

}  // namespace

void placeFoundations(LayoutPass& p) {
  p.foundationGap = std::max(p.tableauGap / 3, 1);
  if (p.l < 1) return;
  const int y = p.frame.rowY(p.codes.foundations.row);
  for (const FoundationVariant& v : kFoundationVariants)
    if (v.variant == p.codes.foundations.variant) return v.rule(p, y);
}

}  // namespace kes
