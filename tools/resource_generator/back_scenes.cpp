#include "back_scenes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace kes::gen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double W = kBackFieldWidth;
constexpr double H = kBackFieldHeight;

void vertical(QPainter& p, QColor top, QColor bottom, QRectF area = QRectF(0, 0, W, H)) {
  QLinearGradient g(area.topLeft(), area.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(area, g);
}

void noPen(QPainter& p, QColor brush) {
  p.setPen(Qt::NoPen);
  p.setBrush(brush);
}

QPainterPath star(QPointF c, double outer, double inner, int points, double turn = -kPi / 2) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double a = turn + i * kPi / points;
    const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) path.moveTo(q);
    else path.lineTo(q);
  }
  path.closeSubpath();
  return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& q : points) {
    if (first) path.moveTo(q);
    else path.lineTo(q);
    first = false;
  }
  path.closeSubpath();
  return path;
}

// A ridge of peaks from the left edge to the right, filled down to the bottom.
QPainterPath ridge(std::initializer_list<QPointF> peaks) {
  QPainterPath path;
  path.moveTo(0, H);
  for (const QPointF& q : peaks) path.lineTo(q);
  path.lineTo(W, H);
  path.closeSubpath();
  return path;
}

void sun(QPainter& p, QPointF c, double r, QColor body, QColor rays, int count, double length) {
  p.setPen(QPen(rays, r * 0.18, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < count; ++i) {
    const double a = i * 2 * kPi / count;
    p.drawLine(QPointF(c.x() + (r + 2) * std::cos(a), c.y() + (r + 2) * std::sin(a)),
               QPointF(c.x() + (r + length) * std::cos(a), c.y() + (r + length) * std::sin(a)));
  }
  noPen(p, body);
  p.drawEllipse(c, r, r);
}

void flower(QPainter& p, QPointF c, double r, QColor petal, QColor heart, int petals = 5) {
  noPen(p, petal);
  for (int i = 0; i < petals; ++i) {
    p.save();
    p.translate(c);
    p.rotate(i * 360.0 / petals);
    p.drawEllipse(QPointF(0, -r * 0.55), r * 0.35, r * 0.55);
    p.restore();
  }
  noPen(p, heart);
  p.drawEllipse(c, r * 0.3, r * 0.3);
}

void rose(QPainter& p, QPointF c, double r) {
  noPen(p, QColor(200, 20, 40));
  p.drawEllipse(c, r, r);
  p.setPen(QPen(QColor(120, 0, 20), r * 0.12));
  p.setBrush(Qt::NoBrush);
  QPainterPath spiral;
  for (int i = 0; i <= 60; ++i) {
    const double a = i * 0.32;
    const double d = r * 0.85 * i / 60.0;
    const QPointF q(c.x() + d * std::cos(a), c.y() + d * std::sin(a));
    if (i == 0) spiral.moveTo(q);
    else spiral.lineTo(q);
  }
  p.drawPath(spiral);
}

void cloud(QPainter& p, QPointF c, double s, QColor colour = QColor(255, 255, 255, 235)) {
  noPen(p, colour);
  p.drawEllipse(QPointF(c.x() - s, c.y()), s * 0.9, s * 0.7);
  p.drawEllipse(QPointF(c.x() + s, c.y()), s * 0.9, s * 0.7);
  p.drawEllipse(QPointF(c.x(), c.y() - s * 0.4), s * 1.1, s * 0.9);
  p.drawEllipse(QPointF(c.x(), c.y() + s * 0.2), s * 1.2, s * 0.6);
}

void waves(QPainter& p, double top, double step, double amplitude, QPen pen) {
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  for (double y = top; y < H + step; y += step) {
    QPainterPath line;
    line.moveTo(0, y);
    for (double x = 0; x <= W; x += 2) line.lineTo(x, y + amplitude * std::sin((x + y * 1.7) / 8.0));
    p.drawPath(line);
  }
}

// ---- Paintings ---------------------------------------------------------

void boat(QPainter& p) {
  vertical(p, QColor(250, 190, 120), QColor(240, 120, 90), QRectF(0, 0, W, 80));
  noPen(p, QColor(255, 235, 150));
  p.drawEllipse(QPointF(70, 45), 14, 14);
  vertical(p, QColor(40, 90, 150), QColor(15, 40, 90), QRectF(0, 80, W, 60));
  waves(p, 86, 9, 1.6, QPen(QColor(140, 190, 230), 1.2));
  noPen(p, QColor(90, 50, 30));
  p.drawPath(polygon({{22, 92}, {78, 92}, {70, 103}, {30, 103}}));
  noPen(p, QColor(250, 245, 230));
  p.drawPath(polygon({{50, 30}, {50, 88}, {78, 88}}));
  noPen(p, QColor(230, 220, 200));
  p.drawPath(polygon({{47, 40}, {47, 88}, {26, 88}}));
  p.setPen(QPen(QColor(70, 40, 20), 1.5));
  p.drawLine(QPointF(48.5, 26), QPointF(48.5, 92));
}

void crown(QPainter& p, QPointF at, double s, QColor colour) {
  noPen(p, colour);
  p.drawPath(polygon({{at.x() - s, at.y()}, {at.x() - s, at.y() - s * 1.2}, {at.x() - s * 0.5, at.y() - s * 0.6},
                      {at.x(), at.y() - s * 1.4}, {at.x() + s * 0.5, at.y() - s * 0.6}, {at.x() + s, at.y() - s * 1.2},
                      {at.x() + s, at.y()}}));
  noPen(p, QColor(200, 30, 40));
  p.drawEllipse(QPointF(at.x(), at.y() - s * 0.35), s * 0.18, s * 0.18);
}

void magi(QPainter& p) {
  vertical(p, QColor(10, 14, 50), QColor(50, 30, 90));
  noPen(p, QColor(255, 255, 255, 160));
  for (int i = 0; i < 40; ++i) p.drawEllipse(QPointF((i * 37) % 100, (i * 53) % 90), 0.7, 0.7);
  p.setPen(QPen(QColor(255, 240, 170, 140), 1));
  for (int i = 0; i < 12; ++i) {
    const double a = i * kPi / 6;
    p.drawLine(QPointF(50, 36), QPointF(50 + 30 * std::cos(a), 36 + 30 * std::sin(a)));
  }
  noPen(p, QColor(255, 230, 120));
  p.drawPath(star(QPointF(50, 36), 14, 4, 8));
  noPen(p, QColor(120, 80, 40));
  p.drawPath(ridge({{0, 118}, {30, 108}, {60, 114}, {100, 104}}));
  crown(p, QPointF(24, 104), 7, QColor(230, 190, 60));
  crown(p, QPointF(50, 100), 8, QColor(240, 210, 90));
  crown(p, QPointF(76, 104), 7, QColor(230, 190, 60));
}

void japaneseWoman(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(24, 44, 92));
  p.setBrush(Qt::NoBrush);
  // Overlapping wave scales, row after row.
  for (int row = 0; row < 18; ++row)
    for (int col = -1; col < 8; ++col) {
      const QPointF c(col * 16 + (row % 2) * 8, row * 8 + 8);
      for (int ring = 4; ring >= 1; --ring) {
        p.setPen(Qt::NoPen);
        p.setBrush(ring % 2 ? QColor(24, 44, 92) : QColor(210, 220, 235));
        p.drawPie(QRectF(c.x() - ring * 2, c.y() - ring * 2, ring * 4, ring * 4), 0, 180 * 16);
      }
    }
  noPen(p, QColor(200, 30, 40));
  p.drawEllipse(QPointF(50, 58), 24, 24);
  // A folding fan over the disc.
  QPainterPath fan;
  fan.moveTo(50, 100);
  fan.arcTo(QRectF(22, 72, 56, 56), 30, 120);
  fan.closeSubpath();
  noPen(p, QColor(245, 235, 210));
  p.drawPath(fan);
  p.setPen(QPen(QColor(150, 100, 60), 0.8));
  for (int i = 0; i <= 8; ++i) {
    const double a = (30 + i * 15) * kPi / 180;
    p.drawLine(QPointF(50, 100), QPointF(50 + 28 * std::cos(a), 100 - 28 * std::sin(a)));
  }
}

