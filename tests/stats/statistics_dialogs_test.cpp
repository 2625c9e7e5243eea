// The statistics dialogs over DATA folders written by the program's own
// statistics writers.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "datafiles/file_append.h"
#include "datafiles/game_log_line.h"
#include "datafiles/overall_score_file.h"
#include "datafiles/stat_file.h"
#include "stats/bar_chart.h"
#include "stats/frm_statis_canc.h"
#include "stats/frm_statis_giochi.h"
#include "stats/frm_statis_log.h"
#include "stats/frm_statis_operat.h"
#include "stats/frm_statis_overall.h"
#include "stats/frm_statistics.h"
#include "stats/game_log_model.h"
#include "stats/pie_chart.h"
#include "stats/statistics_dialogs.h"
#include "stats/stats_grid.h"
#include "stats/totals_box.h"
#include "stats_test_host.h"

namespace kes {

class StatsDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void gameStatisticsShowTotalsSessionAndSeries();
  void aPlayerWithoutGamesShowsNoShares();
  void allGamesTableShowsPercentages();
  void unreadableStatFileIsToldAndTheTableStaysEmpty();
  void playersRankedAsBars();
  void logIsNewestFirstAndFilteredByGameAndPlayer();
  void overallOrdersByScoreThenShorterTime();
  void detailsSayMaxOnlyForTheGamesMaximum();
  void playThisGameClosesTheDialogsThatLedThere();
  void clearingAnotherGameKeepsTheSessionCounters();
  void clearingTheCurrentGameResetsTheSessionCounters();
  void pieShareStepsDownToMultiplesOfTwoAndAHalf();
  void chartsDrawAtDoublePixelRatio();
};

namespace {

void writeStats(const StatisticsFiles& files, int game, const std::string& player, const std::string& results) {
  PlayerGameStats stats = readPlayerGameStats(files, game, player);
  for (char r : results) stats.add(r == 'W', r == 'W' ? 100 : 10);
  QVERIFY(ensureStatFile(files));
  QVERIFY(writePlayerGameStats(files, game, player, stats));
}

void appendLog(test::StatsTestHost& host, const char* time, int game, const char* name, const char* player, bool won) {
  const GameLogLine line{"20261209", time, 3725, game, name, player, won, "01", "  -52", "0000000000042"};
  QVERIFY(appendToFile(host.files().log(), line.format() + "\r\n", host.sink()));
}

QStringList column(const QAbstractItemModel& model, int c) {
  QStringList texts;
  for (int r = 0; r < model.rowCount(); ++r) texts << model.index(r, c).data().toString();
  return texts;
}

}  // namespace

void StatsDialogsTest::gameStatisticsShowTotalsSessionAndSeries() {
  test::StatsTestHost host;
  // Anna in Klondike: lost, won 3 in a row, lost twice: 3 won, 3 lost, streaks 3 and 2, now losing 2.
  writeStats(host.files(), 2, "Anna", "LWWWLL");
  host.config().put(Field::CurrentWins, "0001");
  host.config().put(Field::CurrentLosses, "0002");
  TfrmStatistics dialog(host, 2, "Anna");
  QCOMPARE(dialog.windowTitle(), QString("Statistics [Klondike]"));
  QCOMPARE(dialog.total()->wonLabel()->text(), QString("3"));
  QCOMPARE(dialog.total()->totalLabel()->text(), QString("6"));
  QCOMPARE(dialog.total()->wonPercentLabel()->text(), QString("(50%)"));
  QCOMPARE(dialog.session()->lostLabel()->text(), QString("2"));
  QCOMPARE(dialog.session()->wonPercentLabel()->text(), QString("(33%)"));
  QCOMPARE(dialog.session()->lostPercentLabel()->text(), QString("(67%)"));
  QCOMPARE(dialog.seriesWon()->text(), QString("Won: 3 (60%)"));
  QCOMPARE(dialog.seriesLost()->text(), QString("Lost: 2 (40%)"));
  QCOMPARE(dialog.currentSeries()->text(), QString("Current: 2 lost"));
  QCOMPARE(dialog.series()->bars().size(), std::size_t{2});
  QCOMPARE(dialog.series()->bars()[0].colour, kWonColour);

  // Another game: its caption, and no session there.
  dialog.games()->setCurrentIndex(dialog.games()->findText("Spider"));
  QCOMPARE(dialog.windowTitle(), QString("Statistics [Spider]"));
  QCOMPARE(dialog.session()->totalLabel()->text(), QString("0"));
  QCOMPARE(dialog.currentSeries()->text(), QString("Current"));
  QCOMPARE(dialog.seriesWon()->text(), QString("Won: "));
}

