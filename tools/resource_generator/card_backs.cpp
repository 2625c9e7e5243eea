#include "card_backs.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

#include "back_scenes.h"
#include "painting.h"

namespace kes::gen {

namespace {

// Backs are drawn this many times larger and then scaled down, which smooths
// the pattern's edges at every size.
constexpr int kOversample = 4;

int borderWidth(const CardSize& size) { return size.height >= 60 ? 3 : 1; }

// Design 011: two sets of light blue ribbons plaited over a navy field; at
// each crossing the ribbon on top alternates.
// At scale 2 the seams stay as fine as they are drawn, half a card pixel.
QImage lattice(const CardSize& size, int scale) {
  const int k = kOversample * scale;
  const int w = size.width * k;
  const int h = size.height * k;
  const int border = borderWidth(size) * k;
  const int period = (size.height >= 60 ? 12 : 6) * k;
  const int ribbon = period / 2;
  const QRgb field = qRgb(22, 38, 104);
  const QRgb over = qRgb(120, 160, 230);
  const QRgb under = qRgb(78, 112, 190);
  const QRgb seam = qRgb(14, 26, 80);
  QImage picture = newPicture(w, h, Qt::white);
  for (int y = border; y < h - border; ++y)
    for (int x = border; x < w - border; ++x) {
      const int u = x + y;
      const int v = x - y + h;
      const bool onA = u % period < ribbon;
      const bool onB = v % period < ribbon;
      const bool aOnTop = (u / period + v / period) % 2 == 0;
      QRgb pixel = field;
      if (onA && onB) pixel = aOnTop ? over : under;
      else if (onA) pixel = over;
      else if (onB) pixel = under;
      const bool edgeA = onA && (u % period < kOversample || u % period >= ribbon - kOversample);
      const bool edgeB = onB && (v % period < kOversample || v % period >= ribbon - kOversample);
      if ((onA && onB) ? (aOnTop ? edgeA : edgeB) : (edgeA || edgeB)) pixel = seam;
      picture.setPixel(x, y, pixel);
    }
  return picture.scaled(size.width * scale, size.height * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Design 006: a deep red field with a fine darker check, a gold frame and a
// gold diamond in the middle, inside a white border.
QImage solid(const CardSize& size, int scale) {
  const int k = kOversample * scale;
  const int w = size.width * k;
  const int h = size.height * k;
  const int border = borderWidth(size) * k;
  QImage picture = newPicture(w, h, Qt::white);
  QPainter painter(&picture);
  smooth(painter);
  const QRect field(border, border, w - 2 * border, h - 2 * border);
  painter.fillRect(field, QColor(150, 18, 28));
  painter.setClipRect(field);
  painter.setPen(QPen(QColor(120, 10, 20), k));
  const int step = (size.height >= 60 ? 5 : 4) * k;
  for (int d = -h; d < w + h; d += step) {
    painter.drawLine(d, 0, d + h, h);
    painter.drawLine(d, h, d + h, 0);
  }
  const QColor gold(222, 180, 70);
  const double frameInset = border + (size.height >= 60 ? 3.5 : 2.0) * k;
  painter.setPen(QPen(gold, k * (size.height >= 60 ? 1.0 : 0.8)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(frameInset, frameInset, w - 2 * frameInset, h - 2 * frameInset));
  if (size.height >= 60) {
    QPainterPath diamond;
    const QPointF c(w / 2.0, h / 2.0);
    const double rx = w * 0.2;
    const double ry = h * 0.17;
    diamond.moveTo(c.x(), c.y() - ry);
    diamond.lineTo(c.x() + rx, c.y());
    diamond.lineTo(c.x(), c.y() + ry);
    diamond.lineTo(c.x() - rx, c.y());
    diamond.closeSubpath();
    painter.setBrush(QColor(170, 30, 40));
    painter.drawPath(diamond);
  }
  painter.end();
  return picture.scaled(size.width * scale, size.height * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A design drawn as a picture: the scene fills the card inside its white
// border, framed by a fine light rule so that the backs of a pile stay apart.
QImage scene(int number, const CardSize& size, int scale) {
  const int k = kOversample * scale;
  const int border = borderWidth(size);
  QImage picture = newPicture(size.width * k, size.height * k, Qt::white);
  QPainter painter(&picture);
  smooth(painter);
  painter.scale(k, k);
  const QRectF field(border, border, size.width - 2 * border, size.height - 2 * border);
  painter.setClipRect(field);
  painter.save();
  painter.translate(field.topLeft());
  painter.scale(field.width() / kBackFieldWidth, field.height() / kBackFieldHeight);
  drawBackScene(number, painter);
  painter.restore();
  if (size.height >= 60) {
    painter.setPen(QPen(QColor(255, 255, 255, 170), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(field.adjusted(1.5, 1.5, -1.5, -1.5));
  }
  painter.end();
  return picture.scaled(size.width * scale, size.height * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool save(const QImage& picture, const QString& file) {
  if (picture.convertToFormat(QImage::Format_RGB32).save(file, "BMP")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return false;
}

QString backName(char letter, int number) {
  return QStringLiteral("D") + QChar::fromLatin1(letter) + QString::number(number).rightJustified(3, u'0') +
         QStringLiteral(".bmp");
}

// Medium and little cards are played with one back only (design 006); the
// lattice is kept at those sizes too for settings written by hand.
struct PatternDesign {
  int number;
  QImage (*draw)(const CardSize&, int scale);
};
constexpr PatternDesign kPatterns[] = {{11, lattice}, {6, solid}};

}  // namespace

bool makeCardBacks(const QString& imagesDir) {
  QDir().mkpath(imagesDir);
  const QString doubleDir = QDir(imagesDir).filePath(kDoubleSizeBackFolder);
  QDir().mkpath(doubleDir);
  for (const int scale : kPictureScales) {
    const QString folder = scale == 1 ? imagesDir : doubleDir;
    for (const PatternDesign& back : kPatterns)
      for (const CardSize& size : kCardSizes)
        if (!save(back.draw(size, scale), QDir(folder).filePath(backName(size.letter, back.number)))) return false;
    for (const int number : sceneBackNumbers())
      if (!save(scene(number, kCardSizes[0], scale), QDir(folder).filePath(backName('B', number)))) return false;
  }
  return true;
}

}  // namespace kes::gen
