#include "cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "display/resources/resource_library.h"
#include "display/resources/resource_names.h"
#include "painting.h"

namespace kes::gen {

namespace {

constexpr int kCursorSide = 32;

struct HandColours {
  QColor fill;
  QColor outline;
};
constexpr HandColours kGlove{QColor(255, 255, 255), QColor(0, 0, 0)};
constexpr HandColours kSkin{QColor(246, 204, 160), QColor(110, 60, 30)};

QPainterPath arrowPath(double scale) {
  static const QPointF points[] = {{0, 0}, {0, 16}, {4, 12.5}, {7, 19}, {9.5, 18}, {6.6, 11.6}, {11.5, 11.5}};
  QPainterPath path;
  path.moveTo(points[0] * scale);
  for (const QPointF& p : points) path.lineTo(p * scale);
  path.closeSubpath();
  return path;
}

QPainterPath roundedBox(double x, double y, double w, double h, double r) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), r, r);
  return path;
}

// A right hand seen from its back, index finger up, the other fingers bent;
// the tip of the index finger is at (12.5, 1).
QPainterPath pointingHand() {
  QPainterPath hand = roundedBox(10, 1, 5, 18, 2.5);
  hand = hand.united(roundedBox(15, 11, 4.2, 8, 2.1));
  hand = hand.united(roundedBox(19, 12, 4.2, 7, 2.1));
  hand = hand.united(roundedBox(23, 13.5, 4, 6, 2));
  hand = hand.united(roundedBox(9, 15, 18, 14, 4.5));
  return hand;
}

// The same hand closed: only the knuckles show above the palm.
QPainterPath closedHand() {
  QPainterPath hand = roundedBox(9, 9, 4.4, 7, 2.2);
  hand = hand.united(roundedBox(13.2, 8, 4.4, 7, 2.2));
  hand = hand.united(roundedBox(17.4, 8.5, 4.4, 7, 2.2));
  hand = hand.united(roundedBox(21.6, 10, 4, 6, 2));
  hand = hand.united(roundedBox(8, 12, 18, 14, 5));
  return hand;
}

QPainterPath thumb(bool closed) {
  const QPainterPath box = roundedBox(0, 0, closed ? 9 : 8.5, 4.6, 2.3);
  return closed ? QTransform().translate(6, 17).rotate(28).map(box)
                : QTransform().translate(4.5, 16.5).rotate(30).map(box);
}

void drawShape(QPainter& painter, const QPainterPath& shape, const HandColours& colours) {
  painter.setPen(QPen(colours.outline, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(colours.fill);
  painter.drawPath(shape);
}

// A small card under the pointer while it is held.
void drawHeldCard(QPainter& painter, const QRectF& box) {
  painter.setPen(QPen(QColor(40, 40, 40), 1.0));
  painter.setBrush(QColor(255, 255, 255));
  painter.drawRoundedRect(box, 1.5, 1.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(204, 0, 0));
  const QRectF pip(box.center().x() - 2.5, box.center().y() - 2.5, 5, 5);
  painter.drawEllipse(pip);
}

void drawFingerLines(QPainter& painter, bool closed, const HandColours& colours) {
  painter.setPen(QPen(colours.outline, 0.8));
  if (closed) {
    for (double x : {13.2, 17.4, 21.6}) painter.drawLine(QPointF(x, 12), QPointF(x, 15));
  } else {
    for (double x : {19.0, 23.0}) painter.drawLine(QPointF(x, 15), QPointF(x, 19));
  }
}

struct CursorPicture {
  QImage image;
  QPoint hotSpot;
};

CursorPicture arrowCursor(double scale, bool holding) {
  QImage picture = newPicture(kCursorSide, kCursorSide);
  QPainter painter(&picture);
  smooth(painter);
  painter.translate(1.5, 1.5);
  if (holding) drawHeldCard(painter, QRectF(9 * scale, 11 * scale, 10 * scale, 13 * scale));
  drawShape(painter, arrowPath(scale), kGlove);
  return {picture, QPoint(1, 1)};
}

CursorPicture handCursor(const HandColours& colours, bool left, bool holding) {
  QImage picture = newPicture(kCursorSide, kCursorSide);
  QPainter painter(&picture);
  smooth(painter);
  if (left) painter.setTransform(QTransform(-1, 0, 0, 1, kCursorSide, 0));
  painter.translate(1.5, 1.5);
  // A held card is pinched between the fingers and the thumb.
  drawShape(painter, holding ? closedHand() : pointingHand(), colours);
  drawFingerLines(painter, holding, colours);
  if (holding) drawHeldCard(painter, QRectF(10, 18, 15, 12));
  drawShape(painter, thumb(holding), colours);
  const QPoint spot = holding ? QPoint(17, 18) : QPoint(14, 2);
  return {picture, left ? QPoint(kCursorSide - 1 - spot.x(), spot.y()) : spot};
}

// Cursor sets 10 .. 15 in order; the set + 10 is the same pointer holding a card.
CursorPicture cursorFor(int set, bool holding) {
  switch (set) {
    case 10: return arrowCursor(1.0, holding);
    case 11: return arrowCursor(1.45, holding);
    case 12: return handCursor(kGlove, false, holding);
    case 13: return handCursor(kSkin, false, holding);
    case 14: return handCursor(kGlove, true, holding);
    default: return handCursor(kSkin, true, holding);
  }
}

}  // namespace

void makeCursors(PictureSink& sink) {
  for (int number : kCursorNumbers) {
    const bool holding = number >= 20;
    CursorPicture cursor = cursorFor(holding ? number - 10 : number, holding);
    cursor.image.setText(QString::fromLatin1(kHotSpotXKey), QString::number(cursor.hotSpot.x()));
    cursor.image.setText(QString::fromLatin1(kHotSpotYKey), QString::number(cursor.hotSpot.y()));
    sink.add(cursorName(number), cursor.image);
  }
}

}  // namespace kes::gen
