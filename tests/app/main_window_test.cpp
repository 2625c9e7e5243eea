#include <QApplication>
#include <QtTest>

#include "menu_test.h"
#include "placement_test.h"
#include "window_behaviour_test.h"

// One program for the window's tests, so the widgets are built once.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  {
    kes::test::MenuTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    kes::test::PlacementTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    kes::test::WindowBehaviourTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