void africa(QPainter& p) {
  const std::array<QColor, 4> bands{QColor(200, 120, 30), QColor(30, 30, 30), QColor(190, 40, 30), QColor(40, 110, 50)};
  for (int i = 0; i < 10; ++i) {
    const QRectF band(0, i * 14, W, 14);
    p.fillRect(band, bands[static_cast<std::size_t>(i % 4)]);
    noPen(p, i % 2 ? QColor(240, 200, 80) : QColor(245, 235, 210));
    for (double x = 0; x < W; x += 10)
      p.drawPath(polygon({{x, band.bottom()}, {x + 5, band.top() + 4}, {x + 10, band.bottom()}}));
  }
  noPen(p, QColor(245, 235, 210));
  p.drawEllipse(QPointF(50, 70), 30, 38);
  noPen(p, QColor(120, 60, 20));
  p.drawEllipse(QPointF(50, 70), 26, 34);
  // A mask: eyes, nose and mouth.
  noPen(p, QColor(245, 200, 90));
  p.drawEllipse(QPointF(40, 62), 5, 2.5);
  p.drawEllipse(QPointF(60, 62), 5, 2.5);
  p.drawPath(polygon({{50, 64}, {54, 80}, {46, 80}}));
  p.drawEllipse(QPointF(50, 90), 6, 3);
}

