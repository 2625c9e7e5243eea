// The reserves and the second waste, placed from the tableau, the stock or
// the left edge; and the check that moves the tableau clear of a reserve row
// laid from the left edge.
#include <array>

#include "display/geometry/rect.h"
#include "display/geometry/layout_pass.h"

namespace kes {

namespace {

void overTableau(LayoutPass& p, int y) {
  for (int k = 0; k < p.r; ++k) p.setReserve(k, p.tableauX(k), y);
}

void rowFromLeft(LayoutPass& p, int y) {
  const int edge = p.frame.leftEdge;
  for (int k = 0; k < p.r; ++k) p.setReserve(k, edge + k * (edge + p.w), y);
}

void fromFirstTableau(LayoutPass& p, int y) {
  for (int k = 0; k < p.r; ++k) p.setReserve(k, p.tableauX(0) + k * (p.foundationGap + p.w), y);
}

void overLastTableau(LayoutPass& p, int y) {
  for (int k = 0; k < p.r; ++k) p.setReserve(k, p.tableauX(p.n - p.r + k), y);
}

void atWaste(LayoutPass& p, int y) { p.setReserve(0, p.stockX(kWaste), y); }

void leftOfTableau(LayoutPass& p, int y) {
  const int c = p.n >= 8 ? 22 : 45;
  p.setReserve(0, p.tableauX(0) - c - p.w, y);
}

using ReserveRule = void (*)(LayoutPass&, int rowY);
struct ReserveVariant {
  int variant;
  ReserveRule rule;
};

constexpr std::array kReserveVariants{
    ReserveVariant{4, overTableau},     ReserveVariant{5, rowFromLeft}, ReserveVariant{6, fromFirstTableau},
    ReserveVariant{7, overLastTableau}, ReserveVariant{11, atWaste},    ReserveVariant{12, leftOfTableau},
};

// How far the tableau band reaches beyond each pile in the collision check.
constexpr int kCollisionMargin = 85;

}  // namespace

void placeReserves(LayoutPass& p) {
  if (p.r < 1) return;
  const int y = p.frame.rowY(p.codes.reserves.row);
  for (const ReserveVariant& v : kReserveVariants)
    if (v.variant == p.codes.reserves.variant) return v.rule(p, y);
}

void placeSecondWaste(LayoutPass& p) {
  if (p.param(Param::SecondWasteUsed) < 1) return;
  const int d = p.codes.secondWaste.row;
  switch (p.codes.secondWaste.variant) {
    case 16: p.setStock(kSecondWaste, p.stockX(kStock), p.frame.rowY(d - 1) + p.h + 20); break;
    case 6: p.setStock(kSecondWaste, p.tableauX(1), p.frame.rowY(d)); break;
    case 7: p.setStock(kSecondWaste, p.tableauX(p.n - 1), p.frame.rowY(d)); break;
    default: break;
  }
}

int reserveCollisionShift(const LayoutPass& p) {
  if (p.codes.reserves.variant != Placement::kReserveRowFromLeft || p.r < 1) return 0;
  const auto last = static_cast<std::size_t>(p.r - 1);
  const int rx = p.pos.reserveX[last], ry = p.pos.reserveY[last];
  const Rect reserve{rx, ry, rx + p.w, ry + p.h};
  for (std::size_t k = 0; k < p.pos.tableauX.size(); ++k) {
    const int tx = p.pos.tableauX[k], ty = p.pos.tableauY[k];
    const Rect band{tx - kCollisionMargin, ty, tx + p.w + kCollisionMargin, ty + p.h};
    if (overlaps(reserve, band)) {
      const int shift = rx + p.w + kCollisionMargin + 1;
      return shift <= 0 ? p.frame.leftEdge : shift;
    }
  }
  return 0;
}

}  // namespace kes
