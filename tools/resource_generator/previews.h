#pragma once

#include <QString>

#include "picture_sink.h"

namespace kes::gen {

// Size of a game preview in the game selection dialog.
inline constexpr int kPreviewWidth = 300;
inline constexpr int kPreviewHeight = 200;

// One "GAME" + number picture per catalogued game: deal 1 of the game laid
// out as a miniature with little cards. False when the catalogue cannot be
// read or a game cannot be loaded or dealt.
bool makeGamePreviews(const QString& catalogueFile, PictureSink& sink);

}  // namespace kes::gen
