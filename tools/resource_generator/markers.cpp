#include "markers.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

#include "display/resources/resource_names.h"
#include "painting.h"
#include "suit_shapes.h"

namespace kes::gen {

namespace {

// A marker is an opaque card-sized slot pressed into the green cloth.
constexpr QColor kSlot(0, 74, 0);
constexpr QColor kSlotEdge(120, 176, 120);
constexpr QColor kEngraving(150, 204, 150);
constexpr QColor kNoRedeal(214, 110, 100);
constexpr QColor kArmed(250, 214, 70);

enum class Design {
  Plain,        // empty reserve
  Waste,        // empty waste piles
  AnyCard,      // foundation or tableau pile that takes any card
  NoCard,       // tableau pile that nothing may fill
  Rank,         // the rank the pile starts with
  Star,         // special reserve
  Redeal,       // stock with a redeal left
  NoRedeal,     // stock with no redeal left
  RedealArmed,  // stock whose redeal waits for the second click
  Ring,         // stock of the pairing games
};

struct MarkerDesign {
  int number;
  Design design;
  int rank;  // for Design::Rank
};

constexpr std::array<MarkerDesign, 22> kMarkers{{
    {1, Design::Plain, 0},      {2, Design::Waste, 0},        {3, Design::Rank, 12},  {4, Design::AnyCard, 0},
    {5, Design::RedealArmed, 0}, {6, Design::Rank, 11},       {7, Design::NoCard, 0}, {8, Design::NoRedeal, 0},
    {9, Design::Star, 0},       {10, Design::Rank, 1},        {11, Design::Rank, 13}, {12, Design::Rank, 2},
    {13, Design::Rank, 3},      {14, Design::Rank, 4},        {15, Design::Rank, 5},  {16, Design::Rank, 6},
    {17, Design::Rank, 7},      {18, Design::Rank, 8},        {19, Design::Rank, 9},  {20, Design::Rank, 10},
    {21, Design::Ring, 0},      {22, Design::Redeal, 0},
}};

double lineWidth(const CardSize& size) { return size.height >= 60 ? 2.0 : 1.0; }

QRectF symbolBox(const CardSize& size, double share) {
  const double side = std::min(size.width, size.height) * share;
  return QRectF((size.width - side) / 2.0, (size.height - side) / 2.0, side, side);
}

void drawCircularArrow(QPainter& painter, const CardSize& size, QColor colour) {
  const QRectF box = symbolBox(size, 0.62);
  const double pen = lineWidth(size) + (size.height >= 60 ? 1.0 : 0.0);
  painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(box, 100 * 16, 290 * 16);
  // Arrow head at the open end of the arc, pointing along it.
  const QPointF tip(box.center().x() + box.width() * 0.5 * 0.17, box.top());
  const double head = box.width() * 0.28;
  QPainterPath arrow;
  arrow.moveTo(tip + QPointF(head * 0.9, 0));
  arrow.lineTo(tip + QPointF(-head * 0.3, -head * 0.6));
  arrow.lineTo(tip + QPointF(-head * 0.3, head * 0.6));
  arrow.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPath(arrow);
}

void drawCross(QPainter& painter, const CardSize& size, QColor colour) {
  const QRectF box = symbolBox(size, 0.5);
  painter.setPen(QPen(colour, lineWidth(size) + 1.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(box.topLeft(), box.bottomRight());
  painter.drawLine(box.topRight(), box.bottomLeft());
}

void drawNoEntry(QPainter& painter, const CardSize& size) {
  const QRectF box = symbolBox(size, 0.6);
  painter.setPen(QPen(kEngraving, lineWidth(size)));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(box);
  const double inset = box.width() * 0.146;  // where the diagonal meets the circle
  painter.drawLine(box.topLeft() + QPointF(inset, inset), box.bottomRight() - QPointF(inset, inset));
}

void drawStar(QPainter& painter, const CardSize& size) {
  const QRectF box = symbolBox(size, 0.6);
  const QPointF c = box.center();
  const double r = box.width() / 2.0;
  QPainterPath star;
  for (int i = 0; i < 8; ++i) {
    const double radius = i % 2 == 0 ? r : r * 0.32;
    const double angle = i * 3.14159265358979 / 4.0 - 3.14159265358979 / 2.0;
    const QPointF p(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
    if (i == 0) star.moveTo(p); else star.lineTo(p);
  }
  star.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kEngraving);
  painter.drawPath(star);
}

void drawRank(QPainter& painter, const CardSize& size, int rank) {
  painter.setPen(kEngraving);
  painter.setFont(pictureFont(static_cast<int>(size.height * 0.42), true, rank == 10));
  drawCentredText(painter, QRectF(0, 0, size.width, size.height), rankLabel(rank));
}

void drawInnerFrame(QPainter& painter, const CardSize& size, double inset, Qt::PenStyle style) {
  painter.setPen(QPen(kEngraving, 1.0, style));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(inset + 0.5, inset + 0.5, size.width - 2 * inset - 1.0, size.height - 2 * inset - 1.0));
}

void drawDesign(QPainter& painter, const CardSize& size, const MarkerDesign& marker) {
  const double inset = size.height >= 60 ? 5.0 : 3.0;
  switch (marker.design) {
    case Design::Plain: break;
    case Design::Waste: drawInnerFrame(painter, size, inset, Qt::DotLine); break;
    case Design::AnyCard: drawInnerFrame(painter, size, inset, Qt::SolidLine); break;
    case Design::NoCard: drawNoEntry(painter, size); break;
    case Design::Rank: drawRank(painter, size, marker.rank); break;
    case Design::Star: drawStar(painter, size); break;
    case Design::Redeal: drawCircularArrow(painter, size, kEngraving); break;
    case Design::NoRedeal: drawCross(painter, size, kNoRedeal); break;
    case Design::RedealArmed: drawCircularArrow(painter, size, kArmed); break;
    case Design::Ring:
      painter.setPen(QPen(kEngraving, lineWidth(size) + 1.0));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(symbolBox(size, 0.5));
      break;
  }
}

QImage marker(const CardSize& size, const MarkerDesign& design, int scale) {
  QImage picture = newPicture(size.width, size.height, kSlot, scale);
  QPainter painter(&picture);
  painter.setPen(kSlotEdge);
  painter.drawRect(QRectF(0.5, 0.5, size.width - 1.0, size.height - 1.0));
  smooth(painter);
  drawDesign(painter, size, design);
  return picture;
}

}  // namespace

void makeMarkers(PictureSink& sink) {
  for (const CardSize& size : kCardSizes) {
    for (const MarkerDesign& design : kMarkers)
      for (const int scale : kPictureScales)
        sink.add(scaledName(markerName(size.letter, design.number), scale), marker(size, design, scale));
  }
}

}  // namespace kes::gen
