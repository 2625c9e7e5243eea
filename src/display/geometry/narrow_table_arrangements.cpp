// Arrangements reserved by this catalogue for games whose standard drawing
// needs a wider table than many windows give. On a wide table they place the
// tableau as the standard variant would; on a narrow one they change the
// drawing so that every pile stays on the table, since fans are never
// squeezed. The other families follow their standard rules.
#include <algorithm>

#include "display/geometry/fanning.h"
#include "display/geometry/layout_pass.h"

namespace kes {

namespace {

constexpr int kMinGap = 4;
constexpr int kMaxGap = 20;

int spreadGap(int tableWidth, int piles, int w) { return std::clamp((tableWidth - piles * w) / (piles + 1), kMinGap, kMaxGap); }

int rowWidth(int piles, int w, int gap) { return piles * w + (piles - 1) * gap; }

// Where a second row of downward fans starts: half-way down the table, but
// never where the first row's dealt fans would reach.
int secondRowY(const LayoutPass& p) {
  const FanningSteps steps = fanningSteps(p.request.card, p.params, FanningSteps{});
  const int firstRowBottom = p.anchorY + p.h + 5 * steps.downFaceUp + p.frame.rowMargin;
  return std::max(p.anchorY + (p.frame.bottom - p.anchorY) / 2, firstRowBottom);
}

void placeRow(LayoutPass& p, int first, int count, int x0, int y, int gap) {
  for (int j = 0; j < count; ++j) p.placeTableau(first + j, x0 + j * (p.w + gap), y);
}

}  // namespace

// 056: one centred row when it fits between the left edges, otherwise two
// rows, the second offset by half a pile under the first.
void oneOrTwoRows(LayoutPass& p) {
  const int t = p.frame.tableWidth, edge = p.frame.leftEdge;
  p.anchorY = p.frame.rowY(p.codes.tableau.row);
  int g = spreadGap(t, p.n, p.w);
  if (rowWidth(p.n, p.w, g) + 2 * edge <= t) {
    p.tableauGap = g;
    placeRow(p, 0, p.n, (t - rowWidth(p.n, p.w, g)) / 2, p.anchorY, g);
  } else {
    const int top = (p.n + 1) / 2;
    g = spreadGap(t, top, p.w);
    p.tableauGap = g;
    const int x0 = std::max((t - rowWidth(top, p.w, g)) / 2, edge);
    placeRow(p, 0, top, x0, p.anchorY, g);
    placeRow(p, top, p.n - top, x0 + (p.w + g) / 2, secondRowY(p), g);
  }
  placeFamiliesBesideTableau(p);
}

// 057: the rows of equal length of variant 018; on a table too narrow for
// its wide gaps, the gap that fits, but never less than a fan of three.
void gridRowsNarrowing(LayoutPass& p) {
  const int perRow = p.n / std::max<int>(p.param(Param::TableauRows), 1);
  const int fit = gridRowsFitGap(p);
  int g = std::max(fit, p.w * 3 / 2);
  if (gridRowsLeft(p) + rowWidth(perRow, p.w, g) > p.frame.tableWidth) {
    const FanningSteps steps = fanningSteps(p.request.card, p.params, FanningSteps{});
    g = std::max(fit, 2 * steps.rightFaceUp + kMinGap);
  }
  p.anchorY = p.frame.rowY(p.codes.tableau.row);
  placeGridRows(p, g);
  placeFamiliesBesideTableau(p);
}

}  // namespace kes
