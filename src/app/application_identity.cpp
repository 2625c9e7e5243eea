#include "application_identity.h"

#include <QApplication>
#include <QIcon>

namespace kes {

void identifyApplication() {
  QApplication::setOrganizationDomain(QStringLiteral("kestrova.org"));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
  // The installed theme icon first, so a desktop's own icon theme may restyle
  // it; the built-in copy for a build tree or a portable copy.
  QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kApplicationId),
                                               QIcon(QStringLiteral(":/icons/org.kestrova.Kestrova.svg"))));
}

}  // namespace kes