void StatsDialogsTest::aPlayerWithoutGamesShowsNoShares() {
  test::StatsTestHost host;
  writeStats(host.files(), 2, "Anna", "W");
  TfrmStatistics dialog(host, 2, "Nobody");
  QCOMPARE(dialog.players()->currentText(), QString("Anna"));  // not a player: the first
  host.settings()->writeString("Users", "User001", "Bob");
  TfrmStatistics bob(host, 2, "Bob");
  QCOMPARE(bob.players()->currentText(), QString("Bob"));
  QCOMPARE(bob.total()->wonLabel()->text(), QString("0"));
  QCOMPARE(bob.total()->wonPercentLabel()->text(), QString());
  QCOMPARE(bob.total()->lostPercentLabel()->text(), QString());
  QVERIFY(!pieShare(bob.total()->pie()->won(), bob.total()->pie()->lost()));
  QCOMPARE(bob.currentSeries()->text(), QString("Current"));
  QCOMPARE(currentStreakText(1, 0), QString("Current: 1 won"));
}

void StatsDialogsTest::allGamesTableShowsPercentages() {
  test::StatsTestHost host;
  writeStats(host.files(), 2, "Anna", "WWL");
  writeStats(host.files(), 7, "Anna", "LLLLLLLW");
  host.config().put(Field::CurrentWins, "0004");
  TfrmStatisGiochi dialog(host, "Anna");
  QTableWidget& grid = *dialog.grid();
  QCOMPARE(grid.rowCount(), 3);
  QCOMPARE(rowTexts(grid, 0), QStringList({"Calculation", "1", "7", "13 %"}));
  QCOMPARE(rowTexts(grid, 1), QStringList({"Klondike", "2", "1", "67 %"}));
  QCOMPARE(rowTexts(grid, 2), QStringList({"Spider", "0", "0", "0"}));
  dialog.setValues(StatValues::Series);
  QCOMPARE(rowTexts(grid, 0), QStringList({"Calculation", "1", "7", "13 %"}));
  QCOMPARE(rowTexts(grid, 1), QStringList({"Klondike", "2", "1", "67 %"}));
  dialog.setValues(StatValues::CurrentSession);
  QCOMPARE(grid.rowCount(), 1);
  QCOMPARE(rowTexts(grid, 0), QStringList({"Klondike", "4", "0", "100 %"}));
  // A click on a heading sorts numbers as numbers.
  dialog.setValues(StatValues::Total);
  grid.sortItems(2, Qt::DescendingOrder);
  QCOMPARE(grid.item(0, 0)->text(), QString("Calculation"));
  QCOMPARE(grid.item(2, 0)->text(), QString("Spider"));
}

void StatsDialogsTest::unreadableStatFileIsToldAndTheTableStaysEmpty() {
  test::StatsTestHost host;
  std::filesystem::create_directories(host.files().stat());
  TfrmStatisGiochi dialog(host, "Anna");
  QCOMPARE(dialog.grid()->rowCount(), 0);
  QCOMPARE(host.messages.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(host.messages[0]),
           QString("Open error: ") + QString::fromStdString(host.files().stat().string()));
}

