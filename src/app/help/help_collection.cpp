#include "app/help/help_collection.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>

namespace kes {

namespace {

// The folder the help generator puts the pages in, inside the file.
constexpr const char* kVirtualFolder = "doc";
constexpr const char* kContentsPage = "index.html";

QString cacheTemplate(const QString& parent) {
  QDir().mkpath(parent);
  return QDir(parent).filePath(QStringLiteral("help-XXXXXX"));
}

}  // namespace

HelpCollection::HelpCollection(const QString& helpFile, const QString& cacheParent)
    : cache_(cacheTemplate(cacheParent)) {
  if (!QFileInfo::exists(helpFile)) {
    error_ = QStringLiteral("Help file not found: ") + helpFile;
    return;
  }
  if (!cache_.isValid()) {
    error_ = QStringLiteral("No folder for the help index in ") + cacheParent;
    return;
  }
  engine_ = std::make_unique<QHelpEngine>(cache_.filePath(QStringLiteral("kestrova.qhc")));
  namespaceName_ = QHelpEngineCore::namespaceName(helpFile);
  // The collection is the engine's own, made fresh: it may write there. The
  // first setup makes it; the second reads the registered file into the
  // contents and the index.
  engine_->setReadOnly(false);
  engine_->setupData();
  if (namespaceName_.isEmpty() || !engine_->registerDocumentation(helpFile)) {
    error_ = QStringLiteral("The help file cannot be read: ") + helpFile + QStringLiteral(" (") + engine_->error() +
             QStringLiteral(")");
    return;
  }
  engine_->setupData();
}

HelpCollection::~HelpCollection() = default;

QUrl HelpCollection::pageUrl(const QString& file) const {
  return QUrl(QStringLiteral("qthelp://%1/%2/%3").arg(namespaceName_, QLatin1String(kVirtualFolder), file));
}

QUrl HelpCollection::topicUrl(int topic) const {
  if (!ready()) return {};
  const QUrl url = pageUrl(QString::number(topic) + QStringLiteral(".html"));
  return engine_->fileData(url).isEmpty() ? QUrl() : url;
}

QUrl HelpCollection::contentsUrl() const { return ready() ? pageUrl(QLatin1String(kContentsPage)) : QUrl(); }

QByteArray HelpCollection::fileData(const QUrl& url) const { return ready() ? engine_->fileData(url) : QByteArray(); }

}  // namespace kes
