#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/startup/app_context.h"
#include "datafiles/config_field.h"
#include "display/geometry/pile_geometry.h"
#include "display/resources/cursor_table.h"
#include "display/resources/resource_library.h"
#include "test_temp_dir.h"

namespace {

using kes::PileId;

constexpr int kCursorSet = 12;

// The centre of the top card of a tableau pile (of its place when empty), on the table widget.
QPoint topCardCentre(kes::TableWidget& table, int pile) {
  const kes::TableView view = table.view();
  const PileId id = PileId::tableau(pile);
  return {kes::cardLeft(view, id, 0, false) + view.width() / 2, kes::cardTop(view, id, 0, false) + view.height() / 2};
}

// Piles 7 and 8 of the FreeCell deal go onto pile 1: a column of 19 cards.
void stackOnFirstPile(kes::GameState& g) {
  kes::Pile& first = g.table.pile(PileId::tableau(0));
  for (const int from : {6, 7}) {
    kes::Pile& pile = g.table.pile(PileId::tableau(from));
    while (!pile.empty()) {
      const int card = pile.cardAt(0);
      pile.remove(card);
      first.append(card);
    }
  }
}

QImage cursorPicture(const QCursor& cursor) { return cursor.pixmap().toImage(); }

}  // namespace

class TableScrollTest : public QObject {
  Q_OBJECT

 private:
  kes::TempDir data_;
  QString installDir() const { return qEnvironmentVariable("KESTROVA_TEST_DATA"); }
  kes::DataDirs dirs() const { return {installDir().toStdString(), data_.path()}; }

  // FreeCell deal 1 in a main window too low for a long column.
  struct Played {
    kes::TfrmMain window;
    kes::AppContext app;
    std::unique_ptr<kes::CursorTable> cursors;
    std::unique_ptr<kes::GameController> controller;

    kes::TableWidget& table() { return controller->table(); }
    kes::GameState& game() { return controller->session().state(); }
    QScrollBar& bar() { return *window.tableScrollBar(); }
  };
  bool open(Played& p, bool scrollBarWanted = true) {
    p.app.config.put(kes::Field::VertScrollBar, scrollBarWanted ? "Y" : "N");
    p.app.config.put(kes::Field::ShowPileSizes, "Y");
    p.app.window.cursorSet = kCursorSet;
    p.app.dirs = dirs();
    if (!p.app.readCatalogue()) return false;
    auto library = std::make_unique<kes::ResourceLibrary>(installDir());
    p.cursors = std::make_unique<kes::CursorTable>(*library);
    p.controller = std::make_unique<kes::GameController>(p.window, dirs(), &p.app, nullptr, std::move(library));
    p.window.resize(800, 520);
    p.window.show();
    if (!p.controller->ready() || !QTest::qWaitForWindowExposed(&p.window)) return false;
    p.controller->session().state().prefs.autoplay = false;
    p.table().animation.dealAnimation = false;  // the table is wanted, not the show
    if (!p.controller->startGame(1, "0000000000001")) return false;
    return QTest::qWaitFor([&] { return !p.table().animating(); }, 20000);
  }

 private slots:
  void aLongColumnShowsTheBarAlongTheRightEdge() {
    Played p;
    QVERIFY(open(p));
    QVERIFY(p.bar().isHidden());  // the deal fits
    stackOnFirstPile(p.game());
    p.table().tableChanged();
    QVERIFY(!p.bar().isHidden());
    // The range: twice the card height more than the lowest card, beyond the
    // window, added to the hidden bar's 100 less 30.
    const int lowest = kes::lowestCardBottom(p.table().view());
    QVERIFY(lowest > p.table().height());
    QCOMPARE(p.bar().maximum(), 2 * 96 + lowest - p.table().height() + 100 - 30);
    const QWidget* area = p.window.tableArea();
    QCOMPARE(p.bar().geometry(), QRect(area->width() - 13, 0, 13, area->height()));
    QCOMPARE(p.bar().singleStep(), 2);
    QCOMPARE(p.bar().pageStep(), 50);
    // The column back to its size: the bar goes and the table is at the top again.
    p.bar().setValue(120);
    kes::Pile& first = p.game().table.pile(PileId::tableau(0));
    first.setCodes(first.codes().substr(0, 7 * 3));
    p.table().tableChanged();
    QVERIFY(p.bar().isHidden());
    QCOMPARE(p.table().metrics().scrollOffset, 0);
  }