void StatsDialogsTest::playersRankedAsBars() {
  test::StatsTestHost host;
  for (const char* name : {"Anna", "Bob", "Carl", "Dora", "Emil", "Fritz"})
    host.settings()->writeString("Users", std::string("User00") + std::to_string(name[0] - 'A' + 1), name);
  writeStats(host.files(), 2, "Anna", "WL");
  writeStats(host.files(), 2, "Bob", "W");
  writeStats(host.files(), 2, "Carl", "WLL");
  writeStats(host.files(), 2, "Emil", "LLLL");
  writeStats(host.files(), 2, "Fritz", "WWWL");
  TfrmStatisOperat dialog(host, 2);
  QCOMPARE(dialog.gameList()->currentItem()->text(), QString("Klondike"));
  const auto& bars = dialog.chart()->bars();
  QCOMPARE(bars.size(), std::size_t{5});
  QCOMPARE(bars[0].label, QString("Bob"));
  QCOMPARE(bars[0].value, 100LL);
  QCOMPARE(bars[0].colour, QColor(0, 0, 255));
  QCOMPARE(bars[1].label, QString("Fritz"));
  QCOMPARE(bars[1].value, 75LL);
  QCOMPARE(bars[2].label, QString("Anna"));
  QCOMPARE(bars[3].label, QString("Carl"));
  QCOMPARE(bars[3].value, 33LL);
  QCOMPARE(bars[4].colour, QColor(255, 255, 255));
  dialog.setValue(PlayerValue::AverageScore);
  QCOMPARE(dialog.chart()->bars()[0].label, QString("Bob"));
  QCOMPARE(dialog.chart()->bars()[0].value, 100LL);
  QCOMPARE(dialog.chart()->bars()[1].value, 77LL);  // Fritz: 310 / 4
}

void StatsDialogsTest::logIsNewestFirstAndFilteredByGameAndPlayer() {
  test::StatsTestHost host;
  host.settings()->writeString("Users", "User001", "Player 1");
  host.settings()->writeString("Users", "User002", "Player 10");
  appendLog(host, "09:00:00", 2, "Klondike", "Player 1", true);
  appendLog(host, "09:10:00", 5, "Spider", "Player 10", false);
  appendLog(host, "09:20:00", 2, "Klondike", "Player 10", true);
  appendLog(host, "09:30:00", 5, "Spider", "Player 1", false);
  TfrmStatisLog dialog(host, std::nullopt, std::nullopt);
  QCOMPARE(dialog.players()->currentText(), QString("[All players]"));
  QCOMPARE(dialog.games()->currentText(), QString("[All games]"));
  const GameLogModel& model = dialog.model();
  QCOMPARE(column(model, 1), QStringList({"09:30", "09:20", "09:10", "09:00"}));
  QCOMPARE(model.index(0, 2).data().toString(), QString("1:02:05"));
  QCOMPARE(model.index(0, 4).data().toString(), QString("Lost"));
  QCOMPARE(model.index(0, 5).data().toString(), QString("-52"));
  QCOMPARE(model.index(0, 7).data().toString(), QString("0000000000042"));
  QVERIFY(!model.index(0, 0).data().toString().isEmpty());
  dialog.games()->setCurrentIndex(dialog.games()->findText("Klondike"));
  QCOMPARE(column(model, 6), QStringList({"Player 10", "Player 1"}));
  dialog.players()->setCurrentIndex(dialog.players()->findText("Player 1"));
  QCOMPARE(column(model, 1), QStringList({"09:00"}));
  dialog.games()->setCurrentIndex(0);
  QCOMPARE(column(model, 3), QStringList({"Spider", "Klondike"}));
  // Sorted by start, then back to the newest first when the choice changes.
  dialog.grid()->sortByColumn(1, Qt::AscendingOrder);
  QCOMPARE(column(model, 1), QStringList({"09:00", "09:30"}));
  dialog.players()->setCurrentIndex(0);
  QCOMPARE(column(model, 1).first(), QString("09:30"));
}

