#include "suit_shapes.h"

#include <QTransform>

namespace kes::gen {

namespace {

// Each symbol is drawn in a unit box and then stretched to the one asked for.
QPainterPath unitHeart() {
  QPainterPath p;
  p.moveTo(0.5, 1.0);
  p.cubicTo(0.35, 0.82, 0.0, 0.6, 0.0, 0.3);
  p.cubicTo(0.0, 0.12, 0.13, 0.0, 0.27, 0.0);
  p.cubicTo(0.38, 0.0, 0.46, 0.07, 0.5, 0.18);
  p.cubicTo(0.54, 0.07, 0.62, 0.0, 0.73, 0.0);
  p.cubicTo(0.87, 0.0, 1.0, 0.12, 1.0, 0.3);
  p.cubicTo(1.0, 0.6, 0.65, 0.82, 0.5, 1.0);
  p.closeSubpath();
  return p;
}

QPainterPath unitDiamond() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.quadTo(0.64, 0.27, 0.9, 0.5);
  p.quadTo(0.64, 0.73, 0.5, 1.0);
  p.quadTo(0.36, 0.73, 0.1, 0.5);
  p.quadTo(0.36, 0.27, 0.5, 0.0);
  p.closeSubpath();
  return p;
}

QPainterPath unitStem() {
  QPainterPath p;
  p.moveTo(0.47, 0.7);
  p.cubicTo(0.46, 0.86, 0.4, 0.95, 0.28, 1.0);
  p.lineTo(0.72, 1.0);
  p.cubicTo(0.6, 0.95, 0.54, 0.86, 0.53, 0.7);
  p.closeSubpath();
  return p;
}

QPainterPath unitSpade() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.cubicTo(0.62, 0.2, 1.0, 0.36, 1.0, 0.6);
  p.cubicTo(1.0, 0.76, 0.88, 0.86, 0.74, 0.86);
  p.cubicTo(0.64, 0.86, 0.56, 0.81, 0.5, 0.72);
  p.cubicTo(0.44, 0.81, 0.36, 0.86, 0.26, 0.86);
  p.cubicTo(0.12, 0.86, 0.0, 0.76, 0.0, 0.6);
  p.cubicTo(0.0, 0.36, 0.38, 0.2, 0.5, 0.0);
  p.closeSubpath();
  return p.united(unitStem());
}

QPainterPath unitClub() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  constexpr double r = 0.235;
  p.addEllipse(QPointF(0.5, 0.25), r, r);
  p.addEllipse(QPointF(0.245, 0.6), r, r);
  p.addEllipse(QPointF(0.755, 0.6), r, r);
  p.addRect(QRectF(0.4, 0.35, 0.2, 0.3));
  return p.simplified().united(unitStem());
}

QPainterPath unitPath(Suit suit) {
  switch (suit) {
    case Suit::Hearts: return unitHeart();
    case Suit::Diamonds: return unitDiamond();
    case Suit::Clubs: return unitClub();
    case Suit::Spades: return unitSpade();
  }
  return {};
}

}  // namespace

QPainterPath suitPath(Suit suit, const QRectF& box) {
  QTransform toBox;
  toBox.translate(box.x(), box.y());
  toBox.scale(box.width(), box.height());
  return toBox.map(unitPath(suit));
}

bool isRed(Suit suit) { return suit == Suit::Hearts || suit == Suit::Diamonds; }

QColor suitColour(Suit suit) { return isRed(suit) ? QColor(204, 0, 0) : QColor(16, 16, 16); }

QString rankLabel(int rank) {
  switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
  }
}

}  // namespace kes::gen
