#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "display/geometry/pile_geometry.h"
#include "test_temp_dir.h"

namespace {

// The centre of the top card of a tableau pile, on the table widget.
QPoint topCardCentre(kes::TableWidget& table, int pile) {
  const kes::TableView view = table.view();
  const kes::PileId id = kes::PileId::tableau(pile);
  return {kes::cardLeft(view, id, 0, false) + view.width() / 2, kes::cardTop(view, id, 0, false) + view.height() / 2};
}

// Lays a card on top of the first tableau pile by hand.
void putOnFirstPile(kes::GameController& controller, int card) {
  kes::GameState& g = controller.session().state();
  const auto at = g.locateCard(card);
  QVERIFY(at);
  g.table.pile(*at).remove(card);
  g.table.pile(kes::PileId::tableau(0)).append(card);
  controller.table().tableChanged();
}

}  // namespace

class TableAnimationTest : public QObject {
  Q_OBJECT

 private:
  kes::TempDir data_;
  kes::DataDirs dirs() const { return {qEnvironmentVariable("KESTROVA_TEST_DATA").toStdString(), data_.path()}; }

  void open(kes::TfrmMain& window, kes::GameController& controller, kes::AnimationSettings settings) {
    QVERIFY2(controller.ready(), qPrintable(controller.error()));
    controller.table().animation = settings;
    window.resize(1024, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    controller.session().state().prefs.autoplay = false;
  }

  static kes::AnimationSettings quick() {
    kes::AnimationSettings s;
    s.moveSpeed = 1;
    return s;
  }

 private slots:
  void theDealFliesAndIgnoresTheMouseMeanwhile() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    open(window, controller, quick());
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::TableWidget& table = controller.table();
    QVERIFY(table.animating());
    const kes::GameState& g = controller.session().state();
    const std::string before = g.table.pile(kes::PileId::tableau(0)).codes();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QTest::mousePress(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QTest::mouseRelease(&table, Qt::LeftButton, {}, topCardCentre(table, 3));
    QCOMPARE(g.table.pile(kes::PileId::tableau(0)).codes(), before);
    QVERIFY(g.history.undo.empty());
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 20000);
  }

  void aCardSentHomeFliesAndEndsOnTheFoundation() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quick();
    settings.dealAnimation = false;
    open(window, controller, settings);
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::TableWidget& table = controller.table();
    QVERIFY(!table.animating());
    // The ace of hearts on top of pile 1, the two beneath it.
    putOnFirstPile(controller, 2);
    putOnFirstPile(controller, 1);
    const kes::GameState& g = controller.session().state();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QCOMPARE(g.table.pile(kes::PileId::foundation(0)).codes(), std::string("001"));
    QVERIFY(table.animating());
    // The two waits on pile 1; a double-click on it while the ace flies is ignored.
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QCOMPARE(g.table.pile(kes::PileId::foundation(0)).codes(), std::string("001"));
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 10000);
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QCOMPARE(g.table.pile(kes::PileId::foundation(0)).codes(), std::string("001002"));
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 10000);
  }

  void withoutAnimationMovesShowAtOnce() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings;
    settings.cardsAnimate = false;
    settings.dealAnimation = false;
    open(window, controller, settings);
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::TableWidget& table = controller.table();
    QVERIFY(!table.animating());
    putOnFirstPile(controller, 1);
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QVERIFY(!table.animating());
    QCOMPARE(controller.session().state().table.pile(kes::PileId::foundation(0)).codes(), std::string("001"));
  }

  void aKeyOrAClickStopsTheWinningShow() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quick();
    settings.dealAnimation = false;
    open(window, controller, settings);
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::TableWidget& table = controller.table();
    table.playWinningAnimation(1);
    QVERIFY(table.winningAnimationRunning());
    QTest::keyClick(&table, Qt::Key_Space);
    QVERIFY(!table.winningAnimationRunning());

    table.playWinningAnimation(2);
    QVERIFY(table.winningAnimationRunning());
    const kes::GameState& g = controller.session().state();
    const std::string before = g.table.pile(kes::PileId::tableau(0)).codes();
    QTest::mousePress(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QVERIFY(!table.winningAnimationRunning());
    QTest::mouseMove(&table, topCardCentre(table, 3));
    QTest::mouseRelease(&table, Qt::LeftButton, {}, topCardCentre(table, 3));
    QCOMPARE(g.table.pile(kes::PileId::tableau(0)).codes(), before);
    QVERIFY(g.history.undo.empty());
  }

  void theWinningShowCanBeSwitchedOff() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quick();
    settings.dealAnimation = false;
    settings.winningAnimation = false;
    open(window, controller, settings);
    QVERIFY(controller.startGame(1, "0000000000001"));
    controller.table().playWinningAnimation(1);
    QVERIFY(!controller.table().winningAnimationRunning());
  }
};

QTEST_MAIN(TableAnimationTest)
#include "table_animation_test.moc"