// ---- Children ------------------------------------------------------------

void snowman(QPainter& p) {
  vertical(p, QColor(60, 110, 190), QColor(170, 210, 240));
  noPen(p, Qt::white);
  p.drawPath(ridge({{0, 112}, {40, 108}, {100, 114}}));
  for (int i = 0; i < 45; ++i) p.drawEllipse(QPointF((i * 29) % 100, (i * 47) % 110), 1.1, 1.1);
  noPen(p, QColor(250, 250, 255));
  p.drawEllipse(QPointF(50, 100), 20, 18);
  p.drawEllipse(QPointF(50, 70), 15, 14);
  p.drawEllipse(QPointF(50, 46), 11, 11);
  noPen(p, QColor(30, 30, 30));
  p.fillRect(QRectF(39, 31, 22, 3), QColor(30, 30, 30));
  p.fillRect(QRectF(42, 16, 16, 16), QColor(30, 30, 30));
  p.drawEllipse(QPointF(46, 44), 1.5, 1.5);
  p.drawEllipse(QPointF(54, 44), 1.5, 1.5);
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(50, 64 + i * 6), 1.5, 1.5);
  noPen(p, QColor(240, 120, 30));
  p.drawPath(polygon({{50, 47}, {60, 49}, {50, 50}}));
  noPen(p, QColor(200, 30, 40));
  p.fillRect(QRectF(38, 55, 24, 4), QColor(200, 30, 40));
}

void dragon(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(20, 80, 50));
  // Overlapping scales.
  p.setPen(QPen(QColor(60, 140, 90), 0.9));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row < 20; ++row)
    for (int col = -1; col < 12; ++col)
      p.drawArc(QRectF(col * 10 + (row % 2) * 5, row * 7, 10, 10), 180 * 16, 180 * 16);
  // A winding body with spines, head at the top.
  QPainterPath body;
  body.moveTo(30, 125);
  body.cubicTo(90, 110, 10, 80, 60, 62);
  body.cubicTo(95, 50, 20, 35, 50, 22);
  p.setPen(QPen(QColor(240, 190, 40), 9, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(body);
  p.setPen(QPen(QColor(200, 40, 30), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(body);
  noPen(p, QColor(240, 190, 40));
  p.drawPath(polygon({{44, 26}, {66, 14}, {60, 24}, {72, 24}, {50, 32}}));
  noPen(p, QColor(200, 40, 30));
  p.drawEllipse(QPointF(55, 22), 1.6, 1.6);
  p.drawPath(polygon({{66, 14}, {80, 8}, {72, 18}}));
}

void childrensFlowers(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(255, 236, 140));
  const std::array<QColor, 4> petals{QColor(230, 60, 90), QColor(90, 120, 230), QColor(250, 140, 40),
                                     QColor(170, 80, 200)};
  int n = 0;
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 4; ++col) {
      const QPointF c(col * 26 + 12 + (row % 2) * 13, row * 24 + 12);
      flower(p, c, 9, petals[static_cast<std::size_t>(n++ % 4)], QColor(255, 220, 40));
    }
}

void teddyBear(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(170, 210, 240));
  noPen(p, QColor(255, 255, 255, 150));
  for (int row = 0; row < 10; ++row)
    for (int col = 0; col < 7; ++col) p.drawEllipse(QPointF(col * 16 + (row % 2) * 8, row * 16), 3, 3);
  const QColor fur(160, 100, 50);
  const QColor light(220, 180, 130);
  noPen(p, fur);
  p.drawEllipse(QPointF(30, 44), 11, 11);
  p.drawEllipse(QPointF(70, 44), 11, 11);
  p.drawEllipse(QPointF(50, 66), 28, 26);
  p.drawEllipse(QPointF(50, 118), 26, 24);
  noPen(p, light);
  p.drawEllipse(QPointF(30, 44), 6, 6);
  p.drawEllipse(QPointF(70, 44), 6, 6);
  p.drawEllipse(QPointF(50, 76), 12, 9);
  p.drawEllipse(QPointF(50, 120), 14, 14);
  noPen(p, QColor(40, 25, 15));
  p.drawEllipse(QPointF(40, 60), 3, 3);
  p.drawEllipse(QPointF(60, 60), 3, 3);
  p.drawEllipse(QPointF(50, 72), 4, 3);
  noPen(p, QColor(210, 40, 60));
  p.drawPath(polygon({{50, 94}, {36, 88}, {36, 100}}));
  p.drawPath(polygon({{50, 94}, {64, 88}, {64, 100}}));
}

