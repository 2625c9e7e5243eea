#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace kes::gen {

// Tiny cards for icons.
enum class MiniFace { Up, Down, Empty };

struct MiniCard {
  double x, y, w, h;
  MiniFace face;
};

void drawMiniCard(QPainter& painter, const MiniCard& card, QColor pip);

// The blue of the card backs in icons and counter cells.
inline constexpr QColor kBackBlue(40, 70, 160);

}  // namespace kes::gen
