// The end of a game as the player sees it: a new hi-score is announced
// once the last card has landed and before the winning show, the game-won
// dialog follows with the player's totals, and F9 shows the tables.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "app/game_controller.h"
#include "app/game_selection.h"
#include "app/main_window.h"
#include "app/select_game_number.h"
#include "datafiles/config_field.h"
#include "datafiles/file_text.h"
#include "datafiles/statistics_files.h"
#include "stats/frm_game_won.h"
#include "stats/frm_hi_score.h"
#include "table_test_support.h"
#include "winning_support.h"

namespace {

constexpr int kFreeCell = 1;
const char* const kDealOne = "0000000000001";

// What a dialog showed when it opened.
struct Shown {
  QString dialog;
  QString caption;
  int markedRow = -1;
  QStringList firstRows;  // the player of places 1 and 2
  bool winningShowRunning = false;
  QString won;            // the game-won dialog's count of games won
};

QString cellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

Shown whatIsShown(QDialog& dialog, kes::GameController& controller) {
  Shown shown{dialog.objectName(), dialog.windowTitle()};
  shown.winningShowRunning = controller.table().winningAnimationRunning();
  if (auto* scores = dynamic_cast<kes::TfrmHiScore*>(&dialog)) {
    shown.markedRow = scores->grid()->currentRow();
    shown.firstRows << cellText(scores->grid(), 1, 1) << cellText(scores->grid(), 2, 1);
  }
  if (auto* won = dialog.findChild<QLabel*>("lblWon")) shown.won = won->text();
  return shown;
}

}  // namespace

class GameEndDialogsTest : public QObject {
  Q_OBJECT

 private:
  // A shown window over the built data with quick flights and the winning
  // show on; "Ann" plays; every dialog is noted and closed.
  struct Fixture : kes::test::ControllerWithSettings {
    std::vector<Shown> shown;
    std::function<int(QDialog&)> answer;  // how a dialog is closed; Cancel when none
    Fixture() {
      app.dirs = kes::test::builtDataDirs(data);
      app.window.autoPlay = false;
      app.config.put(kes::Field::DealAnimation, "N");
      app.config.put(kes::Field::UseDefaultBackground, "Y");
      app.config.put(kes::Field::WinningAnimation, "Y");
      app.config.put(kes::Field::ConfirmEnterHiScores, "Y");
      app.config.put(kes::Field::MoveSpeed, "1");
      app.config.put(kes::Field::PlayerName, "Ann");
      app.config.put(kes::Field::ScoringSystem, "01");
      makeController();
      controller->applyAnimationPreferences();
      controller->table().animation.moveSpeed = 1;
      controller->setQuestion([](const QString&) { return true; });
      controller->setYesNoQuestion([](const QString&) { return true; });
      controller->setDisplayWidth([] { return 1024; });
      controller->setDialogRunner([this](QDialog& dialog) {
        shown.push_back(whatIsShown(dialog, *controller));
        return answer ? answer(dialog) : int(QDialog::Rejected);
      });
    }
    [[nodiscard]] bool start() {
      return kes::test::showTable(window, *controller) && controller->startGame(kFreeCell, kDealOne);
    }
    // Wins the deal: 208 points, above the samples of a 52-card game, which
    // run from 52 points in 260 seconds down to 2.
    void win() {
      kes::test::oneMoveFromWinning(*controller);
      kes::TableWidget& table = controller->table();
      QTest::mouseDClick(&table, Qt::LeftButton, {}, kes::test::topCardCentre(table, 0));
    }
    QStringList dialogNames() const {
      QStringList names;
      for (const Shown& s : shown) names << s.dialog;
      return names;
    }
  };

