#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

class QHelpEngine;

namespace kes {

// The help file opened with Qt's help engine. The engine keeps its
// collection and its search index in a folder of its own below the writable
// data folder, made when help is first opened and removed with it, so the
// installed file is only read.
class HelpCollection {
 public:
  HelpCollection(const QString& helpFile, const QString& cacheParent);
  ~HelpCollection();
  HelpCollection(const HelpCollection&) = delete;
  HelpCollection& operator=(const HelpCollection&) = delete;

  // Whether the file could be registered; error() says why not.
  bool ready() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }

  QHelpEngine& engine() { return *engine_; }
  // The page of a topic (3000 + game number, or a dialog's number); an
  // empty URL when the file has no such page.
  QUrl topicUrl(int topic) const;
  QUrl contentsUrl() const;
  QByteArray fileData(const QUrl& url) const;

 private:
  QUrl pageUrl(const QString& file) const;

  QTemporaryDir cache_;
  std::unique_ptr<QHelpEngine> engine_;
  QString namespaceName_;
  QString error_;
};

}  // namespace kes
