#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include "display/table/bitmap_animated.h"

namespace {

// A strip of `count` frames of 30 x `height`, frame k filled with colours[k].
QPixmap strip(const std::vector<QColor>& colours, int height = 30) {
  QPixmap p(30 * static_cast<int>(colours.size()), height);
  QPainter painter(&p);
  for (std::size_t k = 0; k < colours.size(); ++k) painter.fillRect(30 * static_cast<int>(k), 0, 30, height, colours[k]);
  return p;
}

QColor shownAt(kes::TBitmapAnimated& control, int x, int y) { return control.grab().toImage().pixelColor(x, y); }

}  // namespace

class BitmapAnimatedTest : public QObject {
  Q_OBJECT

 private slots:
  void startsSmallWhiteAndStill() {
    kes::TBitmapAnimated control;
    QCOMPARE(control.size(), QSize(30, 30));
    QCOMPARE(control.frameCount(), 1);
    QVERIFY(control.loop());
    QCOMPARE(control.transparentColor(), -1);
    QVERIFY(!control.play());
    QVERIFY(!control.timerActive());
    QCOMPARE(shownAt(control, 15, 15), QColor(Qt::white));
  }

  void takesItsHeightFromTheStrip() {
    kes::TBitmapAnimated control;
    control.setBitMap(strip({Qt::red, Qt::blue}, 44));
    QCOMPARE(control.height(), 44);
    QCOMPARE(control.width(), 30);
    control.setBitMap(QPixmap());
    QCOMPARE(control.height(), 30);
  }

  void showsTheFramesColumns() {
    kes::TBitmapAnimated control;
    control.setBitMap(strip({Qt::red, Qt::blue, Qt::green}));
    control.setFrameCount(3);
    QCOMPARE(shownAt(control, 5, 5), QColor(Qt::red));
    control.setFrame(2);
    QCOMPARE(shownAt(control, 5, 5), QColor(Qt::green));
  }

  void transparentColourShowsTheControlsColour() {
    kes::TBitmapAnimated control;
    QPalette palette = control.palette();
    palette.setColor(control.backgroundRole(), QColor(10, 20, 30));
    control.setPalette(palette);
    control.setBitMap(strip({QColor(0, 0, 255)}));
    QCOMPARE(shownAt(control, 5, 5), QColor(0, 0, 255));
    control.setTransparentColor(0xFF0000);  // blue as 0x00BBGGRR
    QCOMPARE(shownAt(control, 5, 5), QColor(10, 20, 30));
  }

  void negativeFrameIsTheLastAndOthersWrap() {
    kes::TBitmapAnimated control;
    control.setFrameCount(4);
    QSignalSpy changes(&control, &kes::TBitmapAnimated::onChangeFrame);
    control.setFrame(-1);
    QCOMPARE(control.frame(), 3);
    control.setFrame(9);
    QCOMPARE(control.frame(), 1);
    control.setFrame(5);  // 1 again: no change, no notice
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(0).at(0).toInt(), 3);
    QCOMPARE(changes.at(1).at(0).toInt(), 1);
  }

  void withoutLoopPlayingStopsAtTheEnd() {
    kes::TBitmapAnimated control;
    control.setFrameCount(3);
    control.setLoop(false);
    control.setPlay(true);
    control.advance();
    QVERIFY(control.play());
    control.advance();
    QCOMPARE(control.frame(), 2);
    QVERIFY(!control.play());
    QVERIFY(!control.timerActive());
  }

  void withLoopPlayingGoesRound() {
    kes::TBitmapAnimated control;
    control.setFrameCount(3);
    control.setPlay(true);
    for (int i = 0; i < 4; ++i) control.advance();
    QCOMPARE(control.frame(), 1);
    QVERIFY(control.play());
  }

  void reverseGoesBackAndStopsAtFrameZero() {
    kes::TBitmapAnimated control;
    control.setFrameCount(3);
    control.setReverse(true);
    control.advance();  // from 0 backward: the last frame
    QCOMPARE(control.frame(), 2);
    control.setLoop(false);
    control.setPlay(true);
    control.advance();
    control.advance();
    QCOMPARE(control.frame(), 0);
    QVERIFY(!control.play());
  }

  void intervalAndPlayMakeOrRemoveTheTimer() {
    kes::TBitmapAnimated control;
    control.setInterval(40);
    QVERIFY(!control.timerActive());
    control.setPlay(true);
    QVERIFY(control.timerActive());
    QCOMPARE(control.timerInterval(), 40);
    control.setInterval(25);
    QCOMPARE(control.timerInterval(), 25);
    control.setInterval(0);
    QVERIFY(!control.timerActive());
    control.setInterval(30);
    QVERIFY(control.timerActive());
    control.setPlay(false);
    QVERIFY(!control.timerActive());
  }

  void theTimerAdvancesTheFrames() {
    kes::TBitmapAnimated control;
    control.setFrameCount(5);
    control.setInterval(5);
    QSignalSpy changes(&control, &kes::TBitmapAnimated::onChangeFrame);
    control.setPlay(true);
    QTRY_VERIFY(changes.count() >= 2);
    QCOMPARE(changes.at(0).at(0).toInt(), 1);
    QCOMPARE(changes.at(1).at(0).toInt(), 2);
  }
};

QTEST_MAIN(BitmapAnimatedTest)
#include "bitmap_animated_test.moc"