// ---- Flowers -------------------------------------------------------------

void roses(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(20, 60, 30));
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 4; ++col) {
      const QPointF c(col * 28 + 8 + (row % 2) * 14, row * 26 + 10);
      noPen(p, QColor(60, 130, 60));
      p.drawEllipse(QPointF(c.x() + 8, c.y() + 7), 5, 2.5);
      p.drawEllipse(QPointF(c.x() - 8, c.y() + 7), 5, 2.5);
      rose(p, c, 8);
    }
}

void bigFlower(QPainter& p) {
  vertical(p, QColor(120, 190, 240), QColor(220, 240, 255));
  p.setPen(QPen(QColor(40, 130, 50), 4));
  p.drawLine(QPointF(50, 70), QPointF(50, 140));
  noPen(p, QColor(60, 160, 60));
  p.drawEllipse(QPointF(38, 105), 12, 5);
  p.drawEllipse(QPointF(62, 118), 12, 5);
  flower(p, QPointF(50, 56), 36, QColor(255, 210, 30), QColor(130, 70, 20), 14);
  noPen(p, QColor(90, 45, 10, 120));
  for (int i = 0; i < 20; ++i) {
    const double a = i * 2.4;
    const double d = std::sqrt(i) * 2.2;
    p.drawEllipse(QPointF(50 + d * std::cos(a), 56 + d * std::sin(a)), 1, 1);
  }
}

// ---- Geometric -----------------------------------------------------------

void stars(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(16, 28, 80));
  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 5; ++col) {
      const QPointF c(col * 22 + 6 + (row % 2) * 11, row * 19 + 8);
      noPen(p, row % 2 ? QColor(230, 200, 90) : QColor(250, 240, 200));
      p.drawPath(star(c, 7, 2.8, 5));
    }
}

// ---- Medieval ------------------------------------------------------------

QPainterPath fleurDeLis(QPointF c, double s) {
  QPainterPath path;
  path.moveTo(c.x(), c.y() - s);
  path.cubicTo(c.x() + s * 0.35, c.y() - s * 0.5, c.x() + s * 0.3, c.y() - s * 0.1, c.x(), c.y() + s * 0.2);
  path.cubicTo(c.x() - s * 0.3, c.y() - s * 0.1, c.x() - s * 0.35, c.y() - s * 0.5, c.x(), c.y() - s);
  for (const double side : {1.0, -1.0}) {
    path.moveTo(c.x() + side * s * 0.1, c.y() + s * 0.1);
    path.cubicTo(c.x() + side * s * 0.9, c.y() - s * 0.6, c.x() + side * s * 1.0, c.y() + s * 0.3,
                 c.x() + side * s * 0.45, c.y() + s * 0.3);
    path.closeSubpath();
  }
  path.addRect(QRectF(c.x() - s * 0.45, c.y() + s * 0.2, s * 0.9, s * 0.14));
  path.moveTo(c.x() - s * 0.1, c.y() + s * 0.34);
  path.lineTo(c.x() + s * 0.1, c.y() + s * 0.34);
  path.lineTo(c.x(), c.y() + s * 0.75);
  path.closeSubpath();
  return path;
}

