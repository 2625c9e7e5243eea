// "&Demo" (Ctrl+D) in the window, on the demo files the build made: the
// demo is watched, never played or recorded.

#include <QAction>
#include <QPushButton>
#include <QtTest>

#include "app/demo_playback.h"
#include "app/window/demo_bar.h"
#include "datafiles/config_field.h"
#include "datafiles/file_text.h"
#include "datafiles/statistics_files.h"
#include "engine/game_end.h"
#include "table_test_support.h"

namespace kes::test {

namespace {

constexpr int kFreeCell = 1;

// The shown game with the controller's messages collected, not shown, and
// the question to give up the game answered yes unless a test says no.
struct DemoGame : ShownGame {
  QStringList told;
  DemoGame() {
    controller.setInformation([this](const QString& text) { told << text; });
    controller.setQuestion([](const QString&) { return true; });
  }
};

bool logWritten(GameController& controller) { return readFileBytes(controller.statisticsFiles().log()).has_value(); }

}  // namespace

class DemoModeTest : public QObject {
  Q_OBJECT

 private slots:
  void ctrlDShowsTheDemoOfTheCurrentGameFromItsDeal() {
    DemoGame f;
    QVERIFY(f.deal(kFreeCell));
    const std::string player = f.controller.config().get(Field::PlayerName);
    QAction* demo = f.window.menuAction("mnuDemo");
    QVERIFY(std::filesystem::exists(f.controller.demoFile()));
    QTest::keyClick(&f.window, Qt::Key_D, Qt::ControlModifier);
    QVERIFY2(f.controller.demo().active(), qPrintable(f.told.join('|')));
    QVERIFY(demo->isChecked());
    QVERIFY(f.window.demoBar()->isVisible());
    QVERIFY(f.controller.background().demoPlaying);
    const int n = f.controller.demo().count();
    QVERIFY(n > 1);
    QCOMPARE(f.window.demoBar()->counterText(), QStringLiteral("1/%1").arg(n));
    QCOMPARE(f.controller.session().state().history.undo.size(), 0);
    QCOMPARE(f.controller.config().get(Field::PlayerName), player);
    // Nothing is played during a demo: undo and the game's own commands rest.
    QVERIFY(!f.window.menuAction("mnuUndo")->isEnabled());
    QVERIFY(!f.window.menuAction("mnuRestartGame")->isEnabled());
    QVERIFY(!f.controller.session().clock().running());

    QTest::keyClick(&f.window, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!f.controller.demo().active());
    QVERIFY(!demo->isChecked());
    QVERIFY(!f.window.demoBar()->isVisible());
    QVERIFY(!f.controller.background().demoPlaying);
    QVERIFY(!f.controller.session().state().inProgress);
    QVERIFY(!logWritten(f.controller));
  }

  void aClickOnTheTableBeepsAndMovesNothing() {
    DemoGame f;
    QVERIFY(f.deal(kFreeCell));
    f.controller.toggleDemo();
    QVERIFY2(f.controller.demo().active(), qPrintable(f.told.join('|')));
    int beeps = 0;
    f.controller.table().beep = [&beeps] { ++beeps; };
    const Snapshot before = takeSnapshot(f.controller.session().state().table);
    const QPoint card = topCardCentre(f.controller.table(), 0);
    QTest::mousePress(&f.controller.table(), Qt::LeftButton, {}, card);
    QTest::mouseRelease(&f.controller.table(), Qt::LeftButton, {}, card + QPoint(0, 200));
    QTest::mouseDClick(&f.controller.table(), Qt::LeftButton, {}, card);
    QVERIFY(beeps >= 2);
    QVERIFY(takeSnapshot(f.controller.session().state().table) == before);
    QCOMPARE(f.controller.demo().position(), 1);
  }

  void newGameDuringADemoLeavesItWithoutARecord() {
    DemoGame f;
    QVERIFY(f.deal(kFreeCell));
    f.controller.toggleDemo();
    f.controller.demo().goTo(5);
    bool asked = false;
    f.controller.setQuestion([&asked](const QString&) { return asked = true; });
    f.window.menuAction("mnuNew")->trigger();  // F2
    QVERIFY(!asked);
    QVERIFY(!f.controller.demo().active());
    QVERIFY(!f.window.demoBar()->isVisible());
    QVERIFY(f.controller.session().state().inProgress);
    QVERIFY(!logWritten(f.controller));
  }

  // Showing the bar lays the window out in the middle of the bar's own
  // show: the table must still be placed under it, as under the toolbar.
  void theTableLiesUnderTheDemoBarAsUnderTheToolbar() {
    DemoGame f;
    QVERIFY(f.deal(kFreeCell));
    const auto firstPileTop = [&f] {
      const TableView view = f.controller.table().view();
      return cardTop(view, PileId::tableau(0), 0, false);
    };
    const int withToolbar = firstPileTop();
    QTest::keyClick(&f.window, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(f.controller.demo().active());
    QCOMPARE(firstPileTop(), withToolbar);
    QTest::keyClick(&f.window, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(firstPileTop(), withToolbar);
  }

  void theLastPositionShowsTheWinAndClosingThenRecordsNothing() {
    DemoGame f;
    QVERIFY(f.deal(kFreeCell));
    f.controller.toggleDemo();
    f.controller.demo().goTo(f.controller.demo().count());
    // The demo ends on its winning move, shown, not celebrated.
    QVERIFY(checkGameWon(f.controller.session().state()));
    QVERIFY(f.told.isEmpty());
    f.controller.shutDown();
    QVERIFY(!f.controller.demo().active());
    QVERIFY(!logWritten(f.controller));
  }

  void decliningToGiveUpTheGameLeavesEverythingAsItWas() {
    DemoGame f;
    QVERIFY(f.deal(kFreeCell));
    f.controller.setQuestion([](const QString&) { return false; });
    const Snapshot before = takeSnapshot(f.controller.session().state().table);
    f.window.menuAction("mnuDemo")->trigger();
    QVERIFY(!f.controller.demo().active());
    QVERIFY(!f.window.menuAction("mnuDemo")->isChecked());
    QVERIFY(f.controller.session().state().inProgress);
    QVERIFY(takeSnapshot(f.controller.session().state().table) == before);
  }

  void noGameNoDemo() {
    DemoGame f;
    QVERIFY(f.deal(kFreeCell));
    f.controller.closeCurrentGame();
    QTest::keyClick(&f.window, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!f.controller.demo().active());
  }
};

}  // namespace kes::test

QTEST_MAIN(kes::test::DemoModeTest)
#include "demo_mode_test.moc"
