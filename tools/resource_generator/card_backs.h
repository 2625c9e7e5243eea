#pragma once

#include <QString>

namespace kes::gen {

// The card backs "D" + size + design + ".bmp" of the designs drawn here, at
// every card size, written into the Images folder, and their double-size
// twins under the same names in its folder "2x" (kept apart so that a listing
// of the Images folder finds each design once). False when one cannot be
// written.
inline constexpr const char* kDoubleSizeBackFolder = "2x";
bool makeCardBacks(const QString& imagesDir);

}  // namespace kes::gen