void medievalFlower(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(24, 50, 140));
  p.setPen(QPen(QColor(40, 70, 170), 0.8));
  for (double d = -H; d < W + H; d += 12) {
    p.drawLine(QPointF(d, 0), QPointF(d + H, H));
    p.drawLine(QPointF(d, H), QPointF(d + H, 0));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 195, 70));
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 4; ++col) p.drawPath(fleurDeLis(QPointF(col * 28 + 8 + (row % 2) * 14, row * 25 + 12), 9));
}

void roseWindow(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(70, 60, 55));
  const QPointF c(50, 70);
  const std::array<QColor, 5> glass{QColor(30, 70, 170), QColor(190, 30, 40), QColor(230, 180, 40),
                                    QColor(40, 140, 80), QColor(120, 40, 150)};
  p.setPen(QPen(QColor(25, 20, 20), 1.6));
  const std::array<std::pair<double, int>, 4> rings{{{46, 16}, {34, 12}, {22, 8}, {10, 1}}};
  int ringIndex = 0;
  for (const auto& [radius, segments] : rings) {
    const double step = 360.0 / segments;
    for (int i = 0; i < segments; ++i) {
      p.setBrush(glass[static_cast<std::size_t>((i + ringIndex * 2) % 5)]);
      if (segments == 1) p.drawEllipse(c, radius, radius);
      else p.drawPie(QRectF(c.x() - radius, c.y() - radius, radius * 2, radius * 2), int(i * step * 16),
                     int(step * 16));
    }
    ++ringIndex;
  }
  noPen(p, QColor(255, 255, 255, 50));
  p.drawEllipse(QPointF(40, 58), 14, 10);
  noPen(p, QColor(100, 90, 80));
  for (double y = 6; y < H; y += 128) p.fillRect(QRectF(0, y - 6, W, 4), QColor(100, 90, 80));
}

void sunFace(QPainter& p, QPointF c, double r) {
  noPen(p, QColor(240, 190, 40));
  p.drawPath(star(c, r * 1.6, r * 1.05, 16));
  noPen(p, QColor(250, 215, 80));
  p.drawEllipse(c, r, r);
  p.setPen(QPen(QColor(170, 100, 20), r * 0.08));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - r * 0.45, c.y() - r * 0.35, r * 0.3, r * 0.2), 0, 180 * 16);
  p.drawArc(QRectF(c.x() + r * 0.15, c.y() - r * 0.35, r * 0.3, r * 0.2), 0, 180 * 16);
  p.drawArc(QRectF(c.x() - r * 0.4, c.y(), r * 0.8, r * 0.5), 200 * 16, 140 * 16);
}

void medievalSun(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(140, 20, 30));
  p.setPen(QPen(QColor(230, 180, 60), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(5, 5, W - 10, H - 10));
  for (const QPointF corner : {QPointF(12, 12), QPointF(88, 12), QPointF(12, 128), QPointF(88, 128)}) {
    noPen(p, QColor(230, 180, 60));
    p.drawPath(star(corner, 5, 2, 4));
  }
  sunFace(p, QPointF(50, 70), 20);
}

void sunAndMoon(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(230, 170, 50));
  noPen(p, QColor(20, 30, 80));
  p.drawPath(polygon({{W, 0}, {W, H}, {0, H}}));
  noPen(p, QColor(255, 255, 255, 180));
  for (int i = 0; i < 18; ++i) {
    const QPointF q(40 + (i * 31) % 60, 70 + (i * 43) % 70);
    if (q.x() / W + q.y() / H > 1.15) p.drawPath(star(q, 2, 0.8, 4));
  }
  sunFace(p, QPointF(32, 40), 14);
  noPen(p, QColor(240, 235, 200));
  QPainterPath moon;
  moon.addEllipse(QPointF(68, 100), 18, 18);
  QPainterPath bite;
  bite.addEllipse(QPointF(78, 94), 16, 16);
  p.drawPath(moon.subtracted(bite));
  noPen(p, QColor(40, 40, 70));
  p.drawEllipse(QPointF(58, 96), 1.5, 1.5);
}

