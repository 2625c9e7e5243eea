#pragma once

#include "picture_sink.h"

namespace kes::gen {

// Pictures of the game selection: category icons and the difficulty and
// chance meters.
void makeSelectionIcons(PictureSink& sink);
// Pictures of the appearance dialog: effect previews, tree and sound icons,
// the two frame strips of the animation preview.
void makeAppearancePictures(PictureSink& sink);
// Row labels and cells of the card counter.
void makeCounterPictures(PictureSink& sink);
// "Y001", the tile of the table while a demo plays.
void makeDemoTile(PictureSink& sink);

}  // namespace kes::gen