 private slots:
  void aNewHiScoreComesBeforeTheWinningShowAndTheTotalsAfterIt() {
    Fixture f;
    QVERIFY(f.start());
    f.win();
    QTRY_VERIFY_WITH_TIMEOUT(f.controller->table().winningAnimationRunning(), 10000);
    QCOMPARE(f.dialogNames(), QStringList{"frmHiScore"});
    const Shown& scores = f.shown[0];
    QCOMPARE(scores.caption, QStringLiteral("Compliments! You entered the FreeCell Hi-Scores!"));
    QVERIFY(!scores.winningShowRunning);
    QCOMPARE(scores.markedRow, 1);
    QCOMPARE(scores.firstRows[0], QStringLiteral("Ann"));
    QVERIFY(scores.firstRows[1].startsWith("* "));
    f.controller->table().stopWinningAnimation();
    QTRY_COMPARE(f.dialogNames(), (QStringList{"frmHiScore", "frmGameWon"}));
    QCOMPARE(f.shown[1].caption, QStringLiteral("Game won"));
    QCOMPARE(f.shown[1].won, QStringLiteral("1"));
  }

  void withoutTheAnnouncementOnlyTheTotalsAreShown() {
    Fixture f;
    f.app.config.put(kes::Field::ConfirmEnterHiScores, "N");
    QVERIFY(f.start());
    f.win();
    QTRY_VERIFY_WITH_TIMEOUT(f.controller->table().winningAnimationRunning(), 10000);
    f.controller->table().stopWinningAnimation();
    QTRY_COMPARE(f.dialogNames(), QStringList{"frmGameWon"});
    // The entry went in all the same.
    const auto scores = kes::readFileBytes(f.controller->statisticsFiles().scores());
    QVERIFY(scores && scores->find("Ann") != std::string::npos);
  }

  // A game given up can enter the table too; it is announced then, but not
  // while the program closes.
  void anAbandonedEntryIsAnnouncedExceptAtClosing() {
    Fixture f;
    QVERIFY(f.start());
    f.controller->session().state().score = 40;
    f.controller->newGame();
    QCOMPARE(f.dialogNames(), QStringList{"frmHiScore"});
    QCOMPARE(f.shown[0].markedRow, 3);  // after the samples of 52 and 45 points, before 40 in 200 s
    f.controller->session().state().score = 40;
    f.window.close();
    QCOMPARE(f.dialogNames(), QStringList{"frmHiScore"});
    const auto scores = kes::readFileBytes(f.controller->statisticsFiles().scores());
    QVERIFY(scores && scores->find("Ann") != scores->rfind("Ann"));
  }

  void f9ShowsTheCurrentGamesTable() {
    Fixture f;
    QVERIFY(f.start());
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QTest::keyClick(&f.window, Qt::Key_F9);
    QCOMPARE(f.dialogNames(), QStringList{"frmHiScore"});
    QCOMPARE(f.shown[0].caption, QStringLiteral("Hi-Scores [FreeCell]"));
    QCOMPARE(f.shown[0].markedRow, 1);
    // A game never played shows its sample entries.
    QVERIFY(f.shown[0].firstRows[0].startsWith("* "));
    f.controller->session().state().score = 60;
    f.controller->newGame();
    f.window.menuAction("mnuHiScores")->trigger();
    QCOMPARE(f.shown.back().firstRows[0], QStringLiteral("Ann"));
  }

  void clearingTheHiScoresEmptiesEveryTable() {
    Fixture f;
    QVERIFY(f.start());
    QStringList afterClearing;
    f.answer = [&afterClearing](QDialog& dialog) {
      auto* scores = dynamic_cast<kes::TfrmHiScore*>(&dialog);
      if (!scores) return int(QDialog::Rejected);
      scores->findChild<QAction*>("mnuClearScores")->trigger();
      afterClearing << cellText(scores->grid(), 1, 1) << cellText(scores->grid(), 1, 2);
      return int(QDialog::Accepted);
    };
    f.controller->showCurrentHiScores();
    QCOMPARE(afterClearing, (QStringList{QString(), QString()}));
    const auto scores = kes::readFileBytes(f.controller->statisticsFiles().scores());
    QVERIFY(scores && scores->find("Cleared=Y") != std::string::npos);
  }