// ---- Animals -------------------------------------------------------------

void eagle(QPainter& p) {
  QRadialGradient g(QPointF(50, 70), 80);
  g.setColorAt(0, QColor(170, 40, 30));
  g.setColorAt(1, QColor(80, 10, 10));
  p.fillRect(QRectF(0, 0, W, H), g);
  const QColor gold(235, 190, 70);
  const QColor dark(160, 110, 30);
  for (const double side : {1.0, -1.0}) {
    for (int feather = 0; feather < 6; ++feather) {
      const double y = 46 + feather * 7;
      const double reach = 44 - feather * 5;
      noPen(p, feather % 2 ? dark : gold);
      p.drawPath(polygon({{50 + side * 6, y}, {50 + side * reach, y - 10 + feather}, {50 + side * (reach - 4), y + 5},
                          {50 + side * 6, y + 7}}));
    }
    noPen(p, gold);
    p.drawPath(polygon({{50 + side * 4, 96}, {50 + side * 18, 116}, {50 + side * 8, 112}, {50, 110}}));
  }
  noPen(p, gold);
  p.drawEllipse(QPointF(50, 72), 9, 26);
  p.drawEllipse(QPointF(50, 38), 7, 8);
  noPen(p, QColor(250, 230, 160));
  p.drawPath(polygon({{55, 36}, {63, 40}, {55, 42}}));
  noPen(p, QColor(60, 10, 10));
  p.drawEllipse(QPointF(52, 36), 1.3, 1.3);
}

void fish(QPainter& p, QPointF c, double s, bool left) {
  p.save();
  p.translate(c);
  if (left) p.scale(-1, 1);
  noPen(p, QColor(250, 120, 30));
  p.drawEllipse(QPointF(0, 0), s, s * 0.55);
  p.drawPath(polygon({{-s * 0.8, 0}, {-s * 1.5, -s * 0.6}, {-s * 1.4, s * 0.6}}));
  noPen(p, Qt::white);
  for (const double x : {-s * 0.4, s * 0.3}) p.drawRect(QRectF(x - s * 0.1, -s * 0.5, s * 0.2, s));
  noPen(p, QColor(20, 20, 20));
  p.drawEllipse(QPointF(s * 0.65, -s * 0.12), s * 0.1, s * 0.1);
  p.restore();
}

void tropicalFish(QPainter& p) {
  vertical(p, QColor(40, 190, 200), QColor(10, 70, 120));
  p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 14; ++i) p.drawEllipse(QPointF(10 + (i * 23) % 80, (i * 37) % 140), 1.5 + i % 3, 1.5 + i % 3);
  noPen(p, QColor(30, 120, 60));
  for (const double x : {15.0, 85.0}) {
    QPainterPath weed;
    weed.moveTo(x, H);
    weed.cubicTo(x - 10, 110, x + 10, 100, x, 84);
    weed.cubicTo(x + 14, 100, x - 2, 116, x + 6, H);
    p.drawPath(weed);
  }
  fish(p, QPointF(55, 34), 13, false);
  fish(p, QPointF(40, 72), 15, true);
  fish(p, QPointF(62, 108), 11, false);
}

void penguin(QPainter& p) {
  vertical(p, QColor(150, 200, 240), QColor(230, 245, 255));
  noPen(p, QColor(255, 255, 255));
  p.drawPath(ridge({{0, 118}, {28, 112}, {70, 120}, {100, 112}}));
  noPen(p, QColor(255, 255, 255, 200));
  for (int i = 0; i < 12; ++i) p.drawPath(star(QPointF((i * 41) % 100, (i * 29) % 100), 2.5, 0.6, 6));
  noPen(p, QColor(25, 30, 40));
  p.drawEllipse(QPointF(50, 78), 24, 38);
  p.drawEllipse(QPointF(50, 40), 16, 15);
  p.drawPath(polygon({{27, 66}, {18, 98}, {30, 92}}));
  p.drawPath(polygon({{73, 66}, {82, 98}, {70, 92}}));
  noPen(p, QColor(250, 250, 250));
  p.drawEllipse(QPointF(50, 84), 16, 30);
  p.drawEllipse(QPointF(44, 38), 4, 5);
  p.drawEllipse(QPointF(56, 38), 4, 5);
  noPen(p, QColor(20, 20, 20));
  p.drawEllipse(QPointF(45, 39), 1.6, 1.6);
  p.drawEllipse(QPointF(55, 39), 1.6, 1.6);
  noPen(p, QColor(250, 150, 30));
  p.drawPath(polygon({{45, 45}, {55, 45}, {50, 51}}));
  p.drawEllipse(QPointF(41, 116), 7, 3);
  p.drawEllipse(QPointF(59, 116), 7, 3);
}

