#include "mini_cards.h"

#include <algorithm>

namespace kes::gen {

void drawMiniCard(QPainter& painter, const MiniCard& card, QColor pip) {
  const QRectF box(card.x + 0.5, card.y + 0.5, card.w - 1.0, card.h - 1.0);
  switch (card.face) {
    case MiniFace::Up:
      painter.setPen(QPen(QColor(50, 50, 50), 1.0));
      painter.setBrush(Qt::white);
      painter.drawRect(box);
      if (card.w >= 4) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(pip);
        const double side = std::min(card.w, card.h) * 0.4;
        painter.drawEllipse(QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
      }
      break;
    case MiniFace::Down:
      painter.setPen(QPen(QColor(20, 30, 80), 1.0));
      painter.setBrush(kBackBlue);
      painter.drawRect(box);
      break;
    case MiniFace::Empty:
      painter.setPen(QPen(QColor(60, 110, 60), 1.0));
      painter.setBrush(QColor(200, 230, 200));
      painter.drawRect(box);
      break;
  }
}

}  // namespace kes::gen
