#pragma once

#include "picture_sink.h"

namespace kes::gen {

// The empty-pile markers 001 .. 022 at every card size.
void makeMarkers(PictureSink& sink);

}  // namespace kes::gen