void StatsDialogsTest::overallOrdersByScoreThenShorterTime() {
  test::StatsTestHost host;
  const StatisticsFiles& files = host.files();
  QVERIFY(updateOverallScore(files, 2, "Anna", 600, 100));
  QVERIFY(updateOverallScore(files, 2, "Bob", 300, 100));
  QVERIFY(updateOverallScore(files, 2, "Carl", 900, 150));
  QVERIFY(updateOverallScore(files, 2, "Dora", 10, 20));
  TfrmStatisOverall dialog(host);
  QTableWidget& grid = *dialog.grid();
  QCOMPARE(rowTexts(grid, 0), QStringList({"01", "Carl", "150", "00:15:00"}));
  QCOMPARE(rowTexts(grid, 1), QStringList({"02", "Bob", "100", "00:05:00"}));
  QCOMPARE(rowTexts(grid, 2), QStringList({"03", "Anna", "100", "00:10:00"}));
  QCOMPARE(rowTexts(grid, 3), QStringList({"04", "Dora", "20", "00:00:10"}));
  QCOMPARE(rowTexts(grid, 4), QStringList({"05", "", "", ""}));
  QVERIFY(dialog.detailsButton()->isEnabled());
  grid.setCurrentCell(5, 0);
  QVERIFY(!dialog.detailsButton()->isEnabled());

  // The pop-up clears hi-scores and overall score after asking.
  host.answers = {QMessageBox::Yes};
  dialog.clearHiScores();
  QCOMPARE(host.messages.back(),
           std::string("Are you sure you want to clear Hi-Scores\nand Overall score for all players and all games?"));
  QVERIFY(!std::filesystem::exists(files.overall()));
  QCOMPARE(rowTexts(grid, 0), QStringList({"01", "", "", ""}));
}

void StatsDialogsTest::detailsSayMaxOnlyForTheGamesMaximum() {
  test::StatsTestHost host;
  QVERIFY(updateOverallScore(host.files(), 2, "Anna", 3725, 208));
  QVERIFY(updateOverallScore(host.files(), 5, "Anna", 61, 499));
  host.games_.push_back({8001, "My Klondike"});
  TfrmStatisOverallDetails details(host, {"Anna", 707, 3786});
  QCOMPARE(details.windowTitle(), QString("Overall score details [Anna]"));
  QTableWidget& grid = *details.grid();
  QCOMPARE(grid.rowCount(), 3);  // custom games never count
  QCOMPARE(rowTexts(grid, 0), QStringList({"Calculation", "", "", ""}));
  QCOMPARE(rowTexts(grid, 1), QStringList({"Klondike", "208", "Yes", "1:02:05"}));
  QCOMPARE(rowTexts(grid, 2), QStringList({"Spider", "499", "", "0:01:01"}));
}

void StatsDialogsTest::playThisGameClosesTheDialogsThatLedThere() {
  test::StatsTestHost host;
  QVERIFY(updateOverallScore(host.files(), 2, "Anna", 60, 52));
  int overallResult = -1;
  host.onDialog = [&](QDialog& dialog) {
    if (auto* overall = qobject_cast<TfrmStatisOverall*>(&dialog)) {
      overall->openDetails();
      overallResult = overall->result();
      return overallResult;
    }
    if (auto* details = qobject_cast<TfrmStatisOverallDetails*>(&dialog)) {
      details->grid()->selectRow(1);
      details->playSelectedGame();
      return details->result();
    }
    return static_cast<int>(QDialog::Rejected);
  };
  TfrmStatistics statistics(host, 2, "Anna");
  statistics.openOverall();
  QCOMPARE(host.startedGames, std::vector<int>{2});
  QCOMPARE(overallResult, kGameStartedResult);
  QCOMPARE(statistics.result(), kGameStartedResult);

  // A start that is refused leaves every dialog open.
  host.startSucceeds = false;
  TfrmStatistics again(host, 2, "Anna");
  again.openOverall();
  QCOMPARE(overallResult, static_cast<int>(QDialog::Rejected));
  QCOMPARE(again.result(), static_cast<int>(QDialog::Rejected));
}

