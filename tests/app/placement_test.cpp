#include "placement_test.h"

#include <QtTest>

#include "app/window/glyph_source.h"
#include "app/window/panel_placement.h"
#include "app/window/pointer_rest.h"
#include "app/window/toolbar.h"

namespace kes::test {

namespace {

PanelPlacementInput wideWindow() {
  PanelPlacementInput in;
  in.windowWidth = 800;
  in.toolbarHeight = 24;
  in.lastButtonRight = 260;
  in.timeSize = QSize(112, 20);
  in.scoreSize = QSize(100, 20);
  return in;
}

}  // namespace

void PlacementTest::panelsSitAtTheRightEdgeCentredOnTheToolbar() {
  const PanelPlacement out = placeTimeAndScore(wideWindow());
  QCOMPARE(out.timeAt, QPoint(800 - 112 - 15, 2));
  QCOMPARE(out.scoreAt, QPoint(800 - 112 - 15 - 5 - 100, 2));
  QVERIFY(out.timeShown && out.scoreShown);
  PanelPlacementInput odd = wideWindow();
  odd.toolbarHeight = 25;  // the half pixel is dropped
  QCOMPARE(placeTimeAndScore(odd).timeAt.y(), 2);
}

void PlacementTest::scoreTakesTheTimePlaceWhenTimeIsHidden() {
  PanelPlacementInput in = wideWindow();
  in.showTime = false;
  const PanelPlacement out = placeTimeAndScore(in);
  QVERIFY(!out.timeShown);
  QVERIFY(out.scoreShown);
  QCOMPARE(out.scoreAt.x(), 800 - 100 - 15);
}

void PlacementTest::aPanelThatWouldReachTheButtonsStaysHidden() {
  PanelPlacementInput in = wideWindow();
  in.windowWidth = 260 + 3 + 112 + 15 + 5 + 100;  // score panel exactly 3 pixels clear: not enough
  PanelPlacement out = placeTimeAndScore(in);
  QVERIFY(out.timeShown);
  QVERIFY(!out.scoreShown);
  in.windowWidth += 1;
  out = placeTimeAndScore(in);
  QVERIFY(out.scoreShown);
  in.windowWidth = 300;
  out = placeTimeAndScore(in);
  QVERIFY(!out.timeShown && !out.scoreShown);
}

void PlacementTest::hiddenToolbarHidesBothPanels() {
  PanelPlacementInput in = wideWindow();
  in.toolbarVisible = false;
  const PanelPlacement out = placeTimeAndScore(in);
  QVERIFY(!out.timeShown && !out.scoreShown);
}

void PlacementTest::pileSizeTipOpensLeftAndAboveNearTheCorner() {
  const QSize tip(90, 19);
  const QSize area(800, 500);
  QCOMPARE(placePileSizeTip(QPoint(100, 100), tip, area), QPoint(100, 100 - 19 + 47));
  QCOMPARE(placePileSizeTip(QPoint(700, 440), tip, area), QPoint(700 - 90 - 2, 440 - 19 - 2));
  // Exactly at the limits the tip still opens to the right and below.
  QCOMPARE(placePileSizeTip(QPoint(800 - 47 - 90, 500 - 47 - 47), tip, area), QPoint(663, 406 - 19 + 47));
}

void PlacementTest::pausePicturesAreCentredAndKeepTheirMargins() {
  const PausePicturesPlacement out = placePausePictures(QSize(800, 600), QSize(120, 120), QSize(360, 70));
  QCOMPARE(out.first, QPoint(340, (600 - 120 - 70 - 45) / 2));
  QCOMPARE(out.second, QPoint(220, out.first.y() + 120 + 15));
  QCOMPARE(out.glideLeft, 218);
  QCOMPARE(out.glideRight, 582);
  const PausePicturesPlacement small = placePausePictures(QSize(200, 200), QSize(120, 120), QSize(360, 70));
  QCOMPARE(small.first.y(), 100);
  QCOMPARE(small.second.x(), 5);
}

void PlacementTest::pointerRestIsTakenOnceAfterHalfASecond() {
  PointerRest rest;
  QVERIFY(!rest.takeRest(10'000));  // nothing recorded yet
  QVERIFY(rest.moved(QPoint(10, 10), 1000));
  QVERIFY(!rest.takeRest(1499));
  QCOMPARE(rest.takeRest(1500), std::optional<QPoint>(QPoint(10, 10)));
  QVERIFY(!rest.takeRest(3000));  // used up until the pointer moves again
  QVERIFY(!rest.moved(QPoint(10, 10), 3000));  // same place: the tip may stay
  QVERIFY(rest.moved(QPoint(11, 10), 3200));
  QVERIFY(!rest.takeRest(3600));
  rest.clear();
  QVERIFY(!rest.takeRest(9000));
}

}  // namespace kes::test
