#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "app/window/glyph_source.h"

namespace kes {

namespace {

constexpr int kGlyphSize = 32;

using GlyphDrawer = void (*)(QPainter&);

void drawNew(QPainter& p) {
  p.drawRoundedRect(QRectF(8, 4, 16, 24), 2, 2);
  p.drawLine(QPointF(12, 10), QPointF(20, 10));
  p.drawLine(QPointF(16, 6), QPointF(16, 14));
}

void drawOpen(QPainter& p) {
  p.drawPolyline(QPolygonF({QPointF(4, 26), QPointF(4, 8), QPointF(12, 8), QPointF(14, 11), QPointF(26, 11),
                            QPointF(26, 26), QPointF(4, 26)}));
  p.drawLine(QPointF(4, 15), QPointF(26, 15));
}

void drawRestart(QPainter& p) {
  p.drawArc(QRectF(7, 7, 18, 18), 60 * 16, 300 * 16);
  p.drawPolyline(QPolygonF({QPointF(20, 4), QPointF(21, 9), QPointF(16, 10)}));
}

void drawSave(QPainter& p) {
  p.drawRect(QRectF(6, 6, 20, 20));
  p.drawRect(QRectF(11, 6, 10, 7));
  p.drawRect(QRectF(10, 18, 12, 8));
}

void drawArrow(QPainter& p, bool left) {
  const qreal tip = left ? 6 : 26;
  const qreal tail = left ? 26 : 6;
  const qreal head = left ? 13 : 19;
  p.drawLine(QPointF(tip, 16), QPointF(tail, 16));
  p.drawPolyline(QPolygonF({QPointF(head, 9), QPointF(tip, 16), QPointF(head, 23)}));
}

void drawUndo(QPainter& p) { drawArrow(p, true); }
void drawRedo(QPainter& p) { drawArrow(p, false); }

void drawAutoplay(QPainter& p) {
  p.drawPolygon(QPolygonF({QPointF(7, 7), QPointF(17, 16), QPointF(7, 25)}));
  p.drawPolygon(QPolygonF({QPointF(16, 7), QPointF(26, 16), QPointF(16, 25)}));
}

void drawStat(QPainter& p) {
  p.drawLine(QPointF(5, 27), QPointF(27, 27));
  p.drawRect(QRectF(8, 16, 4, 10));
  p.drawRect(QRectF(14, 8, 4, 18));
  p.drawRect(QRectF(20, 12, 4, 14));
}

void drawRules(QPainter& p) {
  p.drawEllipse(QRectF(5, 5, 22, 22));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(15);
  p.setFont(font);
  p.drawText(QRectF(5, 5, 22, 22), Qt::AlignCenter, QStringLiteral("?"));
}

void drawExit(QPainter& p) {
  p.drawRect(QRectF(6, 5, 13, 22));
  p.drawLine(QPointF(14, 16), QPointF(28, 16));
  p.drawPolyline(QPolygonF({QPointF(23, 11), QPointF(28, 16), QPointF(23, 21)}));
}

struct GlyphShape {
  const char* name;
  GlyphDrawer draw;
  QColor colour;
};

const GlyphShape kShapes[] = {
    {"TB_NEW", drawNew, QColor(30, 90, 170)},          {"TB_OPEN", drawOpen, QColor(190, 140, 30)},
    {"TB_RESTART", drawRestart, QColor(30, 130, 60)},  {"TB_SAVE", drawSave, QColor(30, 90, 170)},
    {"TB_UNDO", drawUndo, QColor(30, 110, 180)},       {"TB_REDO", drawRedo, QColor(30, 110, 180)},
    {"TB_AUTOPLAY", drawAutoplay, QColor(30, 140, 70)}, {"TB_STAT", drawStat, QColor(170, 60, 40)},
    {"TB_RULES", drawRules, QColor(30, 90, 170)},      {"TB_EXIT", drawExit, QColor(170, 40, 40)},
};

const GlyphShape* shapeNamed(const QString& name) {
  for (const GlyphShape& shape : kShapes)
    if (name == QLatin1String(shape.name)) return &shape;
  return nullptr;
}

QPixmap paintGlyph(const GlyphShape& shape, bool disabled) {
  QPixmap pixmap(kGlyphSize, kGlyphSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor ink = disabled ? QColor(150, 150, 150) : shape.colour;
  painter.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  shape.draw(painter);
  return pixmap;
}

// The pause pictures: a "pause" sign and the word under it, on transparency.
QPixmap paintPauseSign() {
  QPixmap pixmap(120, 120);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(230, 230, 210), 4));
  painter.setBrush(QColor(0, 90, 0));
  painter.drawEllipse(QRectF(4, 4, 112, 112));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(230, 230, 210));
  painter.drawRoundedRect(QRectF(38, 30, 14, 60), 3, 3);
  painter.drawRoundedRect(QRectF(68, 30, 14, 60), 3, 3);
  return pixmap;
}

QPixmap paintPauseText() {
  QPixmap pixmap(360, 70);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(28);
  painter.setFont(font);
  painter.setPen(QColor(230, 230, 210));
  painter.drawText(QRectF(0, 0, 360, 36), Qt::AlignCenter, QStringLiteral("Game paused"));
  font.setBold(false);
  font.setPixelSize(15);
  painter.setFont(font);
  painter.drawText(QRectF(0, 40, 360, 26), Qt::AlignCenter, QStringLiteral("Press a key or click to go on"));
  return pixmap;
}

}  // namespace

QIcon PaintedGlyphs::glyph(const QString& name) const {
  const bool disabled = name.endsWith(QLatin1String("_DIS"));
  const GlyphShape* shape = shapeNamed(disabled ? name.chopped(4) : name);
  if (!shape) return {};
  QIcon icon(paintGlyph(*shape, disabled));
  icon.addPixmap(paintGlyph(*shape, true), QIcon::Disabled);
  return icon;
}

QPixmap PaintedGlyphs::picture(const QString& name) const {
  if (name == QLatin1String("BMP_PAUSE_1")) return paintPauseSign();
  if (name == QLatin1String("BMP_PAUSE_2")) return paintPauseText();
  return {};
}

QString toolbarGlyphName(const QString& buttonBase, bool disabled) {
  QString name = QStringLiteral("TB_") + buttonBase.mid(2).toUpper();
  if (disabled) name += QStringLiteral("_DIS");
  return name;
}

}  // namespace kes
