// Builds the companion resource library's pictures and the card backs.
//
//   kestrova-resources DECKS_DIR STAGING_DIR QRC_FILE IMAGES_DIR GAMES_DAT
//
// Renders every picture as a PNG into STAGING_DIR and lists them, under the
// names the program asks for, in QRC_FILE (turned into KES.RGF by rcc); the
// card backs go to IMAGES_DIR as bitmaps. The game previews are dealt from
// the built catalogue GAMES_DAT.

#include <QGuiApplication>

#include <cstdio>

#include "card_backs.h"
#include "cursors.h"
#include "face_sets.h"
#include "faces.h"
#include "glyphs.h"
#include "icons.h"
#include "markers.h"
#include "picture_sink.h"
#include "previews.h"
#include "stock_and_drag.h"

namespace {

bool decksPresent(const QString& decksDir) {
  const QStringList missing = kes::gen::missingDecks(decksDir);
  for (const QString& file : missing)
    std::fprintf(stderr, "card deck not found: %s (install the Debian package %s)\n", qPrintable(file),
                 kes::gen::kDeckPackage);
  return missing.isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 6) {
    std::fprintf(stderr, "usage: kestrova-resources DECKS_DIR STAGING_DIR QRC_FILE IMAGES_DIR GAMES_DAT\n");
    return 2;
  }
  const QString& decksDir = args[1];
  if (!decksPresent(decksDir)) return 1;

  kes::gen::PictureSink sink(args[2]);
  if (!kes::gen::makeFaces(decksDir, sink)) return 1;
  kes::gen::makeMarkers(sink);
  kes::gen::makeShadows(sink);
  kes::gen::makeDeckEdges(sink);
  kes::gen::makeCursors(sink);
  kes::gen::makeToolbarGlyphs(sink);
  kes::gen::makePausePictures(sink);
  kes::gen::makeSelectionIcons(sink);
  kes::gen::makeAppearancePictures(sink);
  kes::gen::makeCounterPictures(sink);
  kes::gen::makeDemoTile(sink);
  if (!kes::gen::makeGamePreviews(args[5], sink)) return 1;
  if (sink.failed() || !sink.writeCollection(args[3])) return 1;
  if (!kes::gen::makeCardBacks(args[4])) return 1;
  std::printf("%lld pictures\n", static_cast<long long>(sink.names().size()));
  return 0;
}
