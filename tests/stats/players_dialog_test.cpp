// The players dialog over a DATA folder: the list kept in the settings
// file, the current player, and renames and deletions in the statistics.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "datafiles/file_append.h"
#include "datafiles/file_text.h"
#include "datafiles/game_log_line.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/player_name.h"
#include "datafiles/player_roster.h"
#include "datafiles/stat_file.h"
#include "stats/frm_operatori.h"
#include "stats/statistics_dialogs.h"
#include "stats_test_host.h"

namespace kes {

class PlayersDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheStoredPlayersSortedAndTheCurrentOneSelected();
  void twentyOneNewPlayersKeepTheFirstTwentySorted();
  void refusedNamesAskAgain();
  void renamingTheCurrentPlayerKeepsThemCurrentAndRenamesTheirRecords();
  void deletingRefusesTheCurrentPlayerAndClearsAnother();
  void switchingDuringAGameRecordsItForTheOldPlayer();
  void selectingTheCurrentPlayerAsksNothing();
  void aRefusedSwitchKeepsTheDialogOpen();
};

namespace {

// Answers the name dialogs with the given names in turn; Cancel after them.
std::function<int(QDialog&)> typeNames(std::vector<QString> names) {
  auto left = std::make_shared<std::vector<QString>>(std::move(names));
  return [left](QDialog& dialog) {
    auto* entry = qobject_cast<TfrmOperatori2*>(&dialog);
    if (!entry || left->empty()) return static_cast<int>(QDialog::Rejected);
    entry->nameEdit()->setText(left->front());
    left->erase(left->begin());
    return static_cast<int>(QDialog::Accepted);
  };
}

QStringList listed(const TfrmOperatori& dialog) {
  QStringList names;
  for (int i = 0; i < dialog.list()->count(); ++i) names << dialog.list()->item(i)->text();
  return names;
}

void selectName(TfrmOperatori& dialog, const QString& name) {
  const auto found = dialog.list()->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
  QVERIFY(!found.isEmpty());
  dialog.list()->setCurrentItem(found.front());
}

void storePlayers(test::StatsTestHost& host, const std::vector<std::string>& names) {
  host.settings()->writeStrings(kUsersSection, userEntries(names));
}

}  // namespace

void PlayersDialogTest::opensWithTheStoredPlayersSortedAndTheCurrentOneSelected() {
  test::StatsTestHost host;
  storePlayers(host, {"carl", "Anna", "Bob"});
  TfrmOperatori dialog(host);
  QCOMPARE(dialog.windowTitle(), QString("Players"));
  QCOMPARE(listed(dialog), QStringList({"Anna", "Bob", "carl"}));
  QCOMPARE(dialog.list()->currentItem()->text(), QString("Anna"));
  QVERIFY(dialog.findChild<QPushButton*>("btnModifica")->isEnabled());
  dialog.list()->clearSelection();
  QVERIFY(!dialog.findChild<QPushButton*>("btnOK")->isEnabled());
  QVERIFY(!dialog.findChild<QPushButton*>("btnCancella")->isEnabled());
  dialog.selectPlayer();
  QCOMPARE(host.messages, std::vector<std::string>{"Select a player."});
}

void PlayersDialogTest::twentyOneNewPlayersKeepTheFirstTwentySorted() {
  test::StatsTestHost host;
  storePlayers(host, {"Anna"});
  std::vector<QString> names;
  for (int n = 21; n >= 2; --n) names.push_back(QStringLiteral("Player %1").arg(n, 2, 10, QLatin1Char('0')));
  host.onDialog = typeNames(names);
  TfrmOperatori dialog(host);
  for (int n = 0; n < 20; ++n) dialog.newPlayer();
  QCOMPARE(dialog.list()->count(), 21);
  QCOMPARE(dialog.list()->currentItem()->text(), QString("Player 02"));
  QCOMPARE(host.dialogs.front(), std::string("Add a player"));
  // Cancel still keeps the list, and the current player stays.
  dialog.reject();
  QCOMPARE(host.users(1), std::string("Anna"));
  QCOMPARE(host.users(2), std::string("Player 02"));
  QCOMPARE(host.users(20), std::string("Player 20"));
  QCOMPARE(host.settings()->readString("Users", "User021", "<none>"), std::string("<none>"));
  QCOMPARE(host.settings()->readString("Preference", "UserDefault", ""), std::string("Anna"));
  QCOMPARE(host.config().get(Field::PlayerName), std::string("Anna"));
}

