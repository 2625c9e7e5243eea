#include "display/geometry/layout_pass.h"

#include <algorithm>

namespace kes {

LayoutPass::LayoutPass(const GameParams& p, PilePositions& positions, const LayoutRequest& req, int shift)
    : params(p),
      pos(positions),
      request(req),
      codes(placementCodes(p)),
      frame(layoutFrame(req, p, codes)),
      w(req.card.width),
      h(req.card.height),
      n(std::clamp<int>(p[Param::TableauCount], 0, 26)),
      l(std::clamp<int>(p[Param::FoundationCount], 0, 16)),
      r(std::clamp<int>(p[Param::ReserveCount], 0, 8)),
      stockRowPiles(p[Param::StockRowPiles]),
      layoutShift(shift),
      anchorX(positions.tableauX[0]),
      anchorY(positions.tableauY[0]) {}

int LayoutPass::tableauX(int k) const {
  if (k >= 0 && k < n) return k == 0 ? anchorX : pos.tableauX.at(static_cast<std::size_t>(k));
  const int step = w + tableauGap;
  if (k < 0 || n == 0) return anchorX + k * step;
  return pos.tableauX.at(static_cast<std::size_t>(n - 1)) + (k - n + 1) * step;
}

int LayoutPass::tableauY(int k) const {
  if (k > 0 && k < n) return pos.tableauY.at(static_cast<std::size_t>(k));
  return anchorY;
}

void LayoutPass::placeTableau(int k, int x, int y) {
  if (k == 0) {
    anchorX = x;
    anchorY = y;
  }
  if (k >= 0 && k < n) pos.set(PileId::tableau(k), x, y);
}

void LayoutPass::placeTableauRow(int x0, int y0, int gap) {
  placeTableau(0, x0, y0);
  for (int k = 1; k < n; ++k) placeTableau(k, tableauX(k - 1) + w + gap, y0);
}

}  // namespace kes
