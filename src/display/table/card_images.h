#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>
#include <array>
#include <map>
#include <vector>

#include "display/geometry/card_size.h"

namespace kes {

class ResourceLibrary;

inline constexpr int kDefaultBackDesign = 11;

// The four corners of a card, each the corner pixel with its horizontal and
// vertical neighbour.
enum class CardCorner { TopLeft, TopRight, BottomLeft, BottomRight };

// The pictures the table is drawn with, for one card size, face set and back
// design: the 52 faces cut from the suit bitmaps, the back, the markers, the
// deck edges and the shadows. Faces and back have their corners cut out
// (transparent), so a drawn card shows what lies beneath there. On a screen
// of more than one device pixel per logical pixel the pictures drawn at twice
// the size are used, so cards stay sharp while every measure stays logical.
class CardImages {
 public:
  CardImages(const ResourceLibrary& library, QString installDir) : library_(library), installDir_(std::move(installDir)) {}

  void load(CardSize size, int faceSet, int backDesign);
  // Loads the pictures again when the screen's ratio asks for another scale.
  void setDevicePixelRatio(qreal ratio);

  const CardSize& size() const { return size_; }
  // 1, or 2 while the double-size pictures are used.
  int scale() const { return scale_; }
  // The face of a card code; the second pack shows the first pack's faces.
  const QPixmap& face(int code) const;
  // The back; empty when the design's file is missing (nothing is drawn).
  const QPixmap& back() const { return back_; }
  const QPixmap& marker(int number) const;
  // "3D_BORDER_" 1 (right edge) and 2 (bottom edge), pure blue see-through.
  const QPixmap& deckEdge(int part) const { return deckEdges_.at(part == 1 ? 0 : 1); }
  // "SHADOW_" 1 (right) and 2 (bottom), white see-through.
  const QPixmap& shadow(int part) const { return shadows_.at(part == 1 ? 0 : 1); }
  // The rectangles, in logical pixels from the card's top-left corner, that
  // make up one corner at the current scale: three pixels at scale 1, the
  // same cut drawn finer at scale 2.
  const std::vector<QRectF>& corner(CardCorner which) const { return corners_.at(static_cast<std::size_t>(which)); }

 private:
  void reload();
  QPixmap picture(const QString& name) const;
  QPixmap keyed(const QString& name, Qt::GlobalColor transparent) const;
  QPixmap cutCorners(const QImage& picture) const;
  QString backFile(int design, bool doubleSize) const;
  void loadBack();

  const ResourceLibrary& library_;
  QString installDir_;
  CardSize size_ = kBigCards;
  int faceSet_ = 1;
  int backDesign_ = kDefaultBackDesign;
  int scale_ = 1;
  int wantedScale_ = 1;
  std::array<QPixmap, 53> faces_;
  QPixmap back_;
  std::array<QPixmap, 2> deckEdges_, shadows_;
  std::array<std::vector<QRectF>, 4> corners_;
  mutable std::map<int, QPixmap> markers_;
};

// The library name of a picture's double-size twin: "CB001H" -> "CB001H@2x".
// A back's twin lies under the same name in the folder "Images/2x".
QString doubleSizeName(const QString& name);

}  // namespace kes