void PlayersDialogTest::refusedNamesAskAgain() {
  test::StatsTestHost host;
  storePlayers(host, {"Anna", "Bob"});
  host.onDialog = typeNames({"", "Bob", "A=B", "bob"});
  TfrmOperatori dialog(host);
  dialog.newPlayer();
  QCOMPARE(host.messages, (std::vector<std::string>{"Please enter at least 1 character.",
                                                     "This player name already exists.",
                                                     std::string(kInvalidPlayerName)}));
  QCOMPARE(listed(dialog), QStringList({"Anna", "Bob", "bob"}));
  // Cancelled: nothing changes.
  host.onDialog = typeNames({});
  dialog.newPlayer();
  QCOMPARE(dialog.list()->count(), 3);
}

void PlayersDialogTest::renamingTheCurrentPlayerKeepsThemCurrentAndRenamesTheirRecords() {
  test::StatsTestHost host;
  storePlayers(host, {"Anna", "Anna B"});
  const StatisticsFiles& files = host.files();
  QVERIFY(ensureStatFile(files));
  PlayerGameStats won;
  won.add(true, 120);
  QVERIFY(writePlayerGameStats(files, 2, "Anna", won));
  QVERIFY(writePlayerGameStats(files, 2, "Anna B", won));
  const GameLogLine line{"20261209", "18:30:05", 60, 2, "Klondike", "Anna", true, "01", "120", "0000000000042"};
  QVERIFY(appendToFile(files.log(), line.format() + "\r\n", host.sink()));
  auto table = readHiScores(files, 2, "01");
  QVERIFY(insertHiScore(table.entries, {120, 60, "20261209", "18:30:05", "Anna", "0000000000042", true}));
  QVERIFY(writeHiScores(files, 2, "01", table.entries));

  host.onDialog = typeNames({"Zoe"});
  TfrmOperatori dialog(host);
  selectName(dialog, "Anna");
  dialog.editPlayer();
  QCOMPARE(host.dialogs.front(), std::string("Edit a player"));
  QCOMPARE(listed(dialog), QStringList({"Anna B", "Zoe"}));
  QCOMPARE(dialog.list()->currentItem()->text(), QString("Zoe"));
  // The files hold the new name at once; the other player is untouched.
  QCOMPARE(readPlayerGameStats(files, 2, "Zoe").won, 1LL);
  QCOMPARE(readPlayerGameStats(files, 2, "Anna"), PlayerGameStats{});
  QCOMPARE(readPlayerGameStats(files, 2, "Anna B").won, 1LL);
  const auto log = readFileBytes(files.log());
  QVERIFY(log);
  QCOMPARE(logLinePlayer(*log), std::string("Zoe"));
  const auto scores = readHiScores(files, 2, "01").entries;
  QCOMPARE(entryPlayer(scores[0]), std::string("Zoe"));
  // The renamed player may not be deleted: still the current one.
  dialog.deletePlayer();
  QCOMPARE(host.messages.back(), std::string("It is impossible to delete the selected player."));
  dialog.reject();
  QCOMPARE(host.config().get(Field::PlayerName), std::string("Zoe"));
  QCOMPARE(host.settings()->readString("Preference", "UserDefault", ""), std::string("Zoe"));
  QCOMPARE(host.users(2), std::string("Zoe"));
  QCOMPARE(host.playerChanges, 0);
}

