#include "faces.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

#include "display/resources/resource_names.h"
#include "painting.h"
#include "plain_faces.h"
#include "suit_shapes.h"

namespace kes::gen {

namespace {

// A deck's own faces are used at the big size, and at the medium size when
// they still read there; otherwise plain faces are drawn.
bool usesDeckArt(const CardSize& size, const FaceSetSource& source) {
  return size.letter == 'B' || (size.letter == 'M' && source.readsAtMedium);
}

QString elementId(Suit suit, int rank) {
  static const char* const suitIds[] = {"heart", "diamond", "club", "spade"};
  static const char* const courtIds[] = {"jack", "queen", "king"};
  const QString rankId = rank > 10 ? QString::fromLatin1(courtIds[rank - 11]) : QString::number(rank);
  return rankId + u'_' + QString::fromLatin1(suitIds[static_cast<int>(suit)]);
}

// The deck draws rounded corners; the library keeps plain rectangles (the
// table cuts the corners when it draws a card), so the corners are filled
// with the colour of the card's own edge.
QImage deckFace(QSvgRenderer& deck, const QString& id, int width, int height) {
  QImage art = newPicture(width, height);
  {
    QPainter painter(&art);
    smooth(painter);
    deck.render(&painter, id, QRectF(0, 0, width, height));
  }
  const QRgb edge = art.pixel(0, height / 2);
  QImage face = newPicture(width, height, qAlpha(edge) == 255 ? QColor(edge) : QColor(Qt::white));
  QPainter painter(&face);
  painter.drawImage(0, 0, art);
  return face;
}

// The grid is laid out in the faces' own pixels, whatever their scale.
void placeInGrid(QImage& grid, QImage face, int index) {
  face.setDevicePixelRatio(1);
  QPainter painter(&grid);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage((index % kFaceGridColumns) * face.width(), (index / kFaceGridColumns) * face.height(), face);
}

bool makeFaceSet(const QString& decksDir, const FaceSetSource& source, PictureSink& sink) {
  QSvgRenderer deck(deckFile(decksDir, source));
  if (!deck.isValid()) {
    std::fprintf(stderr, "cannot read the card deck %s\n", qPrintable(deckFile(decksDir, source)));
    return false;
  }
  for (const CardSize& size : kCardSizes)
    for (const int scale : kPictureScales)
      for (Suit suit : kSuits) {
        QImage grid = newPicture(size.width * scale * kFaceGridColumns, size.height * scale * kFaceGridRows);
        for (int rank = 1; rank <= kFacesPerSuit; ++rank) {
          const QString id = elementId(suit, rank);
          const bool deckArt = usesDeckArt(size, source);
          if (deckArt && !deck.elementExists(id)) {
            std::fprintf(stderr, "the card deck %s has no card %s\n", source.folder, qPrintable(id));
            return false;
          }
          const QImage face = deckArt ? deckFace(deck, id, size.width * scale, size.height * scale)
                                      : plainFace(suit, rank, size.width, size.height, source, scale);
          placeInGrid(grid, face, rank - 1);
        }
        const QString name = faceBitmapName(size.letter, source.number, kSuitLetters[static_cast<std::size_t>(suit)]);
        sink.add(scaledName(name, scale), grid);
      }
  return true;
}

}  // namespace

bool makeFaces(const QString& decksDir, PictureSink& sink) {
  for (const FaceSetSource& source : faceSetSources()) {
    if (!makeFaceSet(decksDir, source, sink)) return false;
  }
  return true;
}

}  // namespace kes::gen