  // "Select game... " opens the game number dialog; when no game is started
  // there, the game-won dialog comes back.
  void theGameWonButtonsLeadOn() {
    Fixture f;
    f.app.config.put(kes::Field::WinningAnimation, "N");
    f.controller->applyAnimationPreferences();
    QVERIFY(f.start());
    int wonShown = 0;
    f.answer = [&wonShown](QDialog& dialog) {
      if (dialog.objectName() != QLatin1String("frmGameWon")) return int(QDialog::Rejected);
      const char* button = ++wonShown == 1 ? "btnSelPartita" : "btnNuova";
      dialog.findChild<QPushButton*>(button)->click();
      return dialog.result();
    };
    f.win();
    QTRY_COMPARE_WITH_TIMEOUT(wonShown, 2, 5000);
    QCOMPARE(f.dialogNames(), (QStringList{"frmHiScore", "frmGameWon", "frmSelectGameNumber", "frmGameWon"}));
    QTRY_VERIFY(f.controller->session().state().inProgress);
    QVERIFY(f.controller->dealNumber() != kDealOne);
  }

  // With the game selection in the program, "Open a game..." opens it; the
  // game-won dialog comes back when no game was started there and closes
  // when one was.
  void openAGameLeadsToTheGameSelection() {
    Fixture f;
    f.app.config.put(kes::Field::WinningAnimation, "N");
    f.controller->applyAnimationPreferences();
    kes::GameSelection selection(f.window, *f.controller, &f.settings);
    QVERIFY(f.start());
    // The window's first activation offers the selection; it is cancelled.
    QTRY_VERIFY_WITH_TIMEOUT(f.dialogNames().contains("frmOpenGame"), 5000);
    f.shown.clear();
    int selections = 0;
    bool offered = false;
    bool started = false;
    f.answer = [&](QDialog& dialog) {
      if (dialog.objectName() == QLatin1String("frmGameWon")) {
        // A third showing would mean the started game went unnoticed.
        auto* open = dialog.findChild<QPushButton*>(selections < 2 ? "btnApriPartita" : "btnAnnulla");
        offered = open->isEnabled();
        open->click();
        return dialog.result();
      }
      if (dialog.objectName() == QLatin1String("frmOpenGame") && ++selections == 2)
        started = f.controller->startGame(kFreeCell, "0000000000007");
      return int(QDialog::Rejected);
    };
    f.win();
    QTRY_COMPARE_WITH_TIMEOUT(selections, 2, 5000);
    QVERIFY(offered);
    QVERIFY(started);
    QCOMPARE(f.dialogNames(),
             (QStringList{"frmHiScore", "frmGameWon", "frmOpenGame", "frmGameWon", "frmOpenGame"}));
    QVERIFY(f.controller->session().state().inProgress);
    QCOMPARE(f.controller->dealNumber(), std::string("0000000000007"));
  }

  // A hi-score file of an older version is brought up to date when the
  // window is first activated, and so are the preferences it wrote as "S".
  void theFirstActivationUpgradesAnOlderHiScoreFile() {
    Fixture f;
    const std::filesystem::path folder = f.data.path() / "DATA";
    std::filesystem::create_directories(folder);
    {
      std::ofstream old(folder / "STAT_SCR.DAT", std::ios::binary);
      old << "[Version]\r\nVersion=0200\r\n\r\n[0001]\r\n01-01=000052 000260\r\n";
    }
    f.settings.writeString("Preference", "Cards_Animate", "S");
    f.settings.writeString("Preference", "ConfirmQuit", "S");
    f.window.show();
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QTRY_COMPARE(f.settings.readString("Preference", "Cards_Animate", ""), std::string("Y"));
    QCOMPARE(f.settings.readString("Preference", "ConfirmQuit", ""), std::string("Y"));
    const auto upgraded = kes::readFileBytes(folder / "STAT_SCR.DAT");
    QVERIFY(upgraded);
    QVERIFY(upgraded->starts_with("[Version]\r\nVersion=0300\r\n"));
    QVERIFY(upgraded->find("01-01=000052 000260" + std::string(70, ' ') + " x\r\n") != std::string::npos);
  }
};

QTEST_MAIN(GameEndDialogsTest)
#include "game_end_dialogs_test.moc"
