#include "stats/score_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace kes {

namespace {

const QColor kGold(0xe8, 0xb9, 0x2f);
const QColor kGoldEdge(0x8a, 0x63, 0x0b);

QPixmap blank(int side) {
  QPixmap picture(side, side);
  picture.fill(Qt::transparent);
  return picture;
}

}  // namespace

QPixmap scoreTablePicture(int side) {
  QPixmap picture = blank(side);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side / 64.0, side / 64.0);
  p.setPen(QPen(kGoldEdge, 2));
  p.setBrush(kGold);
  QPainterPath bowl;
  bowl.moveTo(16, 8);
  bowl.lineTo(48, 8);
  bowl.cubicTo(48, 30, 40, 38, 32, 38);
  bowl.cubicTo(24, 38, 16, 30, 16, 8);
  p.drawPath(bowl);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(6, 10, 14, 16), 90 * 16, 180 * 16);
  p.drawArc(QRectF(44, 10, 14, 16), 90 * 16, -180 * 16);
  p.setBrush(kGold);
  p.drawRect(QRectF(29, 38, 6, 10));
  p.drawRoundedRect(QRectF(20, 48, 24, 8), 2, 2);
  return picture;
}

QPixmap newScorePicture(int side) {
  QPixmap picture = blank(side);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side / 64.0, side / 64.0);
  QPolygonF star;
  constexpr int kPoints = 10;
  for (int i = 0; i < 2 * kPoints; ++i) {
    const double radius = i % 2 == 0 ? 30.0 : 17.0;
    const double angle = -M_PI / 2 + i * M_PI / kPoints;
    star << QPointF(32 + radius * std::cos(angle), 32 + radius * std::sin(angle));
  }
  p.setPen(QPen(kGoldEdge, 2));
  p.setBrush(kGold);
  p.drawPolygon(star);
  p.setPen(QPen(kGoldEdge, 3));
  QFont font = p.font();
  font.setPixelSize(20);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("1"));
  return picture;
}

}  // namespace kes
