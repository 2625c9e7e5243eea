#include "painting.h"

namespace kes::gen {

QImage newPicture(int width, int height, QColor fill) {
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(fill);
  return picture;
}

void smooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont pictureFont(int pixelSize, bool bold, bool condensed) {
  QFont font(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void drawCentredText(QPainter& painter, const QRectF& box, const QString& text) {
  painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace kes::gen
