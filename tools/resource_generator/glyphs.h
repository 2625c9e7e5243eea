#pragma once

#include "picture_sink.h"

namespace kes::gen {

// Toolbar glyphs of undo, redo and autoplay with their disabled twins.
void makeToolbarGlyphs(PictureSink& sink);
// The two pictures of the pause screen on dark green, which shows the table.
void makePausePictures(PictureSink& sink);

}  // namespace kes::gen
