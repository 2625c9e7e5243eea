#pragma once

#include "picture_sink.h"

namespace kes::gen {

// Shadows of a dragged card (white shows the table) and the edges of the
// stacked stock (pure blue shows the table), at every card size.
void makeShadows(PictureSink& sink);
void makeDeckEdges(PictureSink& sink);

// Widths of the pictures' bands, which the table drawing relies on.
inline constexpr int kShadowBand = 7;
inline constexpr int kDeckEdgeBand = 16;     // rows (columns) 0 .. 15
inline constexpr int kDeckEdgeOutline = 15;  // the row past the bottom card
inline constexpr int kDeckEdgeLead = 13;     // the strips start this far before the card
// How far the strips reach past the card's length: the lead and the bevel of
// the thickest stack.
inline constexpr int kDeckEdgeReach = kDeckEdgeLead + kDeckEdgeOutline + 1;

}  // namespace kes::gen
