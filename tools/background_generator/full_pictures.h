#pragma once

#include <QImage>
#include <span>

namespace kes::gen {

// A background drawn once at the table's top-left corner, at screen size.
struct FullPicture {
  int number;  // from 500 on
  int width;
  int height;
  QRgb centre;  // the lit middle
  QRgb edge;    // the shaded rim
};

std::span<const FullPicture> fullPictures();

// A soft light in the upper middle fading into the rim colour, darkened
// towards the corners, with a fine grain that keeps the gradient from
// showing steps.
QImage drawFullPicture(const FullPicture& picture);

}  // namespace kes::gen
