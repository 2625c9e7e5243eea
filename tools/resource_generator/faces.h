#pragma once

#include <QString>

#include "picture_sink.h"

namespace kes::gen {

// The face bitmaps of every face set at every size: per suit the 13 faces,
// ace to king, in rows of 5, 5 and 3. False when a deck cannot be read.
bool makeFaces(const QString& decksDir, PictureSink& sink);

}  // namespace kes::gen
