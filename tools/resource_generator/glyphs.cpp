#include "glyphs.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

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

// Every glyph is drawn on 16 logical pixels; its double-size twin serves the
// large toolbar and screens of a higher pixel ratio.
using GlyphDrawing = std::function<void(QPainter&)>;

QImage drawnGlyph(const GlyphDrawing& draw, int scale) {
  QImage picture = newPicture(kGlyphSide, kGlyphSide, Qt::transparent, scale);
  QPainter painter(&picture);
  smooth(painter);
  draw(painter);
  return picture;
}

// A shape filled with a gradient from top to bottom, outlined in its darker colour.
GlyphDrawing filled(const QPainterPath& shape, QColor top, QColor bottom) {
  return [shape, top, bottom](QPainter& painter) {
    QLinearGradient fill(0, 0, 0, kGlyphSide);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(bottom.darker(160), 0.8));
    painter.setBrush(fill);
    painter.drawPath(shape);
  };
}

QPainterPath mirrored(const QPainterPath& shape) {
  return QTransform(-1, 0, 0, 1, kGlyphSide, 0).map(shape);
}

void drawCard(QPainter& painter, const QRectF& card) {
  painter.setPen(QPen(QColor(60, 60, 60), 1.0));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(card, 1.5, 1.5);
}

// A card with a play sign: the game plays itself.
void drawAutoplay(QPainter& painter) {
  drawCard(painter, QRectF(1.5, 1.5, 9, 12));
  QPainterPath play;
  play.moveTo(7, 5);
  play.lineTo(15, 10);
  play.lineTo(7, 15);
  play.closeSubpath();
  painter.setPen(QPen(QColor(20, 100, 20), 0.8));
  painter.setBrush(QColor(60, 180, 60));
  painter.drawPath(play);
}

// A fresh card with a star: a new deal.
void drawNew(QPainter& painter) {
  drawCard(painter, QRectF(3.5, 1.5, 9, 13));
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double angle = M_PI / 2 + i * M_PI / 5;
    const double radius = i % 2 == 0 ? 4.5 : 1.9;
    const QPointF at(11.0 + radius * std::cos(angle), 10.5 - radius * std::sin(angle));
    if (i == 0) star.moveTo(at);
    else star.lineTo(at);
  }
  star.closeSubpath();
  painter.setPen(QPen(QColor(150, 100, 0), 0.7));
  painter.setBrush(QColor(255, 210, 40));
  painter.drawPath(star);
}

QPainterPath folder() {
  QPainterPath path;
  path.moveTo(1.5, 3.5);
  path.lineTo(6, 3.5);
  path.lineTo(7.5, 5);
  path.lineTo(14.5, 5);
  path.lineTo(14.5, 13.5);
  path.lineTo(1.5, 13.5);
  path.closeSubpath();
  return path;
}

QPainterPath restartArrow() {
  QPainterPath arc;
  arc.arcMoveTo(QRectF(3, 3, 10, 10), 100);
  arc.arcTo(QRectF(3, 3, 10, 10), 100, 280);
  QPainterPathStroker stroker;
  stroker.setWidth(2.4);
  stroker.setCapStyle(Qt::FlatCap);
  QPainterPath shape = stroker.createStroke(arc);
  QPainterPath head;
  head.moveTo(3.5, 0.5);
  head.lineTo(9.5, 2.8);
  head.lineTo(4.5, 6.8);
  head.closeSubpath();
  return shape.united(head);
}

void drawSave(QPainter& painter) {
  filled([] {
    QPainterPath disk;
    disk.addRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.2, 1.2);
    return disk;
  }(), QColor(110, 150, 230), QColor(30, 70, 160))(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(230, 235, 245));
  painter.drawRect(QRectF(4, 2, 8, 5));
  painter.setBrush(QColor(30, 40, 70));
  painter.drawRect(QRectF(9.5, 3, 1.5, 3));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(4, 9.5, 8, 4.5));
}

void drawStatistics(QPainter& painter) {
  painter.setPen(QPen(QColor(60, 60, 60), 1.0));
  painter.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
  const struct {
    double x, top;
    QColor colour;
  } bars[] = {{2.5, 8, QColor(210, 60, 50)}, {6.5, 3, QColor(60, 160, 60)}, {10.5, 6, QColor(50, 100, 200)}};
  for (const auto& bar : bars) {
    painter.setPen(QPen(bar.colour.darker(150), 0.7));
    painter.setBrush(bar.colour);
    painter.drawRect(QRectF(bar.x, bar.top, 3, 14 - bar.top));
  }
}

