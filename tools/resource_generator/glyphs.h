#pragma once

#include "picture_sink.h"

namespace kes::gen {

// The toolbar's glyphs ("TB_" + the button's name) with their disabled
// twins ("_DIS"), each also at double size ("@2x").
void makeToolbarGlyphs(PictureSink& sink);
// The two pictures of the pause screen on dark green, which shows the table.
void makePausePictures(PictureSink& sink);

}  // namespace kes::gen
