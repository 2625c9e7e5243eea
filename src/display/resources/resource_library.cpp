#include "display/resources/resource_library.h"

#include <QBitmap>
#include <QDir>
#include <QFile>
#include <QResource>

namespace kes {

namespace {

// Where the library's pictures appear in Qt's resource tree while it is open.
const QString kMapRoot = QStringLiteral("/kes-rgf");

}  // namespace

ResourceLibrary::ResourceLibrary(const QString& installDir)
    : filePath_(QDir(installDir).absoluteFilePath(QString::fromLatin1(kFileName))) {
  open_ = QFile::exists(filePath_) && QResource::registerResource(filePath_, kMapRoot);
}

ResourceLibrary::~ResourceLibrary() {
  if (open_) QResource::unregisterResource(filePath_, kMapRoot);
}

QString ResourceLibrary::resourcePath(const QString& name) const {
  return QStringLiteral(":") + kMapRoot + u'/' + name;
}

bool ResourceLibrary::has(const QString& name) const {
  return open_ && !name.isEmpty() && QFile::exists(resourcePath(name));
}

QImage ResourceLibrary::image(const QString& name) const {
  if (!has(name)) return {};
  return QImage(resourcePath(name));
}

QPixmap ResourceLibrary::picture(const QString& name) const { return QPixmap::fromImage(image(name)); }

QPixmap ResourceLibrary::keyedPicture(const QString& name, QColor transparent) const {
  QPixmap pixmap = picture(name);
  if (!pixmap.isNull()) pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
  return pixmap;
}

QCursor ResourceLibrary::cursor(const QString& name) const {
  const QImage picture = image(name);
  if (picture.isNull()) return QCursor(Qt::ArrowCursor);
  const int hotX = picture.text(QString::fromLatin1(kHotSpotXKey)).toInt();
  const int hotY = picture.text(QString::fromLatin1(kHotSpotYKey)).toInt();
  return QCursor(QPixmap::fromImage(picture), hotX, hotY);
}

QString libraryOpenFailureMessage(const QString& filePath) {
  return QStringLiteral("Can't find/load ") + filePath.toLower();
}

}  // namespace kes
