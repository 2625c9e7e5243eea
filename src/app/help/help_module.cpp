// The loadable help module: the help engine and the viewer window behind the
// HelpViewer interface.
#include <QPointer>
#include <memory>

#include "app/help/help_collection.h"
#include "app/help/help_viewer.h"
#include "app/help/help_window.h"

namespace kes {

namespace {

class ModuleViewer : public HelpViewer {
 public:
  ModuleViewer(const QString& helpFile, const QString& cacheFolder, QWidget* parent)
      : collection_(std::make_unique<HelpCollection>(helpFile, cacheFolder)) {
    if (collection_->ready()) window_ = new TfrmHelp(*collection_, parent);
  }
  // The window's widgets belong to the help engine: they go first.
  ~ModuleViewer() override { delete window_.data(); }

  QString error() const override { return collection_->error(); }

  void showTopic(int topic) override {
    if (!window_) return;
    const QUrl url = topic == 0 ? QUrl() : collection_->topicUrl(topic);
    window_->showPage(url.isEmpty() ? collection_->contentsUrl() : url);
  }

  QWidget* window() const override { return window_; }
  QUrl source() const override { return window_ ? window_->source() : QUrl(); }
  QString pageTitle() const override { return window_ ? window_->pageTitle() : QString(); }

 private:
  std::unique_ptr<HelpCollection> collection_;
  QPointer<TfrmHelp> window_;
};

}  // namespace

}  // namespace kes

extern "C" Q_DECL_EXPORT kes::HelpViewer* kestrovaMakeHelpViewer(const QString& helpFile, const QString& cacheFolder,
                                                                 QWidget* parent) {
  return new kes::ModuleViewer(helpFile, cacheFolder, parent);
}
