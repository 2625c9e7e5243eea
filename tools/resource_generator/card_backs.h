#pragma once

#include <QString>

namespace kes::gen {

// The card backs "D" + size + design + ".bmp" of the designs drawn here, at
// every card size, written into the Images folder. False when one cannot be
// written.
bool makeCardBacks(const QString& imagesDir);

}  // namespace kes::gen
