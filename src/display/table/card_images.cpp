#include "display/table/card_images.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include "display/resources/resource_library.h"
#include "display/resources/resource_names.h"

namespace kes {

namespace {

constexpr int kDoubleScale = 2;

// One corner at scale s: the device pixels (i, j) counted from the corner
// with i + j < 2s, as one run per row. At scale 1 these are the corner pixel
// and its two neighbours.
std::vector<QRectF> cornerRuns(CardCorner which, int s, const CardSize& size) {
  const bool right = which == CardCorner::TopRight || which == CardCorner::BottomRight;
  const bool bottom = which == CardCorner::BottomLeft || which == CardCorner::BottomRight;
  std::vector<QRectF> runs;
  const double pixel = 1.0 / s;
  for (int j = 0; j < 2 * s; ++j) {
    const double length = (2 * s - j) * pixel;
    const double x = right ? size.width - length : 0.0;
    const double y = bottom ? size.height - (j + 1) * pixel : j * pixel;
    runs.emplace_back(x, y, length, pixel);
  }
  return runs;
}

}  // namespace

QString doubleSizeName(const QString& name) { return name + QStringLiteral("@2x"); }

void CardImages::load(CardSize size, int faceSet, int backDesign) {
  size_ = size;
  faceSet_ = faceSet;
  backDesign_ = backDesign;
  reload();
}

void CardImages::setDevicePixelRatio(qreal ratio) {
  const int wanted = ratio > 1.0 ? kDoubleScale : 1;
  if (wanted == wantedScale_) return;
  wantedScale_ = wanted;
  reload();
}

QPixmap CardImages::picture(const QString& name) const {
  QPixmap pixmap = library_.picture(scale_ > 1 ? doubleSizeName(name) : name);
  pixmap.setDevicePixelRatio(scale_);
  return pixmap;
}

QPixmap CardImages::keyed(const QString& name, Qt::GlobalColor transparent) const {
  QPixmap pixmap = library_.keyedPicture(scale_ > 1 ? doubleSizeName(name) : name, transparent);
  pixmap.setDevicePixelRatio(scale_);
  return pixmap;
}

QPixmap CardImages::cutCorners(const QImage& source) const {
  if (source.isNull()) return {};
  QImage picture = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(scale_);
  {
    QPainter p(&picture);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    for (const auto& runs : corners_)
      for (const QRectF& run : runs) p.fillRect(run, Qt::transparent);
  }
  return QPixmap::fromImage(std::move(picture));
}

QString CardImages::backFile(int design, bool doubleSize) const {
  return QStringLiteral("%1/Images/%2D%3%4.bmp")
      .arg(installDir_, doubleSize ? QStringLiteral("2x/") : QString())
      .arg(QChar(size_.code))
      .arg(design, 3, 10, QChar('0'));
}

void CardImages::loadBack() {
  // A design whose picture is not installed shows the default back rather
  // than leaving face-down cards invisible.
  const bool doubleSize = scale_ > 1;
  const int design = QFileInfo::exists(backFile(backDesign_, false)) ? backDesign_ : kDefaultBackDesign;
  QString file = backFile(design, doubleSize);
  int fileScale = scale_;
  if (doubleSize && !QFileInfo::exists(file)) {
    file = backFile(design, false);
    fileScale = 1;
  }
  if (!QFileInfo::exists(file)) {
    back_ = QPixmap();
    return;
  }
  QImage picture(file);
  // A single-size back on a double-size screen is enlarged once here, so
  // that its corners are cut at the screen's resolution like every card's.
  if (fileScale != scale_) picture = picture.scaled(picture.size() * scale_);
  back_ = cutCorners(picture);
}

void CardImages::reload() {
  // Double-size pictures only when the library has them.
  scale_ = wantedScale_ > 1 && library_.has(doubleSizeName(faceBitmapName(size_.code, faceSet_, kSuitLetters[0])))
               ? wantedScale_
               : 1;
  for (std::size_t c = 0; c < corners_.size(); ++c) corners_[c] = cornerRuns(static_cast<CardCorner>(c), scale_, size_);
  markers_.clear();
  const int w = size_.width * scale_, h = size_.height * scale_;
  for (int suit = 0; suit < 4; ++suit) {
    const QString name = faceBitmapName(size_.code, faceSet_, kSuitLetters[static_cast<std::size_t>(suit)]);
    const QImage sheet = library_.image(scale_ > 1 ? doubleSizeName(name) : name);
    for (int rank = 0; rank < kFacesPerSuit; ++rank) {
      const int col = rank % kFaceGridColumns, row = rank / kFaceGridColumns;
      faces_[static_cast<std::size_t>(suit * kFacesPerSuit + rank + 1)] =
          sheet.isNull() ? QPixmap() : cutCorners(sheet.copy(col * w, row * h, w, h));
    }
  }
  loadBack();
  for (int part = 1; part <= 2; ++part) {
    deckEdges_[static_cast<std::size_t>(part - 1)] = keyed(deckEdgeName(size_.code, part), Qt::blue);
    shadows_[static_cast<std::size_t>(part - 1)] = keyed(shadowName(size_.code, part), Qt::white);
  }
}

const QPixmap& CardImages::face(int code) const {
  if (code > 52) code -= 52;
  return faces_.at(static_cast<std::size_t>(code >= 1 && code <= 52 ? code : 0));
}

const QPixmap& CardImages::marker(int number) const {
  auto it = markers_.find(number);
  if (it == markers_.end()) it = markers_.emplace(number, picture(markerName(size_.code, number))).first;
  return it->second;
}

}  // namespace kes
