#include "painting.h"

namespace kes::gen {

QImage newPicture(int width, int height, QColor fill, int scale) {
  QImage picture(width * scale, height * scale, QImage::Format_ARGB32);
  picture.setDevicePixelRatio(scale);
  picture.fill(fill);
  return picture;
}

QString scaledName(const QString& name, int scale) {
  return scale == 1 ? name : name + QStringLiteral("@%1x").arg(scale);
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
