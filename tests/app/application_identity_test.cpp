#include <QApplication>
#include <QIcon>
#include <QtTest>

#include "app/application_identity.h"

// The desktop matches a running window to its menu entry by the desktop file
// name, and shows the window icon in the dock and the window switcher.
class ApplicationIdentityTest : public QObject {
  Q_OBJECT

 private slots:
  void namesTheDesktopFileAndTheOrganisation() {
    kes::identifyApplication();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.kestrova.Kestrova"));
    QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("kestrova.org"));
  }

  // Without an installed icon theme entry the built-in SVG still gives every
  // size the desktop asks for.
  void givesEveryWindowAnIconEvenWhenNotInstalled() {
    kes::identifyApplication();
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    for (const int size : {16, 48, 256}) {
      const QImage picture = icon.pixmap(size, size).toImage();
      QCOMPARE(picture.width(), size);
      // Drawn, not blank: the middle of the icon is the table's green or a card.
      QVERIFY(qAlpha(picture.pixel(size / 2, size / 2)) > 0);
    }
    QWidget window;
    QVERIFY(!window.windowIcon().isNull());
  }
};

QTEST_MAIN(ApplicationIdentityTest)
#include "application_identity_test.moc"
