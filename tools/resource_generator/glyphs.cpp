#include "glyphs.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "painting.h"

namespace kes::gen {

namespace {

constexpr int kGlyphSide = 16;
constexpr QColor kPauseClear(0, 128, 0);

QPainterPath undoArrow() {
  QPainterPath arc;
  arc.moveTo(4.5, 6.5);
  arc.cubicTo(7.5, 3.5, 13.5, 4.0, 13.5, 9.0);
  arc.cubicTo(13.5, 11.5, 12.0, 13.0, 10.0, 13.5);
  QPainterPathStroker stroker;
  stroker.setWidth(2.6);
  stroker.setCapStyle(Qt::RoundCap);
  QPainterPath shape = stroker.createStroke(arc);
  QPainterPath head;
  head.moveTo(1.0, 8.5);
  head.lineTo(2.5, 2.0);
  head.lineTo(8.0, 6.5);
  head.closeSubpath();
  return shape.united(head);
}

QImage glyph(const QPainterPath& shape, QColor top, QColor bottom) {
  QImage picture = newPicture(kGlyphSide, kGlyphSide);
  QPainter painter(&picture);
  smooth(painter);
  QLinearGradient fill(0, 0, 0, kGlyphSide);
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  painter.setPen(QPen(bottom.darker(160), 0.8));
  painter.setBrush(fill);
  painter.drawPath(shape);
  return picture;
}

QPainterPath mirrored(const QPainterPath& shape) {
  return QTransform(-1, 0, 0, 1, kGlyphSide, 0).map(shape);
}

// A card with a play sign: the game plays itself.
QImage autoplayGlyph() {
  QImage picture = newPicture(kGlyphSide, kGlyphSide);
  QPainter painter(&picture);
  smooth(painter);
  painter.setPen(QPen(QColor(60, 60, 60), 1.0));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(1.5, 1.5, 9, 12), 1.5, 1.5);
  QPainterPath play;
  play.moveTo(7, 5);
  play.lineTo(15, 10);
  play.lineTo(7, 15);
  play.closeSubpath();
  painter.setPen(QPen(QColor(20, 100, 20), 0.8));
  painter.setBrush(QColor(60, 180, 60));
  painter.drawPath(play);
  return picture;
}

// The usual look of a disabled glyph: its outline pressed into the toolbar,
// grey with a white highlight one pixel down and right.
QImage disabledTwin(const QImage& enabled) {
  QImage shape = enabled.convertToFormat(QImage::Format_ARGB32);
  QImage grey = shape;
  QImage light = shape;
  for (int y = 0; y < shape.height(); ++y)
    for (int x = 0; x < shape.width(); ++x) {
      const int alpha = qAlpha(shape.pixel(x, y));
      grey.setPixel(x, y, qRgba(128, 128, 128, alpha));
      light.setPixel(x, y, qRgba(255, 255, 255, alpha));
    }
  QImage picture = newPicture(enabled.width(), enabled.height());
  QPainter painter(&picture);
  painter.drawImage(1, 1, light);
  painter.drawImage(0, 0, grey);
  return picture;
}

void addWithTwin(PictureSink& sink, const QString& name, const QImage& enabled) {
  sink.add(name, enabled);
  sink.add(name + QStringLiteral("_DIS"), disabledTwin(enabled));
}

QImage textPicture(const QString& text, const QFont& font, int margin, const QBrush& fill, QColor outline) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(text) + 2 * margin;
  const int height = metrics.height() + 2 * margin;
  QImage picture = newPicture(width, height, kPauseClear);
  QPainter painter(&picture);
  smooth(painter);
  QPainterPath path;
  path.addText(margin, margin + metrics.ascent(), font, text);
  painter.setPen(QPen(outline, font.pixelSize() > 30 ? 2.0 : 1.0));
  painter.setBrush(fill);
  painter.drawPath(path);
  return picture;
}

}  // namespace

void makeToolbarGlyphs(PictureSink& sink) {
  const QColor top(120, 170, 240);
  const QColor bottom(30, 80, 170);
  addWithTwin(sink, QStringLiteral("TB_UNDO"), glyph(undoArrow(), top, bottom));
  addWithTwin(sink, QStringLiteral("TB_REDO"), glyph(mirrored(undoArrow()), top, bottom));
  addWithTwin(sink, QStringLiteral("TB_AUTOPLAY"), autoplayGlyph());
}

void makePausePictures(PictureSink& sink) {
  QFont title = pictureFont(64, true);
  QLinearGradient gold(0, 10, 0, 80);
  gold.setColorAt(0, QColor(255, 240, 150));
  gold.setColorAt(1, QColor(215, 150, 20));
  sink.add(QStringLiteral("BMP_PAUSE_1"), textPicture(QStringLiteral("Pause"), title, 6, gold, QColor(70, 40, 0)));
  sink.add(QStringLiteral("BMP_PAUSE_2"),
           textPicture(QStringLiteral("Press any key or click to go on playing"), pictureFont(20, true), 4,
                       QColor(235, 245, 235), QColor(0, 60, 0)));
}

}  // namespace kes::gen
