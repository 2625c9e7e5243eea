#include "display/table/card_images.h"

#include <QFileInfo>

#include "display/resources/resource_library.h"
#include "display/resources/resource_names.h"

namespace kes {

namespace {
constexpr int kFacesPerRow = 5;
}  // namespace

void CardImages::load(CardSize size, int faceSet, int backDesign) {
  size_ = size;
  markers_.clear();
  for (int suit = 0; suit < 4; ++suit) {
    const QPixmap sheet = library_.picture(faceBitmapName(size.code, faceSet, kSuitLetters[suit]));
    for (int rank = 0; rank < 13; ++rank) {
      const int col = rank % kFacesPerRow, row = rank / kFacesPerRow;
      faces_[static_cast<std::size_t>(suit * 13 + rank + 1)] =
          sheet.copy(col * size.width, row * size.height, size.width, size.height);
    }
  }
  // A design whose picture is not installed shows the default back rather
  // than leaving face-down cards invisible.
  const auto backFile = [&](int design) {
    return QStringLiteral("%1/Images/D%2%3.bmp").arg(installDir_).arg(QChar(size.code)).arg(design, 3, 10, QChar('0'));
  };
  const QString file = QFileInfo::exists(backFile(backDesign)) ? backFile(backDesign) : backFile(kDefaultBackDesign);
  back_ = QFileInfo::exists(file) ? QPixmap(file) : QPixmap();
}

const QPixmap& CardImages::face(int code) const {
  if (code > 52) code -= 52;
  return faces_.at(static_cast<std::size_t>(code >= 1 && code <= 52 ? code : 0));
}

const QPixmap& CardImages::marker(int number) const {
  auto it = markers_.find(number);
  if (it == markers_.end()) it = markers_.emplace(number, library_.picture(markerName(size_.code, number))).first;
  return it->second;
}

}  // namespace kes
