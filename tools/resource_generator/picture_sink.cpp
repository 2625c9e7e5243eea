#include "picture_sink.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace kes::gen {

PictureSink::PictureSink(QString stagingDir) : stagingDir_(std::move(stagingDir)) { QDir().mkpath(stagingDir_); }

bool PictureSink::add(const QString& name, const QImage& picture) {
  if (names_.contains(name)) {
    std::fprintf(stderr, "picture %s made twice\n", qPrintable(name));
    failed_ = true;
    return false;
  }
  const QString file = QDir(stagingDir_).filePath(name + QStringLiteral(".png"));
  if (picture.isNull() || !picture.save(file, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    failed_ = true;
    return false;
  }
  names_.append(name);
  return true;
}

bool PictureSink::writeCollection(const QString& qrcPath) const {
  QFile file(qrcPath);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  const QDir qrcDir = QFileInfo(qrcPath).absoluteDir();
  QTextStream out(&file);
  out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  for (const QString& name : names_) {
    const QString png = qrcDir.relativeFilePath(QDir(stagingDir_).filePath(name + QStringLiteral(".png")));
    out << "  <file alias=\"" << name << "\">" << png << "</file>\n";
  }
  out << "</qresource>\n</RCC>\n";
  return out.status() == QTextStream::Ok;
}

}  // namespace kes::gen
