#include "stock_and_drag.h"

#include "display/resources/resource_names.h"
#include "painting.h"

namespace kes::gen {

namespace {

constexpr QRgb kShadowClear = qRgb(255, 255, 255);
constexpr QRgb kShadowInk = qRgb(0, 0, 0);
constexpr QRgb kEdgeClear = qRgb(0, 0, 255);
constexpr QRgb kLightEdge = qRgb(236, 236, 236);
constexpr QRgb kShadedEdge = qRgb(212, 212, 212);
constexpr QRgb kDarkEdge = qRgb(150, 150, 150);
constexpr QRgb kOutline = qRgb(70, 70, 70);

// Every second pixel black, counted from the card's top-left corner so that
// the right and bottom shadows mesh where they meet.
// At scale 2 the dots are device pixels, twice as fine.
QImage ditheredBand(int width, int height, int cardX, int cardY, int scale) {
  width *= scale;
  height *= scale;
  cardX *= scale;
  cardY *= scale;
  QImage band = newPicture(width, height, QColor(kShadowClear));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((cardX + x + cardY + y) % 2 == 0) band.setPixel(x, y, kShadowInk);
  return band;
}

// The stock's edge along one side, seen from the raised top card: the table
// shows `across` rows (columns) 15 - d .. 15 of it below (right of) the card
// for a thickness d, the strip starting 13 pixels before the card. Row 15 is
// the outline just past the bottom card, 14 the bottom card's edge, 13 the
// next card up, and so on, each card's edge running from just inside the top
// card's left (upper) end. Toward the far corner every row ends where the one
// below it ends one pixel later, so the stack's corner is a bevel whatever
// the thickness: for any d the rows below the card and the columns right of
// it meet on the same diagonal. Pixels are counted at the picture's scale.
QRgb edgePixel(int across, int along, int length, int scale) {
  const int layer = across / scale;
  const int start = scale * (layer == kDeckEdgeOutline ? kDeckEdgeLead + 2 : kDeckEdgeLead + 1);
  const int corner = scale * (kDeckEdgeLead + length + kDeckEdgeOutline + 1);
  if (along < start || along + across > corner - 1) return kEdgeClear;
  if (layer == kDeckEdgeOutline || along + across >= corner - scale) return kOutline;
  // Finer pictures show each card's edge with its shaded underside.
  if (layer % 2 == 0) return across % scale == scale - 1 && scale > 1 ? kShadedEdge : kLightEdge;
  return kDarkEdge;
}

QImage deckEdge(int length, bool right, int scale) {
  const int along = (length + kDeckEdgeReach) * scale;
  const int band = kDeckEdgeBand * scale;
  QImage edge = right ? newPicture(band, along) : newPicture(along, band);
  for (int a = 0; a < along; ++a)
    for (int c = 0; c < band; ++c) {
      const QRgb pixel = edgePixel(c, a, length, scale);
      if (right) edge.setPixel(c, a, pixel); else edge.setPixel(a, c, pixel);
    }
  return edge;
}

}  // namespace

void makeShadows(PictureSink& sink) {
  for (const CardSize& size : kCardSizes) {
    // The right shadow stands 7 pixels below the card's top, the bottom one
    // 8 pixels right of its left edge.
    for (const int scale : kPictureScales) {
      sink.add(scaledName(shadowName(size.letter, 1), scale), ditheredBand(kShadowBand, size.height, size.width, 7, scale));
      sink.add(scaledName(shadowName(size.letter, 2), scale), ditheredBand(size.width, kShadowBand, 8, size.height, scale));
    }
  }
}

void makeDeckEdges(PictureSink& sink) {
  for (const CardSize& size : kCardSizes) {
    for (const int scale : kPictureScales) {
      sink.add(scaledName(deckEdgeName(size.letter, 1), scale), deckEdge(size.height, true, scale));
      sink.add(scaledName(deckEdgeName(size.letter, 2), scale), deckEdge(size.width, false, scale));
    }
  }
}

}  // namespace kes::gen
