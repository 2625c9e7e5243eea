#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "display/geometry/pile_geometry.h"
#include "display/table/family_indicator_painter.h"
#include "table_test_support.h"
#include "test_temp_dir.h"

namespace {

constexpr int kPokerSquare = 15;
constexpr int kCalculation = 16;

using kes::test::pileCentre;

// The first row of the grid holds the two to five of hearts in its first
// four cells, and the six of hearts waits on the waste.
void fourOfAStraightFlush(kes::GameController& controller) {
  kes::GameState& g = controller.session().state();
  for (int cell = 0; cell < 4; ++cell) {
    QVERIFY(kes::test::takeCard(g, 2 + cell));
    g.table.appendCard(kes::PileId::tableau(cell), 2 + cell, true);
  }
  QVERIFY(kes::test::takeCard(g, 6));
  g.table.appendCard(kes::PileId::waste(), 6, true);
  controller.table().tableChanged();
}

// The six of hearts dragged from the waste into the fifth cell of the row.
void placeTheSix(kes::TableWidget& table) {
  const QPoint from = pileCentre(table, kes::PileId::waste());
  const QPoint to = pileCentre(table, kes::PileId::tableau(4));
  QTest::mousePress(&table, Qt::LeftButton, {}, from);
  QTest::mouseMove(&table, (from + to) / 2);
  QTest::mouseMove(&table, to);
  QTest::mouseRelease(&table, Qt::LeftButton, {}, to);
}

bool rowMarked(const kes::TableWidget& table, bool marked) {
  for (int cell = 0; cell < 25; ++cell)
    if (table.information().isMarked(kes::PileId::tableau(cell)) != (marked && cell < 5)) return false;
  return true;
}

}  // namespace

class TableInformationTest : public QObject {
  Q_OBJECT

 private:
  kes::TempDir data_;
  QStringList dialogs_;
  kes::DataDirs dirs() const { return kes::test::builtDataDirs(data_); }

  // A hand given up with its points may enter the hi-scores: their table
  // is closed at once.
  void open(kes::TfrmMain& window, kes::GameController& controller, bool cardsAnimate) {
    kes::test::closeDialogsAtOnce(controller, dialogs_);
    kes::AnimationSettings settings;
    settings.dealAnimation = false;
    settings.cardsAnimate = cardsAnimate;
    settings.moveSpeed = 0;
    controller.table().animation = settings;
    QVERIFY(kes::test::showTable(window, controller));
  }

  // A poker grid whose first row waits for the six of hearts, dragged there.
  void openWithTheSixPlaced(kes::TfrmMain& window, kes::GameController& controller, bool cardsAnimate) {
    open(window, controller, cardsAnimate);
    QVERIFY(controller.startGame(kPokerSquare, "0000000000001"));
    fourOfAStraightFlush(controller);
    placeTheSix(controller.table());
  }

 private slots:
  void aCompletedHandIsAnnouncedWithItsCellsMarkedDuringThePause() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    open(window, controller, false);
    QVERIFY(controller.startGame(kPokerSquare, "0000000000001"));
    kes::TableWidget& table = controller.table();
    fourOfAStraightFlush(controller);
    const QRect panel = kes::informationArea(table.view(), table.width(), 3);
    QVERIFY(!panel.isEmpty());
    const QPoint inPanel = panel.topLeft() + QPoint(3, 3);
    const kes::PileId lastCell = kes::PileId::tableau(4);
    const QPoint markEdge(kes::pileOriginX(table.view(), lastCell) - 1, pileCentre(table, lastCell).y());
    const QImage before = table.grab().toImage();

    placeTheSix(table);
    QCOMPARE(controller.session().state().table.pile(kes::PileId::tableau(4)).top(), 6);
    // The pause after the hand: its name, its points and the total shown,
    // the row marked.
    QVERIFY(table.animating());
    QCOMPARE(table.information().text(), QStringLiteral("Straight Flush\n75 points\nTotal: 75 points"));
    QVERIFY(rowMarked(table, true));
    const QImage shown = table.grab().toImage();
    QVERIFY(shown.pixelColor(inPanel) != before.pixelColor(inPanel));
    QVERIFY(shown.pixelColor(markEdge) != before.pixelColor(markEdge));

    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 5000);
    QCOMPARE(table.information().text(), QStringLiteral("Total: 75 points"));
    QVERIFY(rowMarked(table, false));
    const QImage after = table.grab().toImage();
    QCOMPARE(after.pixelColor(markEdge), before.pixelColor(markEdge));
    QVERIFY(after.pixelColor(inPanel) != before.pixelColor(inPanel));
    QCOMPARE(controller.session().state().score, 75);
  }

  void theHandIsAnnouncedOnlyOnceTheCardHasLanded() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    openWithTheSixPlaced(window, controller, true);
    kes::TableWidget& table = controller.table();
    QVERIFY(table.animationQueue().flying());
    QVERIFY(table.information().text().isEmpty());
    QVERIFY(rowMarked(table, false));
    QTRY_VERIFY_WITH_TIMEOUT(!table.animationQueue().flying() && table.information().anyMarked(), 5000);
    QCOMPARE(table.information().text(), QStringLiteral("Straight Flush\n75 points\nTotal: 75 points"));
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 5000);
    QCOMPARE(table.information().text(), QStringLiteral("Total: 75 points"));
  }

  void aNewDealClearsTheInformation() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    openWithTheSixPlaced(window, controller, false);
    kes::TableWidget& table = controller.table();
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 5000);
    QVERIFY(!table.information().text().isEmpty());
    controller.setQuestion([](const QString&) { return true; });
    controller.restartGame();
    QVERIFY(table.information().text().isEmpty());
  }

  // Calculation shows under each foundation the rank it needs next; another
  // game leaves that spot to the table.
  void theCountingFamilyShowsTheNextRankUnderItsFoundations() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    open(window, controller, false);
    QVERIFY(controller.startGame(kCalculation, "0000000000001"));
    kes::TableWidget& table = controller.table();
    const QRect box = kes::countingBox(table.view(), 0);
    QVERIFY(!box.isEmpty());
    const QPoint inBox(box.left() + 3, box.center().y());
    const QImage shown = table.grab().toImage();
    QVERIFY(shown.pixelColor(inBox).lightness() > 200);
    // The box lies between the foundation and the pile below it.
    const kes::TableView view = table.view();
    QVERIFY(box.center().y() > kes::pileOriginY(view, kes::PileId::foundation(0)) + view.height());
    QVERIFY(box.center().y() < kes::pileOriginY(view, kes::PileId::tableau(0)));

    QVERIFY(controller.startGame(2, "0000000000001"));
    QVERIFY(table.grab().toImage().pixelColor(kes::countingBox(table.view(), 0).topLeft() + QPoint(3, 3)).lightness() < 200);
  }
};

QTEST_MAIN(TableInformationTest)
#include "table_information_test.moc"