void horse(QPainter& p) {
  for (int row = 0; row < 10; ++row)
    for (int col = 0; col < 7; ++col)
      p.fillRect(QRectF(col * 15, row * 15, 15, 15), (row + col) % 2 ? QColor(110, 60, 30) : QColor(150, 95, 50));
  noPen(p, QColor(245, 235, 210));
  p.drawEllipse(QPointF(50, 70), 38, 48);
  noPen(p, QColor(40, 25, 20));
  // A horse's head in profile, mane to the left.
  p.drawPath(polygon({{38, 108}, {36, 84}, {30, 66}, {32, 46}, {42, 30}, {46, 22}, {50, 30}, {58, 34}, {72, 52},
                      {76, 62}, {70, 66}, {60, 60}, {54, 62}, {58, 76}, {66, 92}, {66, 108}}));
  noPen(p, QColor(245, 235, 210));
  p.drawEllipse(QPointF(55, 44), 2, 2);
  p.setPen(QPen(QColor(40, 25, 20), 2));
  p.drawLine(QPointF(34, 110), QPointF(70, 110));
}

// ---- Nature --------------------------------------------------------------

void clouds(QPainter& p) {
  vertical(p, QColor(40, 110, 210), QColor(150, 200, 245));
  cloud(p, QPointF(30, 22), 10);
  cloud(p, QPointF(72, 50), 12);
  cloud(p, QPointF(26, 82), 11);
  cloud(p, QPointF(70, 114), 10);
  cloud(p, QPointF(96, 86), 7, QColor(255, 255, 255, 180));
  cloud(p, QPointF(2, 130), 7, QColor(255, 255, 255, 180));
}

void lake(QPainter& p) {
  vertical(p, QColor(110, 170, 230), QColor(200, 230, 250), QRectF(0, 0, W, 62));
  noPen(p, QColor(90, 110, 140));
  p.drawPath(ridge({{0, 50}, {30, 30}, {55, 46}, {80, 26}, {100, 44}}).intersected(QPainterPath([] {
    QPainterPath clip;
    clip.addRect(0, 0, W, 62);
    return clip;
  }())));
  noPen(p, QColor(30, 90, 50));
  for (double x = 2; x < W; x += 7) p.drawPath(polygon({{x - 4, 64}, {x, 48 + std::fmod(x * 3, 7)}, {x + 4, 64}}));
  vertical(p, QColor(50, 100, 140), QColor(20, 50, 80), QRectF(0, 64, W, 76));
  // The far shore mirrored, fading.
  noPen(p, QColor(30, 90, 50, 90));
  for (double x = 2; x < W; x += 7) p.drawPath(polygon({{x - 4, 64}, {x, 80 - std::fmod(x * 3, 7)}, {x + 4, 64}}));
  p.setPen(QPen(QColor(200, 225, 245, 150), 0.8));
  for (int i = 0; i < 12; ++i) {
    const double y = 86 + i * 4.5;
    const double x = (i * 37) % 70;
    p.drawLine(QPointF(x, y), QPointF(x + 14 + i, y));
  }
}

void sea(QPainter& p) {
  vertical(p, QColor(20, 80, 150), QColor(5, 25, 70));
  for (int row = 0; row < 9; ++row) {
    const double y = 14 + row * 15;
    QPainterPath crest;
    crest.moveTo(0, y + 8);
    for (double x = 0; x < W; x += 20) {
      crest.cubicTo(x + 6, y - 4, x + 14, y - 4, x + 16, y + 2);
      crest.cubicTo(x + 12, y - 1, x + 10, y + 4, x + 20, y + 8);
    }
    p.setPen(QPen(QColor(220, 240, 255), 1.4));
    p.setBrush(QColor(40, 120, 190, 160));
    p.drawPath(crest);
  }
}

