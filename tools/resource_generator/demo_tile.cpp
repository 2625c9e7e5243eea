#include <QPainter>

#include "icons.h"
#include "painting.h"

namespace kes::gen {

// The table under a demo: a dark blue cloth with a faint "DEMO" turned up
// to the right in every tile, kept inside the tile so that it repeats
// without seams.
void makeDemoTile(PictureSink& sink) {
  constexpr int kWidth = 160;
  constexpr int kHeight = 120;
  QImage tile = newPicture(kWidth, kHeight, QColor(16, 36, 72));
  QPainter painter(&tile);
  smooth(painter);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if ((x * 7 + y * 13) % 11 == 0) tile.setPixelColor(x, y, QColor(20, 44, 84));
  painter.setFont(pictureFont(26, true));
  painter.setPen(QColor(44, 78, 130));
  painter.translate(kWidth / 2.0, kHeight / 2.0);
  painter.rotate(-25);
  drawCentredText(painter, QRectF(-70, -20, 140, 40), QStringLiteral("DEMO"));
  painter.end();
  sink.add(QStringLiteral("Y001"), tile.convertToFormat(QImage::Format_RGB32));
}

}  // namespace kes::gen
