#include "display/table/card_painting.h"

namespace kes {

namespace {

// Rows and columns of the deck edge pictures: 15 lies just past the bottom
// card, and the strips start this far before the raised card.
constexpr int kDeckEdgeLast = 15;
constexpr int kDeckEdgeLead = 13;

// Part of a picture, the source given in the picture's logical pixels.
void drawPart(QPainter& p, const QPixmap& picture, const QRectF& target, const QRectF& source) {
  const qreal ratio = picture.devicePixelRatio();
  p.drawPixmap(target, picture, QRectF(source.topLeft() * ratio, source.size() * ratio));
}

void drawPart(QPainter& p, const QPixmap& picture, int x, int y, const QRect& source) {
  drawPart(p, picture, QRectF(x, y, source.width(), source.height()), QRectF(source));
}

// The table's background shows through the corner, as at that spot.
void restoreCorner(QPainter& p, const CardImages& images, CardCorner which, int x, int y, const QPixmap& background) {
  for (const QRectF& run : images.corner(which)) drawPart(p, background, run.translated(x, y), run.translated(x, y));
}

void fillCorner(QPainter& p, const CardImages& images, CardCorner which, int x, int y, const QColor& colour) {
  for (const QRectF& run : images.corner(which)) p.fillRect(run.translated(x, y), colour);
}


}  // namespace

void paintCard(QPainter& p, const CardImages& images, int card, bool faceUp, int x, int y, const CardCorners& corners) {
  if (card < 1 || x < -9999 || y < -9999) return;
  const QPixmap& picture = faceUp ? images.face(card) : images.back();
  if (picture.isNull()) return;
  p.drawPixmap(x, y, picture);
  if (const QPixmap* background = corners.background) {
    if (corners.topFromBackground) {
      restoreCorner(p, images, CardCorner::TopLeft, x, y, *background);
      restoreCorner(p, images, CardCorner::TopRight, x, y, *background);
    }
    if (corners.bottomFromBackground) {
      restoreCorner(p, images, CardCorner::BottomLeft, x, y, *background);
      if (!corners.deck) restoreCorner(p, images, CardCorner::BottomRight, x, y, *background);
    }
  }
  if (corners.deck) fillCorner(p, images, CardCorner::BottomRight, x, y, kDeckCornerGrey);
}

void paintDragShadow(QPainter& p, const CardImages& images, int left, int top, int height, int cards, int shadowSize) {
  if (shadowSize <= 0 || cards < 1) return;
  const CardSize& s = images.size();
  const QPixmap& right = images.shadow(1);
  const QPixmap& below = images.shadow(2);
  const int r = left + s.width, b = top + height;
  if (cards == 1) {
    p.drawPixmap(r, top + shadowSize - 2, right);
    p.drawPixmap(left + shadowSize - 1, b, below);
    const qreal dot = 1.0 / images.scale();
    p.fillRect(QRectF(r - 1, b - 2, dot, dot), Qt::black);
    p.fillRect(QRectF(r - 2, b - 1, dot, dot), Qt::black);
    return;
  }
  // A run's right band repeats the card-high picture; the card height is
  // even, so the dots keep their pattern from one piece to the next.
  constexpr int kRunShadowTop = 7, kRunShadowLeft = 8;
  p.save();
  p.setClipRect(QRect(r, top + kRunShadowTop, static_cast<int>(right.deviceIndependentSize().width()), height));
  for (int y = top + kRunShadowTop; y < b + kRunShadowTop; y += s.height) p.drawPixmap(r, y, right);
  p.restore();
  p.drawPixmap(left + kRunShadowLeft, b, below);
}

void paintDeckEdge(QPainter& p, const CardImages& images, int x, int y, int d) {
  const CardSize& s = images.size();
  const QPixmap& bottom = images.deckEdge(2);
  const QPixmap& right = images.deckEdge(1);
  const int first = kDeckEdgeLast - d;
  if (!bottom.isNull())
    drawPart(p, bottom, x - kDeckEdgeLead, y + s.height,
             QRect(0, first, static_cast<int>(bottom.deviceIndependentSize().width()), d + 1));
  if (!right.isNull())
    drawPart(p, right, x + s.width, y - kDeckEdgeLead,
             QRect(first, 0, d + 1, static_cast<int>(right.deviceIndependentSize().height())));
}

}  // namespace kes
