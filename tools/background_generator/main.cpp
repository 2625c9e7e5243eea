// Draws the table's background pictures into the Images folder.
//
//   kestrova-backgrounds IMAGES_DIR
//
// Tiled pictures "B" + number + ".bmp" (numbers below 500) and full-screen
// pictures (from 500), all drawn from code.

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

#include "background_list.h"
#include "full_pictures.h"

namespace {

bool save(const QImage& picture, const QString& imagesDir, int number) {
  const QString file = QDir(imagesDir).filePath(QStringLiteral("B%1.bmp").arg(number, 3, 10, QChar(u'0')));
  if (picture.save(file, "BMP")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: kestrova-backgrounds IMAGES_DIR\n");
    return 2;
  }
  QDir().mkpath(args[1]);
  for (const kes::gen::Texture& texture : kes::gen::tiledBackgrounds())
    if (!save(texture.draw(texture), args[1], texture.number)) return 1;
  for (const kes::gen::FullPicture& picture : kes::gen::fullPictures())
    if (!save(kes::gen::drawFullPicture(picture), args[1], picture.number)) return 1;
  return 0;
}