void drawRules(QPainter& painter) {
  QRadialGradient fill(QPointF(6, 5), 9);
  fill.setColorAt(0, QColor(130, 180, 250));
  fill.setColorAt(1, QColor(30, 80, 170));
  painter.setPen(QPen(QColor(20, 50, 110), 0.8));
  painter.setBrush(fill);
  painter.drawEllipse(QRectF(1, 1, 14, 14));
  QPainterPath mark;
  mark.addText(0, 0, pictureFont(12, true), QStringLiteral("?"));
  const QRectF box = mark.boundingRect();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPath(mark.translated(8 - box.center().x(), 8 - box.center().y()));
}

void drawExit(QPainter& painter) {
  painter.setPen(QPen(QColor(90, 50, 20), 0.8));
  painter.setBrush(QColor(170, 110, 60));
  painter.drawRect(QRectF(1.5, 1.5, 8, 13));
  painter.setBrush(QColor(250, 220, 120));
  painter.drawEllipse(QRectF(6.5, 7.5, 1.6, 1.6));
  QPainterPath arrow;
  arrow.moveTo(8, 6.5);
  arrow.lineTo(11.5, 6.5);
  arrow.lineTo(11.5, 4);
  arrow.lineTo(15.5, 8);
  arrow.lineTo(11.5, 12);
  arrow.lineTo(11.5, 9.5);
  arrow.lineTo(8, 9.5);
  arrow.closeSubpath();
  painter.setPen(QPen(QColor(140, 20, 20), 0.8));
  painter.setBrush(QColor(230, 60, 50));
  painter.drawPath(arrow);
}

// The usual look of a disabled glyph: its outline pressed into the toolbar,
// grey with a white highlight one pixel down and right.
QImage disabledTwin(const QImage& enabled) {
  // Worked on in device pixels; the highlight lies one logical pixel off.
  const int scale = static_cast<int>(enabled.devicePixelRatio());
  QImage shape = enabled.convertToFormat(QImage::Format_ARGB32);
  shape.setDevicePixelRatio(1);
  QImage grey = shape;
  QImage light = shape;
  for (int y = 0; y < shape.height(); ++y)
    for (int x = 0; x < shape.width(); ++x) {
      const int alpha = qAlpha(shape.pixel(x, y));
      grey.setPixel(x, y, qRgba(128, 128, 128, alpha));
      light.setPixel(x, y, qRgba(255, 255, 255, alpha));
    }
  QImage picture = newPicture(shape.width(), shape.height());
  {
    QPainter painter(&picture);
    painter.drawImage(scale, scale, light);
    painter.drawImage(0, 0, grey);
  }
  picture.setDevicePixelRatio(scale);
  return picture;
}

// The glyph and its disabled twin at every picture scale.
void addWithTwin(PictureSink& sink, const QString& name, const GlyphDrawing& draw) {
  for (const int scale : kPictureScales) {
    const QImage enabled = drawnGlyph(draw, scale);
    sink.add(scaledName(name, scale), enabled);
    sink.add(scaledName(name + QStringLiteral("_DIS"), scale), disabledTwin(enabled));
  }
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
  addWithTwin(sink, QStringLiteral("TB_NEW"), drawNew);
  addWithTwin(sink, QStringLiteral("TB_OPEN"), filled(folder(), QColor(255, 225, 130), QColor(200, 140, 30)));
  addWithTwin(sink, QStringLiteral("TB_RESTART"), filled(restartArrow(), QColor(130, 210, 130), QColor(30, 120, 50)));
  addWithTwin(sink, QStringLiteral("TB_SAVE"), drawSave);
  addWithTwin(sink, QStringLiteral("TB_UNDO"), filled(undoArrow(), top, bottom));
  addWithTwin(sink, QStringLiteral("TB_REDO"), filled(mirrored(undoArrow()), top, bottom));
  addWithTwin(sink, QStringLiteral("TB_AUTOPLAY"), drawAutoplay);
  addWithTwin(sink, QStringLiteral("TB_STAT"), drawStatistics);
  addWithTwin(sink, QStringLiteral("TB_RULES"), drawRules);
  addWithTwin(sink, QStringLiteral("TB_EXIT"), drawExit);
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
