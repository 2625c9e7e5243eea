// The hi-score table and the game-won dialog show what the statistics
// files hold, as the player reads it.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/help/help_request.h"
#include "datafiles/hi_score_entry.h"
#include "stats/frm_game_won.h"
#include "stats/frm_hi_score.h"
#include "stats/hi_score_rows.h"
#include "stats/pie_chart.h"

namespace {

std::string entry(long long score, long long seconds, const std::string& player, bool won = true) {
  kes::HiScoreEntry e;
  e.score = score;
  e.seconds = seconds;
  e.date = "20261209";
  e.time = "22:15:03";
  e.player = player;
  e.dealNumber = "0000000012345";
  e.won = won;
  return e.format();
}

QString cell(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

QString labelText(const QWidget& dialog, const char* name) {
  const auto* label = dialog.findChild<QLabel*>(name);
  return label ? label->text() : QStringLiteral("<none>");
}

}  // namespace

class RecordsDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void aRowShowsTheEntryAsThePlayerReadsIt() {
    const QLocale c(QLocale::C);
    const QStringList row = kes::hiScoreRow(3, entry(-52, 3725, "Ann", false), c);
    QCOMPARE(row, (QStringList{"03", "Ann", "-52", "1:02:05", "Lost", c.toString(QDate(2026, 12, 9), QLocale::ShortFormat),
                               "0000000012345"}));
    // An empty place shows its number and nothing else.
    const QStringList empty = kes::hiScoreRow(20, kes::emptyHiScoreEntry(), c);
    QCOMPARE(empty.size(), 7);
    QCOMPARE(empty[0], QStringLiteral("20"));
    for (int i = 1; i < empty.size(); ++i) QVERIFY(empty[i].isEmpty());
    QCOMPARE(kes::playingTime(0), QStringLiteral("0:00:00"));
    QCOMPARE(kes::playingTime(999999), QStringLiteral("277:46:39"));
  }

