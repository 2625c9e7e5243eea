#pragma once

#include "picture_sink.h"

namespace kes::gen {

// Shadows of a dragged card (white shows the table) and the edges of the
// stacked stock (pure blue shows the table), at every card size.
void makeShadows(PictureSink& sink);
void makeDeckEdges(PictureSink& sink);

// Widths of the pictures' bands, which the table drawing relies on.
inline constexpr int kShadowBand = 7;
inline constexpr int kDeckEdgeBand = 16;

}  // namespace kes::gen
