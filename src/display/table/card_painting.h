#pragma once

#include <QPainter>
#include <QPixmap>

#include "display/table/card_images.h"

namespace kes {

// Where a drawn card's corners come from. The pictures' corners are
// see-through, so by default each corner shows what lies beneath it on the
// target; corners named here show the table's background picture instead.
struct CardCorners {
  // The table's background alone, in the target's logical coordinates;
  // without it every corner shows what lies beneath.
  const QPixmap* background = nullptr;
  bool topFromBackground = false;
  bool bottomFromBackground = false;
  // Deck corners: the bottom-right corner light grey, for the top card of a
  // stock-family pile.
  bool deck = false;
};

// Corners of a card laid on a pile: the bottom edge of a pile's top card lies
// over the background, and the pile's first card takes all four corners from
// it.
inline CardCorners pileCardCorners(const QPixmap* background, bool firstCard) {
  return {background, firstCard, true, false};
}

// One card at (x, y): its face, or its back when face down. Nothing is drawn
// for an off-table place (below -9999) or a code below 1.
void paintCard(QPainter& painter, const CardImages& images, int card, bool faceUp, int x, int y,
               const CardCorners& corners = {});

// The edge of a stock-family pile whose top card stands raised by d pixels at
// (x, y): below the card d + 1 rows of "3D_BORDER_" 2 from its row 15 - d,
// starting 13 pixels left of the card, and right of it d + 1 columns of
// "3D_BORDER_" 1 from its column 15 - d, starting 13 pixels above.
void paintDeckEdge(QPainter& painter, const CardImages& images, int x, int y, int d);

// The shadow of held or flying cards whose picture (one card, or a run of
// `cards` cards `height` pixels high) stands at (left, top), for a shadow
// size above 0: right of it a band from "SHADOW_" 1, below it one from
// "SHADOW_" 2, their dots meshing where they meet; a single card's cut
// bottom-right corner takes the two shadow dots beside it.
void paintDragShadow(QPainter& painter, const CardImages& images, int left, int top, int height, int cards,
                     int shadowSize);

// The light grey of deck corners.
inline const QColor kDeckCornerGrey{192, 192, 192};

}  // namespace kes
