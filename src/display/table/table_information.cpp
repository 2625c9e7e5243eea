#include "display/table/table_information.h"

#include <QPainterPath>
#include <algorithm>

#include "display/geometry/pile_geometry.h"

namespace kes {

namespace {

const QColor kPanel{0, 0, 0, 120};
const QColor kPanelEdge{255, 255, 255, 90};
const QColor kHeading{255, 230, 120};
const QColor kLine{235, 235, 235};
const QColor kMarkFill{255, 220, 0, 70};
const QColor kMarkEdge{255, 220, 0};
constexpr int kPadding = 10;
constexpr int kMargin = 8;
constexpr int kMarkWidth = 3;

// The extent of the placed tableau piles, as their origins and card size.
QRect tableauExtent(const TableView& view) {
  QRect extent;
  for (int i = 0; i < view.game.tableauCount(); ++i) {
    const PileId pile = PileId::tableau(i);
    if (!view.game.onTable(pile)) continue;
    const int x = pileOriginX(view, pile), y = pileOriginY(view, pile);
    if (x < -9999 || y < -9999) continue;
    extent = extent.united(QRect(x, y, view.width(), view.height()));
  }
  return extent;
}

int lineHeight(const TableView& view) { return std::max(16, view.height() / 5); }

QFont panelFont(const TableView& view, bool bold) {
  QFont f;
  f.setPixelSize(std::max(11, lineHeight(view) * 2 / 3));
  f.setBold(bold);
  return f;
}

void paintMarks(QPainter& p, const TableView& view, const TableInformation& information) {
  if (!information.anyMarked()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kMarkEdge, kMarkWidth));
  for (int ordinal = 0; ordinal < kPileCount; ++ordinal) {
    const PileId pile = PileId::fromOrdinal(ordinal);
    if (!information.isMarked(pile) || !view.game.onTable(pile)) continue;
    const QRectF cell(pileOriginX(view, pile) - 1.5, pileOriginY(view, pile) - 1.5, view.width() + 3, view.height() + 3);
    QPainterPath path;
    path.addRoundedRect(cell, 5, 5);
    p.fillPath(path, kMarkFill);
    p.drawPath(path);
  }
  p.restore();
}

void paintPanel(QPainter& p, const TableView& view, const QString& text, int tableWidth) {
  const QStringList lines = text.split('\n');
  const QRect area = informationArea(view, tableWidth, static_cast<int>(lines.size()));
  if (area.isEmpty()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  p.fillPath(path, kPanel);
  p.setPen(kPanelEdge);
  p.drawPath(path);
  const int step = lineHeight(view);
  for (int i = 0; i < lines.size(); ++i) {
    // The first line leads: the hand's name, or the total alone.
    const bool heading = i == 0;
    p.setFont(panelFont(view, heading));
    p.setPen(heading ? kHeading : kLine);
    const QRect line(area.left() + kPadding, area.top() + kPadding + i * step, area.width() - 2 * kPadding, step);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
  }
  p.restore();
}

}  // namespace

void TableInformation::mark(const std::vector<PileId>& piles, bool marked) {
  for (const PileId pile : piles) {
    if (marked)
      marked_.insert(pile.ordinal());
    else
      marked_.erase(pile.ordinal());
  }
}

void TableInformation::clear() {
  text_.clear();
  marked_.clear();
}

QRect informationArea(const TableView& view, int tableWidth, int lines) {
  const QRect tableau = tableauExtent(view);
  if (tableau.isEmpty() || lines <= 0) return {};
  const int height = 2 * kPadding + lines * lineHeight(view);
  const int wanted = 3 * view.width();
  const int right = tableau.right() + 1 + view.width() / 2;
  if (tableWidth - kMargin - right >= 2 * view.width())
    return {right, tableau.top(), std::min(wanted, tableWidth - kMargin - right), height};
  return {tableau.left(), tableau.bottom() + 1 + view.height() / 4, std::min(wanted, tableau.width()), height};
}

void paintInformation(QPainter& p, const TableView& view, const TableInformation& information, int tableWidth) {
  paintMarks(p, view, information);
  if (!information.text().isEmpty()) paintPanel(p, view, information.text(), tableWidth);
}

}  // namespace kes
