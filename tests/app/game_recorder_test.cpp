// Every game that ends in the window is written to the statistics files
// under the game, deal and player it was played with, whatever ended it.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/select_game_number.h"
#include "datafiles/config_field.h"
#include "datafiles/file_text.h"
#include "datafiles/stat_file.h"
#include "datafiles/statistics_files.h"
#include "datafiles/data_file_helpers.h"
#include "table_test_support.h"
#include "winning_support.h"

namespace {

constexpr int kFreeCell = 1;
constexpr int kSpider = 4;
const char* const kDealOne = "0000000000001";
const char* const kDealTwo = "0000000000002";

// A log line's game number, player, result and deal number.
struct LogFields {
  std::string game, player, result, deal;
};

std::vector<LogFields> logLines(const kes::StatisticsFiles& files) {
  std::vector<LogFields> lines;
  const auto bytes = kes::readFileBytes(files.log());
  if (!bytes) return lines;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const auto end = rest.find("\r\n");
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
    if (line.size() != 147) return {};
    lines.push_back({std::string(line.substr(25, 4)), kes::withoutTrailingBlanks(line.substr(81, 30)),
                     std::string(line.substr(112, 5)), std::string(line.substr(127, 15))});
  }
  return lines;
}

}  // namespace

class GameRecorderTest : public QObject {
  Q_OBJECT

 private:
  // A shown window over the built data, "Ann" playing; questions are
  // agreed to, messages collected, and no dialog is shown.
  struct Fixture : kes::test::ControllerWithSettings {
    int dialogs = 0;
    Fixture() {
      app.dirs = kes::test::builtDataDirs(data);
      app.window.autoPlay = false;
      app.config.put(kes::Field::DealAnimation, "N");
      app.config.put(kes::Field::UseDefaultBackground, "Y");
      app.config.put(kes::Field::PlayerName, "Ann");
      app.config.put(kes::Field::ScoringSystem, "01");
      makeController();
      controller->setQuestion([](const QString&) { return true; });
      controller->setDisplayWidth([] { return 1024; });
      controller->setDialogRunner([this](QDialog&) {
        ++dialogs;
        return int(QDialog::Rejected);
      });
    }
    [[nodiscard]] bool start(int game, const char* deal = kDealOne) {
      return kes::test::showTable(window, *controller) && controller->startGame(game, deal);
    }
    kes::StatisticsFiles& files() { return controller->statisticsFiles(); }
    kes::PlayerGameStats stats(int game, const std::string& player) {
      return kes::readPlayerGameStats(files(), game, player);
    }
  };

 private slots:
  void aWonGameIsCountedAndLoggedAsWon() {
    Fixture f;
    f.app.config.put(kes::Field::WinningAnimation, "N");
    f.controller->applyAnimationPreferences();
    QVERIFY(f.start(kFreeCell));
    kes::test::oneMoveFromWinning(*f.controller);
    QVERIFY(f.controller->session().doubleClick(52));
    QVERIFY(!f.controller->session().state().inProgress);
    const auto log = logLines(f.files());
    QCOMPARE(log.size(), std::size_t{1});
    QCOMPARE(log[0].game, std::string("0001"));
    QCOMPARE(log[0].player, std::string("Ann"));
    QCOMPARE(log[0].result, std::string("Won  "));
    QCOMPARE(log[0].deal, std::string("0000000000001  "));
    QCOMPARE(f.stats(kFreeCell, "Ann").won, 1LL);
    QCOMPARE(f.app.config.get(kes::Field::CurrentWins), std::string("0001"));
    QTRY_VERIFY(!f.controller->table().animating());
  }

