#include "display/table/family_indicator_painter.h"

#include <QPainterPath>
#include <algorithm>

#include "display/geometry/pile_geometry.h"
#include "engine/family_indicators.h"
#include "engine/game_family.h"

namespace kes {

namespace {

const QColor kBox{250, 250, 235};
const QColor kBoxEdge{60, 60, 60};
const QColor kRankText{20, 20, 20};
constexpr int kBoxWidth = 28;
constexpr int kBoxHeight = 16;

// The free space between the bottom of a foundation and the next card below
// it in its column, if any.
int gapBelow(const TableView& view, PileId pile, int bottom) {
  const int x = pileOriginX(view, pile);
  int gap = view.height() / 6;
  for (int t = 0; t < view.game.tableauCount(); ++t) {
    const PileId below = PileId::tableau(t);
    if (!view.game.onTable(below)) continue;
    const int top = pileOriginY(view, below);
    if (top >= bottom && std::abs(pileOriginX(view, below) - x) < view.width()) gap = std::min(gap, top - bottom);
  }
  return gap;
}

}  // namespace

QRect countingBox(const TableView& view, int foundation) {
  const PileId pile = PileId::foundation(foundation);
  const int x = pileOriginX(view, pile), y = pileOriginY(view, pile);
  if (x < -9999 || y < -9999) return {};
  const int width = std::min(kBoxWidth, view.width());
  const int height = std::min(kBoxHeight, view.height() / 2);
  const int bottom = y + view.height();
  const int middle = bottom + gapBelow(view, pile, bottom) / 2;
  return {x + (view.width() - width) / 2, middle - height / 2, width, height};
}

void paintFamilyIndicators(QPainter& p, const TableView& view) {
  if (view.game.family() != Family::Counting) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QFont font;
  font.setBold(true);
  for (int i = 0; i < kCountingFoundations; ++i) {
    if (!view.game.onTable(PileId::foundation(i))) continue;
    const QRect box = countingBox(view, i);
    if (box.isEmpty()) continue;
    QPainterPath path;
    path.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.fillPath(path, kBox);
    p.setPen(kBoxEdge);
    p.drawPath(path);
    font.setPixelSize(std::max(7, box.height() - 4));
    p.setFont(font);
    p.setPen(kRankText);
    p.drawText(box, Qt::AlignCenter, QString::fromStdString(countingNextRank(view.game, i)));
  }
  p.restore();
}

}  // namespace kes