void StatsDialogsTest::clearingAnotherGameKeepsTheSessionCounters() {
  test::StatsTestHost host;
  writeStats(host.files(), 2, "Anna", "WW");
  writeStats(host.files(), 5, "Anna", "WL");
  appendLog(host, "09:00:00", 5, "Spider", "Anna", true);
  appendLog(host, "09:10:00", 2, "Klondike", "Anna", true);
  host.config().put(Field::CurrentWins, "0002");
  TfrmStatisCanc dialog(host);
  QCOMPARE(dialog.players()->currentText(), QString("Anna"));
  QCOMPARE(dialog.games()->currentText(), QString("Klondike"));
  dialog.games()->setCurrentIndex(dialog.games()->findText("Spider"));
  host.answers = {QMessageBox::Yes};
  dialog.clearChosen();
  QCOMPARE(host.messages.front(),
           std::string("Are you sure you want to clear statistics for player: Anna\nfor game: Spider?"));
  QCOMPARE(host.messages.back(), std::string("Statistics cleared."));
  QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
  QCOMPARE(readPlayerGameStats(host.files(), 5, "Anna"), PlayerGameStats{});
  QCOMPARE(readPlayerGameStats(host.files(), 2, "Anna").won, 2LL);
  QCOMPARE(host.config().get(Field::CurrentWins), std::string("0002"));
  TfrmStatisLog log(host, std::nullopt, std::nullopt);
  QCOMPARE(column(log.model(), 3), QStringList({"Klondike"}));
}

void StatsDialogsTest::clearingTheCurrentGameResetsTheSessionCounters() {
  test::StatsTestHost host;
  writeStats(host.files(), 2, "Anna", "WW");
  host.config().put(Field::CurrentWins, "0002");
  TfrmStatisCanc dialog(host);
  // Refused: nothing happens and the dialog stays.
  host.answers = {QMessageBox::No};
  dialog.clearChosen();
  QCOMPARE(readPlayerGameStats(host.files(), 2, "Anna").won, 2LL);
  QCOMPARE(dialog.result(), static_cast<int>(QDialog::Rejected));
  host.answers = {QMessageBox::Yes};
  dialog.clearChosen();
  QCOMPARE(readPlayerGameStats(host.files(), 2, "Anna").won, 0LL);
  QCOMPARE(host.config().get(Field::CurrentWins), std::string("0000"));
}

void StatsDialogsTest::pieShareStepsDownToMultiplesOfTwoAndAHalf() {
  QVERIFY(!pieShare(0, 0));
  QCOMPARE(*pieShare(1, 1), 50.0);
  QCOMPARE(*pieShare(2, 1), 65.0);  // 66.7
  QCOMPARE(*pieShare(1, 2), 65.0);
  QCOMPARE(*pieShare(39, 1), 97.5);
  QCOMPARE(*pieShare(5, 0), 100.0);
}

void StatsDialogsTest::chartsDrawAtDoublePixelRatio() {
  PieChart pie;
  pie.resize(80, 80);
  pie.setGames(3, 1);
  QImage image(160, 160, QImage::Format_ARGB32);
  image.setDevicePixelRatio(2.0);
  image.fill(Qt::transparent);
  pie.render(&image);
  // Three quarters from twelve o'clock clockwise are green; the last is red.
  QCOMPARE(image.pixelColor(60, 120), kWonColour);   // lower left, in logical pixels 30,60
  QCOMPARE(image.pixelColor(60, 40), kLostColour);  // upper left
  BarChart chart;
  chart.resize(200, 150);
  chart.setBars({{"Won", 4, kWonColour}, {"Lost", 2, kLostColour}});
  QImage bars(400, 300, QImage::Format_ARGB32);
  bars.setDevicePixelRatio(2.0);
  bars.fill(Qt::transparent);
  chart.render(&bars);
  int green = 0;
  int red = 0;
  for (int y = 0; y < bars.height(); ++y) {
    for (int x = 0; x < bars.width(); ++x) {
      green += bars.pixelColor(x, y) == kWonColour;
      red += bars.pixelColor(x, y) == kLostColour;
    }
  }
  // The longer bar covers about twice the area.
  QVERIFY(red > 0);
  QVERIFY(green > red * 3 / 2 && green < red * 5 / 2);
}

}  // namespace kes

QTEST_MAIN(kes::StatsDialogsTest)
#include "statistics_dialogs_test.moc"
