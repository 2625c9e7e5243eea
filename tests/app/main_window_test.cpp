#include <QtTest>

#include "app/main_window.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheProductCaption() {
    kes::TfrmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("Kestrova 2000"));
  }

  void closesCleanly() {
    kes::TfrmMain window;
    window.show();
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
