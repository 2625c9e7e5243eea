#pragma once

#include <QImage>

#include "face_sets.h"
#include "suit_shapes.h"

namespace kes::gen {

// A clean face for sizes at which a deck's artwork no longer reads: the rank
// and a small suit symbol in the top-left corner, a large symbol below, and
// a coloured frame for the court cards.
// At scale 2 the same face is painted with twice the pixels.
QImage plainFace(Suit suit, int rank, int width, int height, const FaceSetSource& style, int scale = 1);

}  // namespace kes::gen
