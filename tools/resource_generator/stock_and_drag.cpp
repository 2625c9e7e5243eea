#include "stock_and_drag.h"

#include "display/resources/resource_names.h"
#include "painting.h"

namespace kes::gen {

namespace {

constexpr QRgb kShadowClear = qRgb(255, 255, 255);
constexpr QRgb kShadowInk = qRgb(0, 0, 0);
constexpr QRgb kEdgeClear = qRgb(0, 0, 255);
constexpr QRgb kLightEdge = qRgb(236, 236, 236);
constexpr QRgb kDarkEdge = qRgb(150, 150, 150);
constexpr QRgb kOutline = qRgb(70, 70, 70);

// Every second pixel black, counted from the card's top-left corner so that
// the right and bottom shadows mesh where they meet.
QImage ditheredBand(int width, int height, int cardX, int cardY) {
  QImage band = newPicture(width, height, QColor(kShadowClear));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((cardX + x + cardY + y) % 2 == 0) band.setPixel(x, y, kShadowInk);
  return band;
}

// The stock's edge along one side: column (or row) 15 is the outline just
// past the bottom card, 14 the bottom card's edge, 13 the next card up, ...;
// each card's edge starts one pixel further in, as the stack rises toward
// the top card's corner. length is the card's side along the edge.
QRgb edgePixel(int across, int along, int length) {
  if (along < across || along > across + length - 3) return kEdgeClear;
  if (across == kDeckEdgeBand - 1) return kOutline;
  return (across % 2 == 0) ? kLightEdge : kDarkEdge;
}

QImage deckEdge(int length, bool right) {
  const int along = length + kDeckEdgeBand;
  QImage edge = right ? newPicture(kDeckEdgeBand, along) : newPicture(along, kDeckEdgeBand);
  for (int a = 0; a < along; ++a)
    for (int c = 0; c < kDeckEdgeBand; ++c) {
      const QRgb pixel = edgePixel(c, a, length);
      if (right) edge.setPixel(c, a, pixel); else edge.setPixel(a, c, pixel);
    }
  return edge;
}

}  // namespace

void makeShadows(PictureSink& sink) {
  for (const CardSize& size : kCardSizes) {
    // The right shadow stands 7 pixels below the card's top, the bottom one
    // 8 pixels right of its left edge.
    sink.add(shadowName(size.letter, 1), ditheredBand(kShadowBand, size.height, size.width, 7));
    sink.add(shadowName(size.letter, 2), ditheredBand(size.width, kShadowBand, 8, size.height));
  }
}

void makeDeckEdges(PictureSink& sink) {
  for (const CardSize& size : kCardSizes) {
    sink.add(deckEdgeName(size.letter, 1), deckEdge(size.height, true));
    sink.add(deckEdgeName(size.letter, 2), deckEdge(size.width, false));
  }
}

}  // namespace kes::gen
