#include <QtTest>
#include <set>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "display/geometry/pile_geometry.h"
#include "table_test_support.h"
#include "winning_support.h"
#include "test_temp_dir.h"

namespace {

using kes::test::pileCentre;
using kes::test::topCardCentre;

// Turns the whole stock onto the waste; returns the waste, bottom card first.
std::vector<int> stockOntoWaste(kes::GameController& controller) {
  kes::GameState& g = controller.session().state();
  kes::Pile& stock = g.table.pile(kes::PileId::stock());
  while (!stock.empty()) {
    const int card = stock.top();
    stock.remove(card);
    g.table.appendCard(kes::PileId::waste(), card, true);
  }
  controller.table().tableChanged();
  const kes::Pile& waste = g.table.pile(kes::PileId::waste());
  std::vector<int> cards;
  for (int i = 0; i < waste.size(); ++i) cards.push_back(waste.cardAt(i));
  return cards;
}

// Lays a card on top of the first tableau pile by hand.
void putOnFirstPile(kes::GameController& controller, int card) {
  kes::test::moveCardOnto(controller, card, kes::PileId::tableau(0));
}

}  // namespace

class TableAnimationTest : public QObject {
  Q_OBJECT

 private:
  kes::TempDir data_;
  QStringList dialogs_;
  kes::DataDirs dirs() const { return kes::test::builtDataDirs(data_); }

  void open(kes::TfrmMain& window, kes::GameController& controller, kes::AnimationSettings settings) {
    kes::test::closeDialogsAtOnce(controller, dialogs_);
    controller.table().animation = settings;
    QVERIFY(kes::test::showTable(window, controller));
    controller.session().state().prefs.autoplay = false;
  }

  // The messages and the game-won dialogs (by caption) a game shows; the
  // hi-score table it may open is closed at once.
  static void collectMessages(kes::GameController& controller, QStringList& messages) {
    controller.setInformation([&messages](const QString& text) { messages << text; });
    controller.setDialogRunner([&messages](QDialog& dialog) {
      if (dialog.objectName() == QLatin1String("frmGameWon")) messages << dialog.windowTitle();
      return int(QDialog::Rejected);
    });
  }

  // A game one double-click from winning, with the messages it shows collected.
  void openOneMoveFromWinning(kes::TfrmMain& window, kes::GameController& controller, QStringList& messages,
                              kes::AnimationSettings settings) {
    open(window, controller, settings);
    collectMessages(controller, messages);
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::test::oneMoveFromWinning(controller);
  }

  static kes::AnimationSettings quick() {
    kes::AnimationSettings s;
    s.moveSpeed = 1;
    return s;
  }

  // Quick flights, the cards dealt at once.
  static kes::AnimationSettings quickWithoutDeal() {
    kes::AnimationSettings s = quick();
    s.dealAnimation = false;
    return s;
  }

