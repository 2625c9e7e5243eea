// The stock and the waste: beside or over the tableau, or from the left edge.
#include <algorithm>
#include <array>

#include "display/geometry/layout_pass.h"

namespace kes {

namespace {

bool stockShown(const LayoutPass& p) { return p.param(Param::StockShownAtStock) == 1; }
bool wasteUsed(const LayoutPass& p) { return p.param(Param::WasteUsed) == 1; }

// 003: the stock left of the first tableau pile, the waste below it.
void leftOfTableau(LayoutPass& p, int) {
  p.setStockX(kStock, p.tableauX(0) - 22 - p.w);
  if (wasteUsed(p)) p.setStock(kWaste, p.stockX(kStock), p.frame.rowY(2));
}

// 005: the stock-row piles side by side from the left edge.
void rowFromLeft(LayoutPass& p, int sy) {
  const int edge = p.frame.leftEdge;
  p.setStockX(kStock, edge);
  const int piles = std::min(p.stockRowPiles, 3);
  for (int k = 1; k < piles; ++k) p.setStock(k, p.stockX(k - 1) + edge + p.w, sy);
}

// 011 and 021: the waste left of the tableau, the stock left of the waste.
void wasteThenStock(LayoutPass& p, int sy, int wasteGap, int stockGap) {
  const int wasteX = p.tableauX(0) - wasteGap - p.w;
  p.setStock(kWaste, wasteX, sy);
  p.setStockX(kStock, wasteX - p.w - stockGap);
}
void leftCorner(LayoutPass& p, int sy) { wasteThenStock(p, sy, 45, 15); }
void leftPair(LayoutPass& p, int sy) { wasteThenStock(p, sy, 15, 20); }

// 013: the top left corner, the waste beside the stock.
void topLeft(LayoutPass& p, int sy) {
  const int s = p.request.shadowSize;
  const int shadow = p.lowScreen() ? 0 : (s >= 2 ? s / 2 : s);
  p.setStockX(kStock, 15 + shadow);
  p.setStockY(kWaste, sy);
  if (p.stockRowPiles >= 2) p.setStockX(kWaste, p.stockX(kStock) + p.w + 15);
}

// 016 and 019: the stock, or the waste when the stock is not shown, left of the tableau.
void leftAt(LayoutPass& p, int sy, int distance) {
  const int x = p.tableauX(0) - distance - p.w;
  if (!stockShown(p))
    p.setStock(kWaste, x, sy);
  else
    p.setStockX(kStock, x);
}
void leftNear(LayoutPass& p, int sy) { leftAt(p, sy, 30); }
void leftFar(LayoutPass& p, int sy) { leftAt(p, sy, 60); }

// 004: over the first tableau columns, on the stock row.
void overFirstColumns(LayoutPass& p, int sy) {
  const bool stock = stockShown(p), waste = wasteUsed(p);
  if (stock && waste) {
    p.setStock(kStock, p.tableauX(0), sy);
    p.setStock(kWaste, p.tableauX(1), sy);
  } else if (waste) {
    p.setStock(kWaste, p.tableauX(0), sy);
  } else if (stock) {
    p.setStock(kStock, p.tableauX(0), sy);
  }
}

using StockRule = void (*)(LayoutPass&, int stockRowY);
struct StockVariant {
  int variant;
  StockRule rule;
};

constexpr std::array kStockVariants{
    StockVariant{3, leftOfTableau}, StockVariant{5, rowFromLeft}, StockVariant{11, leftCorner},
    StockVariant{13, topLeft},      StockVariant{16, leftNear},   StockVariant{19, leftFar},
    StockVariant{21, leftPair},     StockVariant{4, overFirstColumns},
};

}  // namespace

void placeStockFamily(LayoutPass& p) {
  if (p.stockRowPiles < 1) return;
  const int sy = p.frame.rowY(p.codes.stock.row);
  p.setStockY(kStock, sy);
  for (const StockVariant& v : kStockVariants)
    if (v.variant == p.codes.stock.variant) return v.rule(p, sy);
}

}  // namespace kes
