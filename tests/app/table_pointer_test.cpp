// The mouse on the table: how a card comes up when it is lifted, what the
// second press of a double click does, and the refusals that only beep.
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "display/geometry/pile_geometry.h"
#include "table_test_support.h"

namespace {

constexpr int kFreeCell = 1;
constexpr int kPyramid = 13;

// A pile's top-left corner on the table widget.
QPoint topCardCorner(kes::TableWidget& table, int pile) {
  const kes::TableView view = table.view();
  const kes::PileId id = kes::PileId::tableau(pile);
  return {kes::cardLeft(view, id, 0, false), kes::cardTop(view, id, 0, false)};
}

// Press, release, double click, release: what the window system delivers
// for a quick double click.
void doubleClick(QWidget* widget, QPoint at) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

}  // namespace

class TablePointerTest : public QObject {
  Q_OBJECT

 private slots:
  void aLiftedCardComesUpByTheShadowLessTwo_data() {
    QTest::addColumn<int>("shadowSize");
    QTest::addColumn<int>("raise");
    QTest::newRow("shadows on") << 9 << 7;
    QTest::newRow("shadows off") << 0 << 0;
  }

  void aLiftedCardComesUpByTheShadowLessTwo() {
    QFETCH(int, shadowSize);
    QFETCH(int, raise);
    kes::test::ShownGame game;
    game.controller.table().animation.shadowSize = shadowSize;
    QVERIFY(game.deal(kFreeCell));
    kes::TableWidget& table = game.controller.table();
    const QPoint corner = topCardCorner(table, 0);
    const QPoint grab = corner + QPoint(20, 30);
    QTest::mousePress(&table, Qt::LeftButton, {}, grab);
    QVERIFY(table.holding());
    QCOMPARE(table.heldCorner(), corner - QPoint(raise, raise));
    // The pointer keeps its hold on the raised card while it is dragged.
    QTest::mouseMove(&table, grab + QPoint(25, 40));
    QTest::mouseMove(&table, grab + QPoint(50, 80));
    QCOMPARE(table.heldCorner(), corner - QPoint(raise, raise) + QPoint(50, 80));
    QTest::mouseRelease(&table, Qt::LeftButton, {}, grab + QPoint(50, 80));
  }

  void aQuickDoubleClickOnAPairingCardKeepsItSelected() {
    kes::test::ShownGame game;
    QVERIFY(game.deal(kPyramid));
    kes::TableWidget& table = game.controller.table();
    const kes::GameState& g = game.controller.session().state();
    const kes::Pile& selection = g.table.pile(kes::PileId::foundation(0));
    // A free card that is no King: one click selects it, another unselects it.
    int pile = -1;
    for (int t = 0; t < g.tableauCount() && pile < 0; ++t) {
      const int card = g.table.pile(kes::PileId::tableau(t)).top();
      if (card < 1 || (card - 1) % 13 == 12) continue;
      QTest::mouseClick(&table, Qt::LeftButton, {}, kes::test::topCardCentre(table, t));
      if (selection.contains(card)) pile = t;
      QTest::mouseClick(&table, Qt::LeftButton, {}, kes::test::topCardCentre(table, t));
      QVERIFY(selection.empty());
    }
    QVERIFY(pile >= 0);
    const int card = g.table.pile(kes::PileId::tableau(pile)).top();
    doubleClick(&table, kes::test::topCardCentre(table, pile));
    QVERIFY(selection.contains(card));
    QCOMPARE(g.table.pile(kes::PileId::tableau(pile)).top(), card);
  }

  void otherButtonsOnTheBareTableBeep() {
    kes::test::ShownGame game;
    QVERIFY(game.deal(kFreeCell));
    kes::TableWidget& table = game.controller.table();
    int beeps = 0;
    table.beep = [&beeps] { ++beeps; };
    const QPoint bare(table.width() - 30, table.height() - 10);
    QTest::mouseClick(&table, Qt::LeftButton, {}, bare);
    QCOMPARE(beeps, 0);
    QTest::mouseClick(&table, Qt::RightButton, {}, bare);
    QCOMPARE(beeps, 1);
    QTest::mouseClick(&table, Qt::MiddleButton, {}, bare);
    QCOMPARE(beeps, 2);
  }

  void theBusyPointerShowsWhileTheDealFlies() {
    kes::test::ShownGame game;
    QVERIFY(kes::test::showTable(game.window, game.controller));
    game.controller.session().state().prefs.autoplay = false;
    kes::TableWidget& table = game.controller.table();
    table.animation.moveSpeed = 1;
    QVERIFY(game.controller.startGame(kFreeCell, "0000000000001"));
    QVERIFY(table.animating());
    QCOMPARE(table.cursor().shape(), Qt::WaitCursor);
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 20000);
    QVERIFY(table.cursor().shape() != Qt::WaitCursor);
  }
};

QTEST_MAIN(TablePointerTest)
#include "table_pointer_test.moc"
