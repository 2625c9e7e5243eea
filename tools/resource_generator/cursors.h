#pragma once

#include "picture_sink.h"

namespace kes::gen {

// The twelve cursors: small and large arrows, two right and two left hands,
// each as the normal pointer and as the pointer while a card is held. Each
// picture carries its hot spot in text chunks.
void makeCursors(PictureSink& sink);

}  // namespace kes::gen
