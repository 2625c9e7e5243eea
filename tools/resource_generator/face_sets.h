#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

namespace kes::gen {

// Where each face set's artwork comes from, and the colours of its plain
// faces for the sizes at which that artwork no longer reads.
struct FaceSetSource {
  int number;          // face set 001 .. 005
  const char* folder;  // under the card deck folder
  const char* file;    // the deck's SVG file in that folder
  bool readsAtMedium;  // whether the deck's own faces stay legible at the medium size
  QColor paper;        // plain faces: card colour
  QColor courtFrame;   // plain faces: frame behind jack, queen and king
};

const std::array<FaceSetSource, 5>& faceSetSources();

// The SVG file of one face set.
QString deckFile(const QString& decksDir, const FaceSetSource& source);

// Deck files that are not there; the generator stops when this is not empty.
QStringList missingDecks(const QString& decksDir);

// The Debian package that brings the decks.
inline constexpr const char* kDeckPackage = "kdegames-card-data-kf5";

}  // namespace kes::gen