void mountains1(QPainter& p) {
  vertical(p, QColor(90, 150, 220), QColor(210, 230, 250));
  noPen(p, QColor(110, 120, 150));
  p.drawPath(ridge({{0, 70}, {25, 36}, {45, 58}, {70, 22}, {100, 62}}));
  noPen(p, Qt::white);
  p.drawPath(polygon({{25, 36}, {31, 44}, {27, 42}, {22, 45}, {19, 43}}));
  p.drawPath(polygon({{70, 22}, {80, 36}, {74, 33}, {69, 38}, {63, 33}, {60, 35}}));
  noPen(p, QColor(70, 90, 110));
  p.drawPath(ridge({{0, 96}, {20, 74}, {50, 92}, {80, 70}, {100, 86}}));
  noPen(p, QColor(40, 100, 60));
  p.drawPath(ridge({{0, 120}, {35, 108}, {70, 118}, {100, 104}}));
}

void mountains2(QPainter& p) {
  vertical(p, QColor(250, 150, 60), QColor(120, 40, 100));
  noPen(p, QColor(255, 230, 150));
  p.drawEllipse(QPointF(50, 58), 16, 16);
  const std::array<QColor, 4> layers{QColor(150, 60, 110), QColor(110, 40, 90), QColor(70, 25, 70),
                                     QColor(35, 15, 45)};
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const double layer = static_cast<double>(i);
    const double base = 62 + layer * 18;
    noPen(p, layers[i]);
    QPainterPath range;
    range.moveTo(0, H);
    for (double x = 0; x <= W; x += 5) range.lineTo(x, base - 12 * std::fabs(std::sin((x + layer * 23) / (14.0 + layer * 3))));
    range.lineTo(W, H);
    range.closeSubpath();
    p.drawPath(range);
  }
}

void hills(QPainter& p) {
  vertical(p, QColor(120, 190, 245), QColor(230, 245, 255));
  sun(p, QPointF(78, 24), 9, QColor(255, 235, 130), QColor(255, 245, 190), 12, 6);
  const std::array<QColor, 4> greens{QColor(150, 200, 90), QColor(110, 175, 70), QColor(70, 145, 55),
                                     QColor(40, 110, 45)};
  for (std::size_t i = 0; i < greens.size(); ++i) {
    const double y = 60 + static_cast<double>(i) * 20;
    QPainterPath hill;
    hill.moveTo(0, H);
    hill.lineTo(0, y + (i % 2 ? 10 : 0));
    hill.cubicTo(30, y - 18, 60, y + 22, W, y + (i % 2 ? 0 : 12));
    hill.lineTo(W, H);
    hill.closeSubpath();
    noPen(p, greens[i]);
    p.drawPath(hill);
  }
  noPen(p, QColor(40, 90, 40));
  for (const QPointF tree : {QPointF(20, 72), QPointF(66, 92), QPointF(30, 112)}) p.drawEllipse(tree, 4, 5);
}

constexpr std::array<std::pair<int, void (*)(QPainter&)>, 25> kScenes{{
    {1, boat},       {2, magi},           {3, snowman},       {4, dragon},     {5, childrensFlowers},
    {7, medievalFlower}, {8, roseWindow}, {9, sunAndMoon},    {10, medievalSun}, {12, africa},
    {13, teddyBear}, {14, roses},         {15, bigFlower},    {16, japaneseWoman}, {17, stars},
    {18, eagle},     {19, tropicalFish},  {20, lake},         {21, clouds},    {22, sea},
    {23, mountains1}, {24, penguin},      {25, mountains2},   {26, hills},     {27, horse},
}};

}  // namespace

std::vector<int> sceneBackNumbers() {
  std::vector<int> numbers;
  for (const auto& scene : kScenes) numbers.push_back(scene.first);
  return numbers;
}

bool drawBackScene(int number, QPainter& painter) {
  for (const auto& [design, draw] : kScenes)
    if (design == number) {
      painter.save();
      draw(painter);
      painter.restore();
      return true;
    }
  return false;
}

}  // namespace kes::gen
