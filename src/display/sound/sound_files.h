#pragma once

#include <QHash>
#include <QString>

namespace kes {

// The wave files of the SOUNDS folder found by sound name: without regard
// to case, and with ".wav" added to a name without extension, so that
// "Card_up", "card_up.wav" and "CARD_UP.WAV" are one file. The folder is
// listed once, on the first look-up.
class SoundFiles {
 public:
  explicit SoundFiles(QString folder) : folder_(std::move(folder)) {}
  // The file's full path, or an empty string when there is none.
  QString find(const QString& name) const;
  const QString& folder() const { return folder_; }

 private:
  QString folder_;
  mutable bool listed_ = false;
  mutable QHash<QString, QString> byLowerName_;
};

}  // namespace kes