 private slots:
  // A press during the deal ends it at once and then acts on the dealt table.
  void aPressDuringTheDealEndsItAndIsHandled() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    open(window, controller, quick());
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::TableWidget& table = controller.table();
    QVERIFY(table.animating());
    const kes::GameState& g = controller.session().state();
    const int top = g.table.pile(kes::PileId::tableau(0)).top();
    QTest::mousePress(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QVERIFY(!table.animating());
    QCOMPARE(g.drag.draggedCard, top);
    QTest::mouseRelease(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QCOMPARE(g.table.pile(kes::PileId::tableau(0)).top(), top);
  }

  // With autoplay on, the pass after a deal is seen: it flies once the
  // deal has landed, and the clock starts when the deal has been shown.
  void theAutoplayAfterADealFliesOnceTheDealHasLanded() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    controller.table().animation = quickWithoutDeal();
    QVERIFY(kes::test::showTable(window, controller));
    window.menuAction("mnuAutoPlay")->setChecked(true);
    kes::TableWidget& table = controller.table();
    const kes::GameState& g = controller.session().state();
    const auto cardsHome = [&g] {
      std::set<int> cards;
      for (int f = 0; f < g.foundationCount(); ++f) {
        const kes::Pile& home = g.table.pile(kes::PileId::foundation(f));
        for (int i = 0; i < home.size(); ++i) cards.insert(home.cardAt(i));
      }
      return cards;
    };
    // A FreeCell deal that leaves an ace on top of a column.
    std::string number;
    for (int n = 1; n <= 100 && number.empty(); ++n) {
      const std::string candidate = std::string(12 - std::to_string(n).size(), '0') + "0" + std::to_string(n);
      QVERIFY(controller.startGame(1, candidate));
      table.finishAnimation();
      if (!cardsHome().empty()) number = candidate;
    }
    QVERIFY(!number.empty());
    table.animation.dealAnimation = true;
    QSignalSpy landed(&table.animationQueue(), &kes::AnimationQueue::landed);
    QVERIFY(controller.startGame(1, number));
    const std::set<int> home = cardsHome();
    QVERIFY(!home.empty());
    QVERIFY(table.animating());
    QVERIFY(!controller.session().clock().running());
    QVERIFY(!window.isTiming());
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 30000);
    QVERIFY(controller.session().clock().running());
    QVERIFY(window.isTiming());
    // The 52 cards of the deal land first, then those autoplay sends home.
    QCOMPARE(landed.size(), 52 + static_cast<int>(home.size()));
    std::set<int> flownHome;
    for (int i = 52; i < landed.size(); ++i) flownHome.insert(landed.at(i).at(0).toInt());
    QCOMPARE(flownHome, home);
  }

  void aCardSentHomeFliesAndEndsOnTheFoundation() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quickWithoutDeal();
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
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 10000);
    QCOMPARE(g.table.pile(kes::PileId::foundation(0)).codes(), std::string("001"));
  }

  // Clicks are never lost: one queued while a card flies lands the card at
  // once and is then handled, as if the flight had been over.
  void aClickDuringAFlightIsHandled() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    open(window, controller, quickWithoutDeal());
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::TableWidget& table = controller.table();
    putOnFirstPile(controller, 2);
    putOnFirstPile(controller, 1);
    const kes::GameState& g = controller.session().state();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QVERIFY(table.animating());
    // The two, waiting on pile 1, follows the ace while it is in the air.
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QCOMPARE(g.table.pile(kes::PileId::foundation(0)).codes(), std::string("001002"));
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 10000);
    // A key too: an undo while the three flies home takes that move back.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    putOnFirstPile(controller, 3);
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QCOMPARE(g.table.pile(kes::PileId::foundation(0)).codes(), std::string("001002003"));
    QVERIFY(table.animating());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(g.table.pile(kes::PileId::foundation(0)).codes(), std::string("001002"));
    QCOMPARE(g.table.pile(kes::PileId::tableau(0)).top(), 3);
    table.finishAnimation();
  }

  // Klondike: a press on the stock while the waste flies back into it
  // turns the next card.
  void aStockPressDuringARedealIsHandled() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    open(window, controller, quickWithoutDeal());
    QVERIFY(controller.startGame(2, "0000000000001"));
    kes::TableWidget& table = controller.table();
    const std::vector<int> waste = stockOntoWaste(controller);
    const QPoint stock = pileCentre(table, kes::PileId::stock());
    QTest::mouseClick(&table, Qt::LeftButton, {}, stock);
    QVERIFY(table.animating());
    QTest::mouseClick(&table, Qt::LeftButton, {}, stock);
    const kes::GameState& g = controller.session().state();
    QCOMPARE(g.table.pile(kes::PileId::waste()).size(), 2);
    QCOMPARE(g.table.pile(kes::PileId::stock()).size(), 22);
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 20000);
  }

  // Spider: quick presses on the stock deal one row each, none is lost.
  void quickStockPressesInSpiderDealEveryRow() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    open(window, controller, quickWithoutDeal());
    QVERIFY(controller.startGame(4, "0000000000001"));
    kes::TableWidget& table = controller.table();
    const kes::GameState& g = controller.session().state();
    const int stockBefore = g.table.pile(kes::PileId::stock()).size();
    const QPoint stock = pileCentre(table, kes::PileId::stock());
    for (int press = 0; press < 3; ++press) QTest::mouseClick(&table, Qt::LeftButton, {}, stock);
    QCOMPARE(g.table.pile(kes::PileId::stock()).size(), stockBefore - 3 * g.tableauCount());
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 20000);
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
    kes::AnimationSettings settings = quickWithoutDeal();
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

  // The show begun when the moves before it end keeps the cards it threw
  // first: the end of the moves does not draw the table anew over them.
  void theWinningShowKeepsItsFirstCardsWhenTheMovesEnd() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quick();
    settings.dealAnimation = false;
    open(window, controller, settings);
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::TableWidget& table = controller.table();
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 20000);
    const QImage before = table.grab().toImage();
    table.pauseFor(20);
    table.whenIdle([&table] { table.playWinningAnimation(2); });
    QTRY_VERIFY(table.winningAnimationRunning());
    const QImage during = table.grab().toImage();
    // The first row's first cards, left of where the second batch starts.
    const QRect firstCards(0, 10, 150, 70);
    QVERIFY(during.copy(firstCards) != before.copy(firstCards));
    table.stopWinningAnimation();
  }

  // The turnover: the waste's cards fly to the stock one after the other,
  // the top card first, then the card turned from the new stock flies back.
  void aRedealIsShownCardByCard() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quickWithoutDeal();
    settings.moveSpeed = 0;
    open(window, controller, settings);
    QVERIFY(controller.startGame(2, "0000000000001"));
    kes::TableWidget& table = controller.table();
    const std::vector<int> waste = stockOntoWaste(controller);
    QCOMPARE(waste.size(), std::size_t{24});
    QSignalSpy landed(&table.animationQueue(), &kes::AnimationQueue::landed);
    const QPoint stock = pileCentre(table, kes::PileId::stock());
    QTest::mousePress(&table, Qt::LeftButton, {}, stock);
    QTest::mouseRelease(&table, Qt::LeftButton, {}, stock);
    QVERIFY(table.animating());
    QCOMPARE(table.animationQueue().flying()->card, waste.back());
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 20000);
    std::vector<int> flown;
    for (const QList<QVariant>& signal : landed) flown.push_back(signal.at(0).toInt());
    std::vector<int> expected(waste.rbegin(), waste.rend());
    expected.push_back(waste.front());  // the new stock's top card, turned
    QCOMPARE(flown, expected);
    const kes::Pile& turned = controller.session().state().table.pile(kes::PileId::waste());
    QCOMPARE(turned.size(), 1);
    QCOMPARE(turned.top(), waste.front());
  }

  void withoutRedealAnimationOnlyTheTurnedCardFlies() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quickWithoutDeal();
    settings.redealAnimation = false;
    settings.moveSpeed = 0;
    open(window, controller, settings);
    QVERIFY(controller.startGame(2, "0000000000001"));
    kes::TableWidget& table = controller.table();
    const std::vector<int> waste = stockOntoWaste(controller);
    QSignalSpy landed(&table.animationQueue(), &kes::AnimationQueue::landed);
    const QPoint stock = pileCentre(table, kes::PileId::stock());
    QTest::mousePress(&table, Qt::LeftButton, {}, stock);
    QTest::mouseRelease(&table, Qt::LeftButton, {}, stock);
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 20000);
    QCOMPARE(landed.count(), 1);
    QCOMPARE(landed.at(0).at(0).toInt(), waste.front());
    QCOMPARE(controller.session().state().table.pile(kes::PileId::stock()).size(), 23);
  }

  // Waiting cards of a turnover lie in the waste's order: the next to fly on top.
  void cardsWaitingInTheWasteKeepTheirOrder() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quickWithoutDeal();
    open(window, controller, settings);
    QVERIFY(controller.startGame(2, "0000000000001"));
    kes::TableWidget& table = controller.table();
    const std::vector<int> waste = stockOntoWaste(controller);
    const QPoint stock = pileCentre(table, kes::PileId::stock());
    QTest::mousePress(&table, Qt::LeftButton, {}, stock);
    QTest::mouseRelease(&table, Qt::LeftButton, {}, stock);
    const std::vector<const kes::CardFlight*> waiting = table.animationQueue().waiting();
    QVERIFY(waiting.size() >= 2);
    // Drawn last, on top: the card beneath the one in the air; first the
    // waste's bottom card.
    QCOMPARE(waiting.back()->card, waste[waste.size() - 2]);
    QCOMPARE(waiting.front()->card, waste.front());
    table.finishAnimation();
  }

  void aWonGameShowsTheMessageAfterTheWinningShow() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    QStringList messages;
    kes::AnimationSettings settings = quickWithoutDeal();
    openOneMoveFromWinning(window, controller, messages, settings);
    kes::TableWidget& table = controller.table();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QTRY_VERIFY_WITH_TIMEOUT(table.winningAnimationRunning(), 10000);
    QVERIFY(window.isWinningAnimationRunning());
    QVERIFY(messages.isEmpty());
    QTest::keyClick(&table, Qt::Key_Space);
    QVERIFY(!window.isWinningAnimationRunning());
    QTRY_COMPARE(messages, QStringList{QStringLiteral("Game won")});
  }

  void withoutTheWinningShowTheMessageFollowsAtOnce() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    QStringList messages;
    kes::AnimationSettings settings = quickWithoutDeal();
    settings.cardsAnimate = false;
    settings.winningAnimation = false;
    openOneMoveFromWinning(window, controller, messages, settings);
    kes::TableWidget& table = controller.table();
    QSignalSpy shows(&table, &kes::TableWidget::winningAnimationEnded);
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    // Only the short breath after the last card comes before it.
    QTRY_COMPARE_WITH_TIMEOUT(messages, QStringList{QStringLiteral("Game won")}, 5000);
    QVERIFY(!table.winningAnimationRunning());
    QCOMPARE(shows.count(), 0);
  }

  void aCloseAskedForDuringTheShowHappensInsteadOfTheMessage() {
    kes::TfrmMain window;
    window.setQuestion([](const QString&) { return true; });
    kes::GameController controller(window, dirs());
    QStringList messages;
    kes::AnimationSettings settings = quickWithoutDeal();
    openOneMoveFromWinning(window, controller, messages, settings);
    kes::TableWidget& table = controller.table();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QTRY_VERIFY_WITH_TIMEOUT(table.winningAnimationRunning(), 10000);
    // The close request ends the show at once; the window closes after it.
    window.close();
    QVERIFY(!table.winningAnimationRunning());
    QTRY_VERIFY(!window.isVisible());
    QTest::qWait(50);
    QVERIFY(messages.isEmpty());
  }

  // Any key or press in the application ends the show, and does nothing else:
  // a press on the menu bar opens no menu, a shortcut runs no command.
  void aPressAnywhereStopsTheShowAndNothingElse() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    QStringList messages;
    openOneMoveFromWinning(window, controller, messages, quickWithoutDeal());
    kes::TableWidget& table = controller.table();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QTRY_VERIFY_WITH_TIMEOUT(table.winningAnimationRunning(), 10000);
    QWidget* menuBar = window.menuWidget();
    QVERIFY(menuBar);
    QTest::mouseClick(menuBar, Qt::LeftButton, {}, QPoint(10, menuBar->height() / 2));
    QVERIFY(!table.winningAnimationRunning());
    QVERIFY(!QApplication::activePopupWidget());
    QTRY_COMPARE(messages.size(), 1);

    // A click during the last flights of a won game only hurries them: the show follows.
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::test::oneMoveFromWinning(controller);
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QVERIFY(table.animating());
    QTest::mouseClick(&table, Qt::LeftButton, {}, topCardCentre(table, 3));
    QVERIFY(table.winningAnimationRunning());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const std::string deal = controller.dealNumber();
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(!table.winningAnimationRunning());
    QCOMPARE(controller.dealNumber(), deal);
    QTRY_COMPARE(messages.size(), 2);
  }

  // With the preferences a first run reads, a won game is celebrated.
  void aWonGameIsCelebratedWithTheDefaultPreferences() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    QStringList messages;
    collectMessages(controller, messages);
    QVERIFY(kes::test::showTable(window, controller));
    QVERIFY(controller.startGame(1, "0000000000001"));
    kes::TableWidget& table = controller.table();
    QTRY_VERIFY_WITH_TIMEOUT(!table.animating(), 20000);
    kes::test::oneMoveFromWinning(controller);
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QTRY_VERIFY_WITH_TIMEOUT(table.winningAnimationRunning(), 10000);
    QVERIFY(messages.isEmpty());
    table.stopWinningAnimation();
    QTRY_COMPARE(messages.size(), 1);
  }

  void aNewDealBeforeTheLastCardLandsCancelsTheShowAndTheMessage() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    QStringList messages;
    kes::AnimationSettings settings = quickWithoutDeal();
    openOneMoveFromWinning(window, controller, messages, settings);
    kes::TableWidget& table = controller.table();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QVERIFY(table.animating());
    controller.newGame();
    QVERIFY(controller.session().state().inProgress);
    QVERIFY(!table.winningAnimationRunning());
    QTest::qWait(300);
    QVERIFY(!table.winningAnimationRunning());
    QVERIFY(messages.isEmpty());
  }

  void theWinningShowCanBeSwitchedOff() {
    kes::TfrmMain window;
    kes::GameController controller(window, dirs());
    kes::AnimationSettings settings = quickWithoutDeal();
    settings.winningAnimation = false;
    open(window, controller, settings);
    QVERIFY(controller.startGame(1, "0000000000001"));
    controller.table().playWinningAnimation(1);
    QVERIFY(!controller.table().winningAnimationRunning());
  }
};

QTEST_MAIN(TableAnimationTest)
#include "table_animation_test.moc"
