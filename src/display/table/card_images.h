#pragma once

#include <QPixmap>
#include <QString>
#include <array>
#include <map>

#include "display/geometry/card_size.h"

namespace kes {

class ResourceLibrary;

inline constexpr int kDefaultBackDesign = 11;

// The pictures the table is drawn with, for one card size, face set and back
// design: the 52 faces cut from the suit bitmaps, the back, the markers.
class CardImages {
 public:
  CardImages(const ResourceLibrary& library, QString installDir) : library_(library), installDir_(std::move(installDir)) {}

  void load(CardSize size, int faceSet, int backDesign);

  const CardSize& size() const { return size_; }
  // The face of a card code; the second pack shows the first pack's faces.
  const QPixmap& face(int code) const;
  // The back; empty when the design's file is missing (nothing is drawn).
  const QPixmap& back() const { return back_; }
  const QPixmap& marker(int number) const;

 private:
  const ResourceLibrary& library_;
  QString installDir_;
  CardSize size_ = kBigCards;
  std::array<QPixmap, 53> faces_;
  QPixmap back_;
  mutable std::map<int, QPixmap> markers_;
};

}  // namespace kes
