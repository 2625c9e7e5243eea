// Renders the application icon from its SVG source into the PNG sizes of the
// hicolor icon theme, for desktops and docks that do not draw SVG icons.
//
//   kestrova-icons SOURCE.svg OUTPUT_DIR NAME SIZE...
//
// writes OUTPUT_DIR/SIZExSIZE/apps/NAME.png for each size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool renderSize(QSvgRenderer& svg, const QString& outputDir, const QString& name, int size) {
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
  }
  const QString folder = QDir(outputDir).filePath(QStringLiteral("%1x%1/apps").arg(size));
  const QString file = QDir(folder).filePath(name + ".png");
  if (QDir().mkpath(folder) && picture.save(file, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 5) {
    std::fprintf(stderr, "usage: kestrova-icons SOURCE.svg OUTPUT_DIR NAME SIZE...\n");
    return 2;
  }
  QSvgRenderer svg(args[1]);
  if (!svg.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  for (qsizetype i = 4; i < args.size(); ++i) {
    bool ok = false;
    const int size = args[i].toInt(&ok);
    if (!ok || size < 8 || size > 1024) {
      std::fprintf(stderr, "not an icon size: %s\n", qPrintable(args[i]));
      return 2;
    }
    if (!renderSize(svg, args[2], args[3], size)) return 1;
  }
  return 0;
}
