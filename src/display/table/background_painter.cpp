#include "display/table/background_painter.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPalette>

namespace kes {

namespace {

// The system colours a settings value may name, by their number.
QColor systemColour(int index) {
  const QPalette palette = QGuiApplication::palette();
  switch (index) {
    case 5:  // window
      return palette.color(QPalette::Base);
    case 8:  // window text
      return palette.color(QPalette::Text);
    case 1:   // desktop
    case 15:  // button face
    default:
      return palette.color(QPalette::Button);
  }
}

// Pictures larger than this on a side are read scaled down to it.
constexpr int kLargestPictureSide = 8000;

// An enormous picture (a player's own) is read at a size a screen can use,
// where its format allows, rather than failing for want of memory.
QImage readPicture(const std::filesystem::path& file) {
  if (file.empty()) return {};
  QImageReader reader(QString::fromStdString(file.string()));
  const QSize size = reader.size();
  if (size.width() > kLargestPictureSide || size.height() > kLargestPictureSide)
    reader.setScaledSize(size.scaled(kLargestPictureSide, kLargestPictureSide, Qt::KeepAspectRatio));
  return reader.read();
}

}  // namespace

QColor qColourOf(const TableColour& colour) {
  return colour.system ? systemColour(colour.systemIndex) : qColourOf(colour.rgb);
}

void paintFade(QPainter& painter, const QSize& surface, QColor colour, bool scrollBarShown) {
  const int width = fadeAreaWidth(surface.width());
  const Rgb rgb{colour.red(), colour.green(), colour.blue()};
  for (const FadeBand& band : fadeBands(rgb, fadeAreaHeight(surface.height(), scrollBarShown))) {
    if (band.bottom > band.top) painter.fillRect(0, band.top, width, band.bottom - band.top, qColourOf(band.colour));
  }
}

void paintTiled(QPainter& painter, const QSize& surface, const QImage& picture) {
  if (picture.isNull() || surface.isEmpty()) return;
  QImage strip(surface.width(), picture.height(), QImage::Format_RGB32);
  {
    QPainter row(&strip);
    for (int x = 0; x < surface.width(); x += picture.width()) row.drawImage(x, 0, picture);
  }
  for (int y = 0; y < surface.height(); y += strip.height()) painter.drawImage(0, y, strip);
}

void paintBackground(QPainter& painter, const QSize& surface, const BackgroundChoice& choice, const QImage& demoTile,
                     bool scrollBarShown) {
  switch (choice.kind) {
    case BackgroundKind::DemoTile:
      return paintTiled(painter, surface, demoTile);
    case BackgroundKind::Colour:
      return painter.fillRect(QRect(QPoint(0, 0), surface), qColourOf(choice.colour));
    case BackgroundKind::FadedColour:
      return paintFade(painter, surface, qColourOf(choice.colour), scrollBarShown);
    case BackgroundKind::TiledPicture:
      return paintTiled(painter, surface, readPicture(choice.file));
    case BackgroundKind::FullPicture: {
      const QImage picture = readPicture(choice.file);
      if (!picture.isNull()) painter.drawImage(0, 0, picture);
      return;
    }
  }
}

}  // namespace kes