  void theHiScoreTableListsEveryGameAndShowsTheChosenOne() {
    std::vector<int> asked;
    kes::TfrmHiScore dialog({{4, "Spider"}, {1, "FreeCell"}, {8000, "My Klondike"}},
                            [&asked](int game) {
                              asked.push_back(game);
                              std::vector<std::string> places(20, kes::emptyHiScoreEntry());
                              places[0] = entry(100 + game, 60, "Ann");
                              return places;
                            });
    QListWidget* list = dialog.gameList();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("FreeCell"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("Spider"));
    dialog.showGame(4, 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Hi-Scores [Spider]"));
    QTableWidget* grid = dialog.grid();
    QCOMPARE(grid->rowCount(), 21);
    QCOMPARE(grid->columnCount(), 7);
    QCOMPARE(cell(grid, 0, 6), QStringLiteral("Game number"));
    QCOMPARE(cell(grid, 1, 2), QStringLiteral("104"));
    QCOMPARE(cell(grid, 2, 1), QString());
    QCOMPARE(cell(grid, 20, 0), QStringLiteral("20"));
    // Choosing another game in the list shows it.
    list->setCurrentRow(1);
    QCOMPARE(dialog.shownGame(), 8000);
    QCOMPARE(cell(grid, 1, 2), QStringLiteral("8100"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Hi-Scores [My Klondike]"));
    QCOMPARE(asked, (std::vector<int>{4, 8000}));
  }

  void aNewEntryIsAnnouncedOnceAndMarked() {
    kes::TfrmHiScore dialog({{1, "FreeCell"}, {4, "Spider"}},
                            [](int) { return std::vector<std::string>(20, entry(10, 10, "Bob")); });
    dialog.setNewEntry(true);
    const QString compliments = QStringLiteral("Compliments! You entered the FreeCell Hi-Scores!");
    dialog.showGame(1, 7, compliments);
    QCOMPARE(dialog.windowTitle(), compliments);
    QVERIFY(dialog.findChild<QLabel*>("imgNewScore")->isVisibleTo(&dialog));
    QVERIFY(!dialog.findChild<QLabel*>("imgScore")->isVisibleTo(&dialog));
    QCOMPARE(dialog.grid()->currentRow(), 7);
    dialog.gameList()->setCurrentRow(1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Hi-Scores [Spider]"));
    QCOMPARE(dialog.grid()->currentRow(), 1);
  }

  void clearingTheScoresShowsTheTableAgain() {
    bool cleared = false;
    kes::TfrmHiScore dialog({{1, "FreeCell"}}, [&cleared](int) {
      return std::vector<std::string>(20, cleared ? kes::emptyHiScoreEntry() : entry(10, 10, "Bob"));
    });
    dialog.showGame(1);
    QAction* clear = dialog.findChild<QAction*>("mnuClearScores");
    QVERIFY(clear);
    QCOMPARE(clear->text(), QStringLiteral("Clear Hi-Scores..."));
    // Declined: nothing changes.
    dialog.clearScores = [] { return false; };
    clear->trigger();
    QCOMPARE(cell(dialog.grid(), 1, 1), QStringLiteral("Bob"));
    dialog.clearScores = [&cleared] { return cleared = true; };
    clear->trigger();
    QCOMPARE(cell(dialog.grid(), 1, 1), QString());
  }

  // Once the program can show help, both dialogs' "&?" shows their topic.
  void theHelpButtonsShowTheirTopics() {
    QList<int> topics;
    const int owner = 0;
    kes::setHelpTopicHandler(&owner, [&topics](int topic) { topics << topic; });
    kes::TfrmGameWon won("FreeCell", 1, 0);
    kes::TfrmHiScore scores({{1, "FreeCell"}}, [](int) { return std::vector<std::string>(20, kes::emptyHiScoreEntry()); });
    won.findChild<QPushButton*>("btnAiuto")->click();
    scores.findChild<QPushButton*>("btnAiuto")->click();
    kes::clearHelpTopicHandler(&owner);
    QCOMPARE(topics, (QList<int>{1045, 1044}));
  }

  void theGameWonDialogShowsTheTotalsAndOffersWhatIsBuilt() {
    kes::TfrmGameWon dialog("FreeCell", 1, 0);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Game won"));
    QCOMPARE(dialog.findChild<QGroupBox*>("grpTotal")->title(), QStringLiteral("Total [FreeCell]"));
    QCOMPARE(labelText(dialog, "lblWon"), QStringLiteral("1"));
    QCOMPARE(labelText(dialog, "lblLost"), QStringLiteral("0"));
    QCOMPARE(labelText(dialog, "lblTotal"), QStringLiteral("1"));
    QCOMPARE(labelText(dialog, "lblWonPercent"), QStringLiteral("(100%)"));
    QCOMPARE(labelText(dialog, "lblLostPercent"), QStringLiteral("(0%)"));
    const auto* pie = dialog.findChild<kes::PieChart*>("imgGraphTot");
    QVERIFY(pie && pie->won() == 1 && pie->lost() == 0);
    QVERIFY(!dialog.findChild<QPushButton*>("btnStatistiche")->isEnabled());
    QVERIFY(!dialog.findChild<QPushButton*>("btnApriPartita")->isEnabled());
    QVERIFY(!dialog.findChild<QPushButton*>("btnAiuto")->isEnabled());
    QCOMPARE(dialog.findChild<QPushButton*>("btnStatistiche")->text(), QStringLiteral(" Statistics...     "));
    QCOMPARE(dialog.findChild<QPushButton*>("btnSelPartita")->text(), QStringLiteral("Select game... "));
    QVERIFY(dialog.findChild<QPushButton*>("btnNuova")->isDefault());
    dialog.setStatisticsOffered(true);
    QVERIFY(dialog.findChild<QPushButton*>("btnStatistiche")->isEnabled());
    // Nothing recorded: no percentages.
    kes::TfrmGameWon none("FreeCell", 0, 0);
    QVERIFY(labelText(none, "lblWonPercent").isEmpty());
    QVERIFY(labelText(none, "lblLostPercent").isEmpty());
  }

  void eachButtonSaysWhatWasChosen() {
    const std::vector<std::pair<const char*, kes::TfrmGameWon::Choice>> buttons{
        {"btnNuova", kes::TfrmGameWon::Choice::NewGame},
        {"btnRipeti", kes::TfrmGameWon::Choice::Restart},
        {"btnSelPartita", kes::TfrmGameWon::Choice::SelectNumber},
        {"btnAnnulla", kes::TfrmGameWon::Choice::Cancel}};
    for (const auto& [name, choice] : buttons) {
      kes::TfrmGameWon dialog("FreeCell", 2, 1);
      dialog.findChild<QPushButton*>(name)->click();
      QVERIFY2(dialog.choice() == choice, name);
      QCOMPARE(dialog.result(), choice == kes::TfrmGameWon::Choice::Cancel ? int(QDialog::Rejected)
                                                                          : int(QDialog::Accepted));
    }
  }
};

QTEST_MAIN(RecordsDialogsTest)
#include "records_dialogs_test.moc"
