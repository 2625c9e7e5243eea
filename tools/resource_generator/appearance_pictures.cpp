#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

#include "face_sets.h"
#include "icons.h"
#include "mini_cards.h"
#include "painting.h"
#include "plain_faces.h"

namespace kes::gen {

namespace {

constexpr QColor kCloth(0, 96, 0);
constexpr int kCardW = 71;
constexpr int kCardH = 96;

QImage face(Suit suit, int rank) { return plainFace(suit, rank, kCardW, kCardH, faceSetSources()[2]); }

void drawDitheredShadow(QPainter& painter, int left, int top) {
  painter.setPen(Qt::black);
  for (int y = top + 7; y < top + kCardH + 7; ++y)
    for (int x = left + kCardW; x < left + kCardW + 7; ++x)
      if ((x + y) % 2 == 0) painter.drawPoint(x, y);
  for (int y = top + kCardH; y < top + kCardH + 7; ++y)
    for (int x = left + 8; x < left + kCardW; ++x)
      if ((x + y) % 2 == 0) painter.drawPoint(x, y);
}

// A card lying on the table and a second one lifted over it.
QImage shadowPreview(bool shadow) {
  QImage picture = newPicture(130, 130, kCloth);
  QPainter painter(&picture);
  painter.drawImage(8, 8, face(Suit::Clubs, 5));
  if (shadow) drawDitheredShadow(painter, 44, 22);
  painter.drawImage(44, 22, face(Suit::Hearts, 12));
  return picture;
}

// Two fanned tableau piles, laid straight or slightly askew.
QImage pilesPreview(bool irregular) {
  static const std::array<QPoint, 5> jitter{{{0, 0}, {2, 1}, {-1, -1}, {1, 2}, {-2, 0}}};
  QImage picture = newPicture(170, 170, kCloth);
  QPainter painter(&picture);
  const Suit suits[] = {Suit::Spades, Suit::Hearts};
  for (int pile = 0; pile < 2; ++pile)
    for (int i = 0; i < 5; ++i) {
      const QPoint shift = irregular ? jitter[static_cast<std::size_t>((i + pile * 2) % 5)] : QPoint();
      painter.drawImage(10 + pile * 80 + shift.x(), 8 + i * 15 + shift.y(),
                        face(suits[(i + pile) % 2], 13 - i - pile));
    }
  return picture;
}

constexpr int kIconSide = 16;

QImage folderIcon(bool open) {
  QImage picture = newPicture(kIconSide, kIconSide);
  QPainter painter(&picture);
  smooth(painter);
  const QColor edge(150, 110, 20);
  painter.setPen(QPen(edge, 1.0));
  painter.setBrush(QColor(230, 190, 80));
  painter.drawRect(QRectF(1.5, 3.5, 6, 3));
  painter.drawRect(QRectF(1.5, 4.5, 13, 9));
  if (open) {
    QPainterPath flap;
    flap.moveTo(3.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(13.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    painter.setBrush(QColor(250, 220, 120));
    painter.drawPath(flap);
  }
  return picture;
}

QImage miniCardIcon(MiniFace faceKind, QColor pip) {
  QImage picture = newPicture(kIconSide, kIconSide);
  QPainter painter(&picture);
  drawMiniCard(painter, {3, 1, 10, 14, faceKind}, pip);
  return picture;
}

QImage swatchIcon() {
  QImage picture = newPicture(kIconSide, kIconSide);
  QPainter painter(&picture);
  const QColor colours[] = {QColor(200, 40, 40), QColor(40, 160, 40), QColor(40, 80, 200), QColor(230, 200, 40)};
  for (int i = 0; i < 4; ++i) painter.fillRect(1 + (i % 2) * 7, 1 + (i / 2) * 7, 7, 7, colours[i]);
  painter.setPen(QColor(60, 60, 60));
  painter.drawRect(1, 1, 13, 13);
  return picture;
}

QImage starIcon() {
  QImage picture = newPicture(kIconSide, kIconSide);
  QPainter painter(&picture);
  smooth(painter);
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? 7.5 : 3.2;
    const double angle = i * 3.14159265358979 / 5.0 - 3.14159265358979 / 2.0;
    const QPointF p(8 + radius * std::cos(angle), 8.5 + radius * std::sin(angle));
    if (i == 0) star.moveTo(p); else star.lineTo(p);
  }
  star.closeSubpath();
  painter.setPen(QPen(QColor(170, 110, 0), 1.0));
  painter.setBrush(QColor(255, 210, 40));
  painter.drawPath(star);
  return picture;
}

QImage speakerIcon() {
  QImage picture = newPicture(kIconSide, kIconSide);
  QPainter painter(&picture);
  smooth(painter);
  QPainterPath speaker;
  speaker.moveTo(1.5, 5.5);
  speaker.lineTo(4.5, 5.5);
  speaker.lineTo(8.5, 1.5);
  speaker.lineTo(8.5, 14.5);
  speaker.lineTo(4.5, 10.5);
  speaker.lineTo(1.5, 10.5);
  speaker.closeSubpath();
  painter.setPen(QPen(QColor(30, 30, 30), 1.0));
  painter.setBrush(QColor(90, 90, 110));
  painter.drawPath(speaker);
  painter.setPen(QPen(QColor(30, 120, 30), 1.3));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(6, 4.5, 6, 7), -50 * 16, 100 * 16);
  painter.drawArc(QRectF(5, 1.5, 10, 13), -55 * 16, 110 * 16);
  return picture;
}

// The animation preview: a card flying from one pile to another, frame by
// frame, in one strip.
constexpr int kFrameW = 90;
constexpr int kFrameH = 60;

QImage flightStrip(int frames) {
  QImage card = plainFace(Suit::Hearts, 1, 25, 32, faceSetSources()[2]);
  QImage strip = newPicture(kFrameW * frames, kFrameH, kCloth);
  QPainter painter(&strip);
  const QPoint from(6, 6);
  const QPoint to(kFrameW - 31, kFrameH - 38);
  for (int f = 0; f < frames; ++f) {
    const double t = frames == 1 ? 0.0 : static_cast<double>(f) / (frames - 1);
    const QPoint at = from + (to - from) * t;
    painter.drawImage(f * kFrameW + at.x(), at.y(), card);
  }
  return strip;
}

}  // namespace

void makeAppearancePictures(PictureSink& sink) {
  sink.add(QStringLiteral("CARD_WITH_SHADOW"), shadowPreview(true));
  sink.add(QStringLiteral("CARD_WITHOUT_SHADOW"), shadowPreview(false));
  sink.add(QStringLiteral("CARD_IRR_PILES_YES"), pilesPreview(true));
  sink.add(QStringLiteral("CARD_IRR_PILES_NO"), pilesPreview(false));
  sink.add(QStringLiteral("SOUND_ENABLED"), speakerIcon());
  sink.add(QStringLiteral("TREE1"), folderIcon(false));
  sink.add(QStringLiteral("TREE2"), folderIcon(true));
  sink.add(QStringLiteral("N_TREE3"), miniCardIcon(MiniFace::Down, QColor()));
  sink.add(QStringLiteral("N_TREE4"), swatchIcon());
  sink.add(QStringLiteral("N_TREE5"), miniCardIcon(MiniFace::Up, QColor(200, 0, 0)));
  sink.add(QStringLiteral("S_TREE2"), starIcon());
  sink.add(QStringLiteral("Animated_Yes"), flightStrip(12));
  sink.add(QStringLiteral("Animated_No"), flightStrip(2));
}

}  // namespace kes::gen
