#pragma once

#include <QImage>

namespace kes::test {

// Whether every 2 x 2 block of the picture is one colour: a small picture
// enlarged, rather than one drawn at double size.
inline bool isPixelDoubled(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y + 1 < rgb.height(); y += 2)
    for (int x = 0; x + 1 < rgb.width(); x += 2) {
      const QRgb p = rgb.pixel(x, y);
      if (rgb.pixel(x + 1, y) != p || rgb.pixel(x, y + 1) != p || rgb.pixel(x + 1, y + 1) != p) return false;
    }
  return true;
}

}  // namespace kes::test
