#include "appearance/background_preview.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "appearance/background_tree.h"
#include "display/geometry/background_choice.h"
#include "display/table/background_painter.h"

namespace kes {

namespace {

namespace Code = BackgroundCode;

bool isColour(long long code) { return code == Code::kCustomColour || code > Code::kLastPicture; }

BackgroundChoice choiceFor(const BackgroundPreview& p) {
  BackgroundChoice choice;
  const std::filesystem::path install = p.installDir.toStdString();
  if (isColour(p.code)) {
    choice.colour = decodeColour(p.code == Code::kCustomColour ? p.customColour : p.code);
    choice.kind = p.fade && p.manyColours ? BackgroundKind::FadedColour : BackgroundKind::Colour;
  } else if (p.code == Code::kCustomizedImage) {
    choice.kind = BackgroundKind::TiledPicture;
    choice.file = p.customFile.toStdString();
  } else if (p.code >= Code::kFirstPicture) {
    choice.kind = BackgroundKind::TiledPicture;
    choice.file = numberedBackgroundPath(static_cast<int>(p.code), install);
  } else {
    choice.colour.rgb = p.manyColours ? kDefaultGreen : kFewColoursGreen;
  }
  return choice;
}

}  // namespace

void paintBackgroundPreview(QPainter& painter, const QSize& surface, const BackgroundPreview& preview) {
  if (preview.code >= Code::kFirstFullScreenPicture && preview.code <= Code::kLastPicture) {
    // A full-screen picture, shown as it would cover the screen.
    painter.fillRect(QRect(QPoint(), surface), Qt::black);
    const auto file = numberedBackgroundPath(static_cast<int>(preview.code), preview.installDir.toStdString());
    const QImage picture(QString::fromStdString(file.string()));
    if (picture.isNull() || preview.screen.isEmpty()) return;
    const double factor = static_cast<double>(surface.width()) / preview.screen.width();
    painter.drawImage(QRectF(0, 0, picture.width() * factor, picture.height() * factor), picture);
    return;
  }
  paintBackground(painter, surface, choiceFor(preview), QImage(), false);
}

PictureCheck checkBackgroundPicture(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile())
    return {false, QStringLiteral("Customized background image not found: ") + info.fileName()};
  QImageReader reader(path);
  const QSize size = reader.size();
  if (size.width() > kLargestBackgroundSide || size.height() > kLargestBackgroundSide)
    return {false, QStringLiteral("This picture is too large to be used as a background: %1 x %2 pixels (at most "
                                  "%3 x %3).")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(kLargestBackgroundSide)};
  if (!reader.canRead())
    return {false, QStringLiteral("This file is not a picture that can be shown: ") + info.fileName()};
  if (reader.read().isNull())
    return {false, QStringLiteral("This picture cannot be read: ") + info.fileName()};
  return {true, {}};
}

}  // namespace kes
