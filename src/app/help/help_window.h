#pragma once

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QTabWidget;

namespace kes {

class HelpBrowser;
class HelpCollection;

// The help viewer: the pages of the help file beside three tabs, the
// contents tree, the index with its filter and the full-text search. The
// property "searchReady" turns true once the search index is built.
class TfrmHelp : public QWidget {
  Q_OBJECT

 public:
  TfrmHelp(HelpCollection& collection, QWidget* parent = nullptr);

  void showPage(const QUrl& url);
  QUrl source() const;
  QString pageTitle() const;
  HelpBrowser& browser() { return *browser_; }

 private:
  QWidget* makeContentsTab();
  QWidget* makeIndexTab();
  QWidget* makeSearchTab();
  void followPage(const QUrl& url);

  HelpCollection& collection_;
  HelpBrowser* browser_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* indexFilter_ = nullptr;
};

}  // namespace kes