void PlayersDialogTest::deletingRefusesTheCurrentPlayerAndClearsAnother() {
  test::StatsTestHost host;
  storePlayers(host, {"Anna", "Bob", "Carl"});
  PlayerGameStats won;
  won.add(true, 120);
  QVERIFY(ensureStatFile(host.files()));
  QVERIFY(writePlayerGameStats(host.files(), 2, "Bob", won));
  TfrmOperatori dialog(host);
  dialog.deletePlayer();  // Anna, the current player
  QCOMPARE(host.messages, std::vector<std::string>{"It is impossible to delete the selected player."});
  selectName(dialog, "Bob");
  host.answers = {QMessageBox::Cancel};
  dialog.deletePlayer();
  QCOMPARE(dialog.list()->count(), 3);
  host.answers = {QMessageBox::Ok};
  QTest::keyClick(dialog.list(), Qt::Key_Delete);
  QCOMPARE(host.messages.back(), std::string("Are you sure you want to delete the selected player?\n"
                                             "Note: also statistics of this player will be deleted."));
  QCOMPARE(listed(dialog), QStringList({"Anna", "Carl"}));
  QCOMPARE(dialog.list()->currentItem()->text(), QString("Anna"));
  QCOMPARE(readPlayerGameStats(host.files(), 2, "Bob"), PlayerGameStats{});
  dialog.reject();
  QCOMPARE(host.users(2), std::string("Carl"));
  QCOMPARE(host.users(3), std::string());
}

void PlayersDialogTest::switchingDuringAGameRecordsItForTheOldPlayer() {
  test::StatsTestHost host;
  storePlayers(host, {"Anna", "Bob"});
  host.gameInProgress = true;
  TfrmOperatori dialog(host);
  selectName(dialog, "Bob");
  dialog.selectPlayer();
  QCOMPARE(host.questions, std::vector<std::string>{"Start new game for player Bob?"});
  QCOMPARE(host.recordedFor, std::vector<std::string>{"Anna"});
  QCOMPARE(host.config().get(Field::PlayerName), std::string("Bob"));
  QCOMPARE(host.config().get(Field::CurrentWins), std::string("0000"));
  QCOMPARE(host.settings()->readString("Preference", "UserDefault", ""), std::string("Bob"));
  QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
  QVERIFY(dialog.playerChanged());
  QVERIFY(host.captionUpdates > 0);

  // Through the menu's entry point the new player gets a fresh game.
  host.gameInProgress = true;
  host.onDialog = [](QDialog& d) {
    auto* players = qobject_cast<TfrmOperatori*>(&d);
    if (!players) return static_cast<int>(QDialog::Rejected);
    selectName(*players, "Anna");
    players->selectPlayer();
    return players->result();
  };
  showPlayers(host, nullptr);
  QCOMPARE(host.recordedFor, (std::vector<std::string>{"Anna", "Bob"}));
  QCOMPARE(host.playerChanges, 1);
}

void PlayersDialogTest::selectingTheCurrentPlayerAsksNothing() {
  test::StatsTestHost host;
  storePlayers(host, {"Anna", "Bob"});
  host.gameInProgress = true;
  host.config().put(Field::CurrentWins, "0003");
  TfrmOperatori dialog(host);
  dialog.selectPlayer();
  QVERIFY(host.questions.empty());
  QVERIFY(host.recordedFor.empty());
  QVERIFY(!dialog.playerChanged());
  QCOMPARE(host.config().get(Field::CurrentWins), std::string("0003"));
}

void PlayersDialogTest::aRefusedSwitchKeepsTheDialogOpen() {
  test::StatsTestHost host;
  storePlayers(host, {"Anna", "Bob"});
  host.gameInProgress = true;
  host.abandonAgreed = false;
  TfrmOperatori dialog(host);
  selectName(dialog, "Bob");
  dialog.selectPlayer();
  QCOMPARE(host.questions.size(), std::size_t{1});
  QVERIFY(host.recordedFor.empty());
  QCOMPARE(host.config().get(Field::PlayerName), std::string("Anna"));
  QCOMPARE(dialog.result(), static_cast<int>(QDialog::Rejected));
  QVERIFY(!dialog.playerChanged());
}

}  // namespace kes

QTEST_MAIN(kes::PlayersDialogTest)
#include "players_dialog_test.moc"
