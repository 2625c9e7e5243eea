// The window's commands follow the game: what a game allows, whether one is
// in progress, and what its history holds; the clock's tick changes none.
#include <QToolButton>
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "datafiles/config_field.h"
#include "table_test_support.h"
#include "winning_support.h"

namespace {

constexpr int kFreeCell = 1;
constexpr int kSpider = 4;  // allows no autoplay
const char* const kDealOne = "0000000000001";

}  // namespace

class GameCommandsTest : public QObject {
  Q_OBJECT

 private:
  // A shown window over the built data; the deal is not animated and
  // nothing plays by itself.
  struct Fixture : kes::test::ControllerWithSettings {
    Fixture() {
      app.dirs = kes::test::builtDataDirs(data);
      app.window.autoPlay = false;
      app.config.put(kes::Field::DealAnimation, "N");
      app.config.put(kes::Field::UseDefaultBackground, "Y");
      makeController();
      controller->setQuestion([](const QString&) { return true; });
      controller->setDisplayWidth([] { return 1024; });
    }
    [[nodiscard]] bool start(int game) {
      return kes::test::showTable(window, *controller) && controller->startGame(game, kDealOne);
    }
    bool enabled(const char* item) const { return window.menuAction(item)->isEnabled(); }
    bool buttonEnabled(const char* name) const { return window.findChild<QToolButton*>(name)->isEnabled(); }
    // A move the player makes: the first tableau pile's top card goes home
    // or to a free cell.
    void playOneMove() {
      kes::GameState& g = controller->session().state();
      QVERIFY(controller->session().doubleClick(g.table.pile(kes::PileId::tableau(0)).top()));
      controller->table().tableChanged();
    }
  };

 private slots:
  // Before the first deal nothing needs a game in progress: the window
  // does not offer what the menu was built with.
  void aNewWindowOffersNoCommandOfAGameInProgress() {
    Fixture f;
    for (const char* item : {"mnuUndo", "mnuRedo", "mnuPause", "mnuQuitGame", "mnuAutoPlay"})
      QVERIFY2(!f.enabled(item), item);
    for (const char* button : {"tbUndo", "tbRedo", "tbAutoPlay"}) QVERIFY2(!f.buttonEnabled(button), button);
  }

  void autoplayIsOfferedOnlyByGamesThatAllowIt() {
    Fixture f;
    QVERIFY(f.start(kSpider));
    QVERIFY(!f.enabled("mnuAutoPlay"));
    QVERIFY(!f.buttonEnabled("tbAutoPlay"));
    QVERIFY(!f.buttonEnabled("tbAutoPlay1"));
    // The clock ticks while the game is timed: nothing is enabled again.
    QVERIFY(f.window.isTiming());
    QTest::qWait(1200);
    QVERIFY(!f.enabled("mnuAutoPlay"));
    f.controller->table().tableChanged();
    QVERIFY(!f.enabled("mnuAutoPlay"));
    QVERIFY(f.enabled("mnuNew"));
    QVERIFY(f.controller->startChosenGame(kFreeCell, f.app.config.get(kes::Field::PlayerName), false));
    QVERIFY(f.enabled("mnuAutoPlay"));
    QVERIFY(f.buttonEnabled("tbAutoPlay1"));
  }

  void undoAndRedoFollowTheHistory() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    QVERIFY(!f.enabled("mnuUndo"));  // a fresh deal has nothing to undo
    QVERIFY(!f.buttonEnabled("tbUndo1"));
    QVERIFY(!f.enabled("mnuRedo"));
    f.playOneMove();
    QVERIFY(f.enabled("mnuUndo"));
    QVERIFY(f.buttonEnabled("tbUndo"));
    QVERIFY(!f.enabled("mnuRedo"));
    f.controller->undo();
    QVERIFY(!f.enabled("mnuUndo"));
    QVERIFY(f.enabled("mnuRedo"));
    QVERIFY(f.buttonEnabled("tbRedo1"));
    f.controller->redo();
    QVERIFY(f.enabled("mnuUndo"));
    QVERIFY(!f.enabled("mnuRedo"));
    // One-step undo: a second undo in a row is not offered.
    f.controller->session().state().prefs.undoMode = kes::UndoMode::OneStep;
    f.controller->undo();
    QVERIFY(!f.enabled("mnuUndo"));
    QVERIFY(f.enabled("mnuRedo"));
  }

  void aWonGameOffersNothingThatNeedsAGameInProgress() {
    Fixture f;
    f.app.config.put(kes::Field::WinningAnimation, "N");
    f.controller->applyAnimationPreferences();
    f.controller->setInformation([](const QString&) {});
    QVERIFY(f.start(kFreeCell));
    QVERIFY(f.enabled("mnuPause"));
    QVERIFY(f.enabled("mnuQuitGame"));
    f.playOneMove();
    kes::test::oneMoveFromWinning(*f.controller);
    QVERIFY(f.controller->session().doubleClick(52));
    f.controller->table().tableChanged();
    // Every card is home: the game is over.
    QCOMPARE(f.controller->session().state().table.pile(kes::PileId::foundation(3)).size(), 13);
    QVERIFY(!f.controller->session().state().inProgress);
    QTRY_VERIFY(!f.controller->table().animating());
    for (const char* item : {"mnuUndo", "mnuRedo", "mnuPause", "mnuQuitGame"}) QVERIFY2(!f.enabled(item), item);
    for (const char* button : {"tbUndo", "tbRedo1"}) QVERIFY2(!f.buttonEnabled(button), button);
    // The next game is a command away.
    QVERIFY(f.enabled("mnuNew"));
    QVERIFY(f.enabled("mnuRestartGame"));
    f.controller->newGame();
    QVERIFY(f.enabled("mnuPause"));
    QVERIFY(f.enabled("mnuQuitGame"));
  }

  void quittingLeavesAnEmptyTable() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    const QImage dealt = f.controller->table().grab().toImage();
    f.controller->quitGame();
    for (const char* item : {"mnuPause", "mnuQuitGame", "mnuUndo", "mnuRedo"}) QVERIFY2(!f.enabled(item), item);
    // The quit game is still the current one, to be dealt anew.
    QVERIFY(f.enabled("mnuNew"));
    const QImage empty = f.controller->table().grab().toImage();
    QVERIFY(empty != dealt);
    // Background alone: the default green everywhere.
    const QRgb green = qRgb(0, 96, 0);
    for (int y = 0; y < empty.height(); y += 7)
      for (int x = 0; x < empty.width(); x += 7) QCOMPARE(empty.pixel(x, y), green);
    // The next game shows its cards again.
    QVERIFY(f.controller->startChosenGame(kFreeCell, f.app.config.get(kes::Field::PlayerName), false));
    QVERIFY(f.controller->table().grab().toImage() != empty);
    QVERIFY(f.enabled("mnuQuitGame"));
  }
};

QTEST_MAIN(GameCommandsTest)
#include "game_commands_test.moc"
