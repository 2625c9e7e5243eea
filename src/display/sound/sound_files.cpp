#include "sound_files.h"

#include <QDir>
#include <QFileInfo>

namespace kes {

QString SoundFiles::find(const QString& name) const {
  if (!listed_) {
    listed_ = true;
    const QDir dir(folder_);
    for (const QString& file : dir.entryList(QDir::Files)) byLowerName_.insert(file.toLower(), dir.filePath(file));
  }
  QString key = name.trimmed().toLower();
  if (key.isEmpty()) return {};
  if (QFileInfo(key).suffix().isEmpty()) key += QStringLiteral(".wav");
  return byLowerName_.value(key);
}

}  // namespace kes
