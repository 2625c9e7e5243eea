#pragma once

#include <QTextBrowser>

namespace kes {

class HelpCollection;

// Shows the pages of the help file: every "qthelp:" resource (pages, style
// sheet, pictures) is read from the collection.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  HelpBrowser(HelpCollection& collection, QWidget* parent = nullptr);

  QVariant loadResource(int type, const QUrl& name) override;

 private:
  HelpCollection& collection_;
};

}  // namespace kes
