#include "app/help/help_browser.h"

#include "app/help/help_collection.h"

namespace kes {

HelpBrowser::HelpBrowser(HelpCollection& collection, QWidget* parent)
    : QTextBrowser(parent), collection_(collection) {
  setObjectName("txtHelpPage");
  setOpenLinks(true);
  setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() == QLatin1String("qthelp")) return collection_.fileData(name);
  return QTextBrowser::loadResource(type, name);
}

}  // namespace kes
