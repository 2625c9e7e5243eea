#include "face_sets.h"

#include <QDir>
#include <QFile>

namespace kes::gen {

const std::array<FaceSetSource, 5>& faceSetSources() {
  // 003 is also the set used with medium cards and on displays of few
  // colours, so it gets the plainest, most legible artwork. The corner
  // indexes of 001 and 005 get too small below the big size.
  static const std::array<FaceSetSource, 5> sources{{
      {1, "svg-gm-paris", "paris.svgz", false, QColor(255, 255, 255), QColor(36, 64, 160)},
      {2, "svg-nicu-white", "white.svgz", true, QColor(250, 250, 246), QColor(230, 160, 20)},
      {3, "svg-standard", "standard.svgz", true, QColor(255, 255, 255), QColor(200, 150, 40)},
      {4, "svg-oxygen-white", "oxygen-white.svgz", true, QColor(246, 246, 246), QColor(110, 110, 120)},
      {5, "svg-dondorf", "dondorf.svgz", false, QColor(252, 248, 236), QColor(120, 90, 50)},
  }};
  return sources;
}

QString deckFile(const QString& decksDir, const FaceSetSource& source) {
  return QDir(decksDir).filePath(QString::fromLatin1(source.folder) + u'/' + QString::fromLatin1(source.file));
}

QStringList missingDecks(const QString& decksDir) {
  QStringList missing;
  for (const FaceSetSource& source : faceSetSources()) {
    const QString file = deckFile(decksDir, source);
    if (!QFile::exists(file)) missing.append(file);
  }
  return missing;
}

}  // namespace kes::gen