  // In a window lower than the deal: the next deal starts at the top again.
  void aNewDealStartsAtTheTopOfTheTable() {
    Played p;
    QVERIFY(open(p));
    p.window.resize(800, 300);
    QTRY_VERIFY(!p.bar().isHidden());
    p.bar().setValue(60);
    QCOMPARE(p.table().metrics().scrollOffset, 60);
    QVERIFY(p.controller->startGame(1, "0000000000002"));
    QTRY_VERIFY_WITH_TIMEOUT(!p.table().animating(), 20000);
    QVERIFY(!p.bar().isHidden());
    QCOMPARE(p.bar().value(), 0);
    QCOMPARE(p.table().metrics().scrollOffset, 0);
    const int lowest = kes::lowestCardBottom(p.table().view());
    QCOMPARE(p.bar().maximum(), 2 * 96 + lowest - p.table().height() + 100 - 30);
  }

  void withoutThePreferenceTheBarStaysAway() {
    Played p;
    QVERIFY(open(p, false));
    stackOnFirstPile(p.game());
    p.table().tableChanged();
    QVERIFY(p.bar().isHidden());
  }

  void scrollingMovesTheDrawnCardsAndDropsFollow() {
    Played p;
    QVERIFY(open(p));
    stackOnFirstPile(p.game());
    p.table().tableChanged();
    QVERIFY(!p.bar().isHidden());
    const QImage before = p.table().grab().toImage();
    p.bar().setValue(100);
    QCOMPARE(p.table().metrics().scrollOffset, 100);
    const QImage after = p.table().grab().toImage();
    const int rows = before.height() - 100;
    QCOMPARE(after.copy(0, 0, after.width(), rows), before.copy(0, 100, before.width(), rows));
    QVERIFY(after != before);

    // Pile 2's top card onto the empty pile 7, both seen 100 pixels higher.
    const int card = p.game().table.pile(PileId::tableau(1)).top();
    const QPoint from = topCardCentre(p.table(), 1), to = topCardCentre(p.table(), 6);
    QVERIFY(to.y() > 10 && from.y() < p.table().height() - 10);
    QTest::mousePress(&p.table(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&p.table(), (from + to) / 2);
    QTest::mouseMove(&p.table(), to);
    QTest::mouseRelease(&p.table(), Qt::LeftButton, {}, to);
    QTRY_VERIFY_WITH_TIMEOUT(!p.table().animating(), 20000);
    QCOMPARE(p.game().table.pile(PileId::tableau(6)).codes(), QString("%1").arg(card, 3, 10, QChar('0')).toStdString());
    QCOMPARE(p.bar().value(), 100);
  }

  // A card in the air belongs to the table: scrolling carries it along.
  void aFlyingCardScrollsWithTheTable() {
    Played p;
    QVERIFY(open(p));
    stackOnFirstPile(p.game());
    p.table().tableChanged();
    p.bar().setValue(100);
    p.table().animation.cardsAnimate = true;
    // Pile 2's top card let go a little right of and below the empty pile 7.
    const QPoint from = topCardCentre(p.table(), 1), to = topCardCentre(p.table(), 6);
    const QPoint off(20, 20);
    QTest::mousePress(&p.table(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&p.table(), (from + to) / 2);
    QTest::mouseMove(&p.table(), to + off);
    QTest::mouseRelease(&p.table(), Qt::LeftButton, {}, to + off);
    QVERIFY(p.table().animating());
    // Two pictures of the same moment of the flight, before and after the
    // scroll: everything, the card in the air too, has moved by the scroll.
    const int offsetBefore = p.table().metrics().scrollOffset;
    const QImage scrolledDown = p.table().grab().toImage();
    p.bar().setValue(0);
    const int shift = offsetBefore - p.table().metrics().scrollOffset;
    QVERIFY(shift > 0);
    QVERIFY(p.table().animating());
    const QImage atTop = p.table().grab().toImage();
    const QRect kept(0, 0, atTop.width(), atTop.height() - shift);
    QCOMPARE(atTop.copy(kept.translated(0, shift)), scrolledDown.copy(kept));
    p.table().finishAnimation();
    QVERIFY(!p.game().table.pile(PileId::tableau(6)).empty());
  }

  void aDraggedCardScrollsTheTableAtItsEdgesWithTheDragCursor() {
    Played p;
    QVERIFY(open(p));
    stackOnFirstPile(p.game());
    p.table().tableChanged();
    p.bar().setValue(100);
    const QPoint from = topCardCentre(p.table(), 2);
    QCOMPARE(cursorPicture(p.table().cursor()), cursorPicture(p.cursors->cursor(kCursorSet)));
    QCOMPARE(cursorPicture(p.window.centralWidget()->cursor()), cursorPicture(p.cursors->cursor(kCursorSet)));
    QTest::mousePress(&p.table(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&p.table(), QPoint(from.x(), p.table().height() - 2));
    QCOMPARE(p.bar().value(), 150);
    QCOMPARE(cursorPicture(p.table().cursor()), cursorPicture(p.cursors->cursor(kCursorSet + 10)));
    QTest::mouseMove(&p.table(), QPoint(from.x(), 2));
    QCOMPARE(p.bar().value(), 100);
    QTest::mouseMove(&p.table(), QPoint(from.x(), 3));
    QCOMPARE(p.bar().value(), 50);
    QTest::mouseMove(&p.table(), from);
    QCOMPARE(p.bar().value(), 50);
    QTest::mouseRelease(&p.table(), Qt::LeftButton, {}, from);
    QCOMPARE(cursorPicture(p.table().cursor()), cursorPicture(p.cursors->cursor(kCursorSet)));
  }

  void aRestingPointerShowsThePileSizeUntilAPress() {
    Played p;
    QVERIFY(open(p));
    qint64 now = 1000;
    p.window.setTickSource([&] { return now; });
    auto* tip = p.window.findChild<QLabel*>("pnlPilesSize");
    auto* timer = p.window.findChild<QTimer*>("Timer1");
    QVERIFY(tip && timer);
    const QPoint over = topCardCentre(p.table(), 3);
    QTest::mouseMove(&p.table(), over);
    now += 400;
    QMetaObject::invokeMethod(timer, "timeout");
    QVERIFY(!tip->isVisible());
    now += 200;
    QMetaObject::invokeMethod(timer, "timeout");
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->text(), QString("Pile cards: %1").arg(p.game().table.pile(PileId::tableau(3)).size()));
    QCOMPARE(tip->pos(), QPoint(over.x(), over.y() - tip->height() + 47));
    // A press anywhere on the table takes it away; no rest is pending after it.
    QTest::mousePress(&p.table(), Qt::LeftButton, {}, QPoint(p.table().width() - 40, p.table().height() - 10));
    QVERIFY(!tip->isVisible());
    QTest::mouseRelease(&p.table(), Qt::LeftButton, {}, QPoint(p.table().width() - 40, p.table().height() - 10));
    now += 2000;
    QMetaObject::invokeMethod(timer, "timeout");
    QVERIFY(!tip->isVisible());
  }

  void aPressShowsTheClockAnew() {
    Played p;
    QVERIFY(open(p));
    p.controller->session().clock().start(kes::GameClock::Clock::now() - std::chrono::seconds(65));
    p.window.setPlayingTime(std::chrono::seconds(0));
    auto* clock = p.window.findChild<QLabel*>("lblTempo");
    QVERIFY(clock);
    QCOMPARE(clock->text(), QString("0:00:00"));
    // On bare table: nothing else happens that would show the time.
    const QPoint bare(p.table().width() - 40, p.table().height() - 10);
    QTest::mousePress(&p.table(), Qt::LeftButton, {}, bare);
    QCOMPARE(clock->text(), QString("0:01:05"));
    QTest::mouseRelease(&p.table(), Qt::LeftButton, {}, bare);
  }
};

QTEST_MAIN(TableScrollTest)
#include "table_scroll_test.moc"