  // Each way of leaving a game records it as lost, under the game, deal and
  // player it was played with, never the one that takes its place.
  void abandoningRecordsTheOldGameUnderItsOwnIdentity() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    QVERIFY(f.controller->startChosenGame(kSpider, "Ann", false));  // another game
    f.controller->newGame();                                        // a new deal of Spider
    const std::string spiderDeal = f.controller->dealNumber();
    QVERIFY(f.controller->startChosenGame(kSpider, "Bob", false));  // another player
    f.controller->restartGame();                                    // the same deal again
    f.controller->quitGame();
    const auto log = logLines(f.files());
    QCOMPARE(log.size(), std::size_t{5});
    QCOMPARE(log[0].game, std::string("0001"));
    QCOMPARE(log[0].deal.substr(0, 13), std::string(kDealOne));
    QCOMPARE(log[1].game, std::string("0004"));
    QCOMPARE(log[2].deal.substr(0, 13), spiderDeal);
    QCOMPARE(log[2].player, std::string("Ann"));
    QCOMPARE(log[3].player, std::string("Bob"));
    QCOMPARE(log[4].player, std::string("Bob"));
    QCOMPARE(log[3].deal, log[4].deal);
    for (const LogFields& line : log) QCOMPARE(line.result, std::string("Lost "));
    QCOMPARE(f.stats(kFreeCell, "Ann").lost, 1LL);
    QCOMPARE(f.stats(kSpider, "Ann").lost, 2LL);
    QCOMPARE(f.stats(kSpider, "Bob").lost, 2LL);
    // The session counts start again with the new player.
    QCOMPARE(f.app.config.get(kes::Field::CurrentLosses), std::string("0002"));
  }

  // A game ended before the record changed is not recorded again, and a
  // caller that changes the identity first still records the old game as
  // it was dealt.
  void theIdentityIsTheOneTheDealWasMadeWith() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    f.app.config.put(kes::Field::PlayerName, "Carl");
    f.app.config.put(kes::Field::DealNumber, kDealTwo);
    f.controller->recordGameInProgress();
    f.controller->recordGameInProgress();
    const auto log = logLines(f.files());
    QCOMPARE(log.size(), std::size_t{1});
    QCOMPARE(log[0].player, std::string("Ann"));
    QCOMPARE(log[0].deal.substr(0, 13), std::string(kDealOne));
  }

  void aChosenNumberAndARandomGameRecordTheGameTheyReplace() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    f.controller->setDialogRunner([](QDialog& dialog) {
      auto* number = dynamic_cast<kes::TfrmSelectGameNumber*>(&dialog);
      if (!number) return int(QDialog::Rejected);
      number->numberBox()->setEditText("2");
      dialog.findChild<QPushButton*>("btnOk")->click();
      return dialog.result();
    });
    f.controller->selectGameNumber();
    QCOMPARE(f.controller->dealNumber(), std::string(kDealTwo));
    // A random pick of the game being played changes nothing; another one
    // records it.
    for (int tries = 0; tries < 100 && f.app.config.get(kes::Field::CurrentGame) == "1"; ++tries)
      f.controller->randomGame();
    QVERIFY(f.app.config.get(kes::Field::CurrentGame) != "1");
    const auto log = logLines(f.files());
    QCOMPARE(log.size(), std::size_t{2});
    QCOMPARE(log[0].deal.substr(0, 13), std::string(kDealOne));
    QCOMPARE(log[1].deal.substr(0, 13), std::string(kDealTwo));
  }

  void closingTheWindowRecordsTheGameInProgress() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    f.window.close();
    QVERIFY(!f.controller->session().state().inProgress);
    const auto log = logLines(f.files());
    QCOMPARE(log.size(), std::size_t{1});
    QCOMPARE(log[0].result, std::string("Lost "));
    QCOMPARE(f.dialogs, 0);
  }

  void aNameTheFilesCannotHoldIsRefused() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    QVERIFY(!f.controller->startChosenGame(kFreeCell, "A=B", false));
    QCOMPARE(f.information.size(), 1);
    QVERIFY(f.controller->session().state().inProgress);
    QCOMPARE(f.app.config.get(kes::Field::PlayerName), std::string("Ann"));
    QVERIFY(logLines(f.files()).empty());
  }

  // A disk that fails keeps the records the player had, and says so once,
  // though the log and the player's record both fail.
  void aFailedWriteLeavesTheOldFilesAndTellsOnce() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    QVERIFY(f.controller->startChosenGame(kFreeCell, "Bob", false));
    const auto stat = kes::readFileBytes(f.files().stat());
    const auto log = kes::readFileBytes(f.files().log());
    QVERIFY(stat && stat->find("Ann=") != std::string::npos && stat->find("Bob=") == std::string::npos);
    QVERIFY(log);
    kes::testing::FailingFileSystem failing(kes::testing::FailingFileSystem::Step::Write);
    f.files().fs = &failing;
    f.controller->newGame();
    f.files().fs = &kes::realFileSystem();
    QCOMPARE(kes::readFileBytes(f.files().stat()), stat);
    QCOMPARE(kes::readFileBytes(f.files().log()), log);
    QCOMPARE(f.information.size(), 1);
    QVERIFY(f.information[0].startsWith("Write error on file"));
    // The next game is recorded again.
    f.controller->newGame();
    QCOMPARE(f.stats(kFreeCell, "Bob").lost, 1LL);
  }
};

QTEST_MAIN(GameRecorderTest)
#include "game_recorder_test.moc"
