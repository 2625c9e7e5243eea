#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <array>

namespace kes::gen {

// The three card sizes, by `CardSize` letter.
struct CardSize {
  char letter;
  int width;
  int height;
};
inline constexpr std::array<CardSize, 3> kCardSizes{{{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}}};

// A new 32-bit picture with alpha, filled with one colour. At a scale above
// 1 it holds that many pixels per logical pixel and is painted in logical
// pixels, for screens of that device pixel ratio.
QImage newPicture(int width, int height, QColor fill = Qt::transparent, int scale = 1);

// Every picture the table draws cards with is made at these scales; the
// double-size twin is stored under the name + "@2x".
inline constexpr std::array<int, 2> kPictureScales{1, 2};
QString scaledName(const QString& name, int scale);

// A painter on a picture with smooth edges for shapes and text.
void smooth(QPainter& painter);

// The font every generated picture uses; the generator does not depend on
// whatever else happens to be installed.
QFont pictureFont(int pixelSize, bool bold, bool condensed = false);

// Text centred in a rectangle.
void drawCentredText(QPainter& painter, const QRectF& box, const QString& text);

}  // namespace kes::gen
