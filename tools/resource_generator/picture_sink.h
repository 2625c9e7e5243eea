#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace kes::gen {

// Collects the generated pictures as PNG files in a staging folder and lists
// them in a Qt resource collection under their library names.
class PictureSink {
 public:
  explicit PictureSink(QString stagingDir);

  // Writes the picture; false (and remembered) when it could not be written
  // or the name was given twice.
  bool add(const QString& name, const QImage& picture);
  bool writeCollection(const QString& qrcPath) const;

  const QStringList& names() const { return names_; }
  bool failed() const { return failed_; }

 private:
  QString stagingDir_;
  QStringList names_;
  bool failed_ = false;
};

}  // namespace kes::gen
