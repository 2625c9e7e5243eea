#pragma once

#include <span>

#include "textures.h"

namespace kes::gen {

// Every tiled background picture, by its number in the appearance choices:
// 101 .. 105 for displays of few colours, 257 .. 324 for the others.
std::span<const Texture> tiledBackgrounds();

}  // namespace kes::gen
