#include "plain_faces.h"

#include <QPainter>

#include "painting.h"

namespace kes::gen {

namespace {

constexpr QColor kEdge(96, 96, 96);
// From this height a plain face has room for an index in both corners.
constexpr int kTwoIndexHeight = 60;

void paintCard(QPainter& painter, int width, int height, const FaceSetSource& style) {
  painter.fillRect(0, 0, width, height, style.paper);
  painter.setPen(kEdge);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, width - 1.0, height - 1.0));
}

void paintCourtFrame(QPainter& painter, const QRectF& box, const FaceSetSource& style) {
  QColor fill = style.courtFrame;
  fill.setAlpha(60);
  painter.setPen(QPen(style.courtFrame, 1.0));
  painter.setBrush(fill);
  painter.drawRect(box);
}

void paintSymbol(QPainter& painter, Suit suit, const QRectF& box) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(suitColour(suit));
  painter.drawPath(suitPath(suit, box));
}

void paintRank(QPainter& painter, Suit suit, int rank, const QRectF& box, int pixelSize) {
  painter.setPen(suitColour(suit));
  painter.setFont(pictureFont(pixelSize, true, rank == 10));
  painter.drawText(box, Qt::AlignCenter, rankLabel(rank));
}

// The smallest size: one index and a big symbol that fills the rest.
void paintSmall(QPainter& painter, Suit suit, int rank, double w, double h, const FaceSetSource& style) {
  if (rank > 10) paintCourtFrame(painter, QRectF(w * 0.38, h * 0.40, w * 0.56, h * 0.54), style);
  paintRank(painter, suit, rank, QRectF(1.0, 0.0, w * (rank == 10 ? 0.62 : 0.48), h * 0.38), static_cast<int>(h * 0.36));
  paintSymbol(painter, suit, QRectF(w * 0.1, h * 0.40, w * 0.3, h * 0.24));
  paintSymbol(painter, suit, QRectF(w * 0.44, h * 0.45, w * 0.48, h * 0.44));
}

// Larger sizes: an index in the top-left corner and the same upside down in
// the bottom-right one; a big symbol in the middle, framed with the rank
// letter for the court cards.
void paintIndex(QPainter& painter, Suit suit, int rank, double w, double h) {
  const QRectF rankBox(1.0, 1.0, w * 0.3, h * 0.2);
  paintRank(painter, suit, rank, rankBox, static_cast<int>(h * 0.18));
  paintSymbol(painter, suit, QRectF(w * 0.06, h * 0.22, w * 0.18, h * 0.13));
}

void paintLarge(QPainter& painter, Suit suit, int rank, double w, double h, const FaceSetSource& style) {
  paintIndex(painter, suit, rank, w, h);
  painter.save();
  painter.translate(w, h);
  painter.rotate(180);
  paintIndex(painter, suit, rank, w, h);
  painter.restore();
  if (rank > 10) {
    const QRectF frame(w * 0.3, h * 0.16, w * 0.4, h * 0.68);
    paintCourtFrame(painter, frame, style);
    paintRank(painter, suit, rank, QRectF(frame.x(), frame.y(), frame.width(), frame.height() * 0.5),
              static_cast<int>(h * 0.26));
    paintSymbol(painter, suit, QRectF(w * 0.36, h * 0.5, w * 0.28, h * 0.24));
  } else {
    paintSymbol(painter, suit, QRectF(w * 0.3, h * 0.33, w * 0.4, h * 0.34));
  }
}

}  // namespace

QImage plainFace(Suit suit, int rank, int width, int height, const FaceSetSource& style, int scale) {
  QImage face = newPicture(width, height, Qt::transparent, scale);
  QPainter painter(&face);
  paintCard(painter, width, height, style);
  smooth(painter);
  if (height >= kTwoIndexHeight)
    paintLarge(painter, suit, rank, width, height, style);
  else
    paintSmall(painter, suit, rank, width, height, style);
  return face;
}

}  // namespace kes::gen
