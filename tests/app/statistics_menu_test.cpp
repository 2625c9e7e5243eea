// The statistics menu, F4, the toolbar's statistics button and the players
// item open their dialogs over the window, through the controller's dialog
// runner; a change of player records the game in progress for the player
// who played it.
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/statistics_wiring.h"
#include "datafiles/config_field.h"
#include "datafiles/file_text.h"
#include "datafiles/game_log_line.h"
#include "datafiles/player_roster.h"
#include "stats/frm_operatori.h"
#include "table_test_support.h"

namespace {

constexpr int kKlondike = 2;

}  // namespace

class StatisticsMenuTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture : kes::test::ControllerWithSettings {
    Fixture() {
      app.dirs = kes::test::builtDataDirs(data);
      app.window.autoPlay = false;
      app.config.put(kes::Field::DealAnimation, "N");
      app.config.put(kes::Field::UseDefaultBackground, "Y");
      app.config.put(kes::Field::PlayerName, "Anna");
      settings.writeStrings(kes::kUsersSection, kes::userEntries({"Anna", "Bob"}));
      makeController();
      controller->setQuestion([this](const QString& text) {
        questions << text;
        return true;
      });
      controller->setDisplayWidth([] { return 1024; });
      controller->setDialogRunner([this](QDialog& dialog) {
        opened << QString::fromLatin1(dialog.metaObject()->className());
        return onDialog ? onDialog(dialog) : static_cast<int>(QDialog::Rejected);
      });
      kes::connectStatisticsDialogs(window, *controller, &settings);
    }
    [[nodiscard]] bool start(int game) {
      return kes::test::showTable(window, *controller) && controller->startGame(game, "0000000000001");
    }

    QStringList opened;
    QStringList questions;
    std::function<int(QDialog&)> onDialog;
  };

 private slots:
  void everyStatisticsItemOpensItsDialog();
  void f4AndTheToolbarOpenTheGameStatistics();
  void aPlayerSwitchDuringAGameRecordsItForTheOldPlayer();
};

void StatisticsMenuTest::everyStatisticsItemOpensItsDialog() {
  Fixture f;
  QVERIFY(f.start(kKlondike));
  const std::vector<std::pair<const char*, const char*>> items{
      {"mnuGameStatistics", "kes::TfrmStatistics"},       {"mnuPlayersStatistics", "kes::TfrmStatisOperat"},
      {"mnuAllGamesStatistics", "kes::TfrmStatisGiochi"}, {"mnuLogStatistics", "kes::TfrmStatisLog"},
      {"mnuOverallScore", "kes::TfrmStatisOverall"},      {"mnuPlayers", "kes::TfrmOperatori"}};
  for (const auto& [item, dialog] : items) {
    QAction* action = f.window.menuAction(item);
    QVERIFY2(action && action->isEnabled(), item);
    action->trigger();
    QCOMPARE(f.opened.last(), QString(dialog));
  }
}

void StatisticsMenuTest::f4AndTheToolbarOpenTheGameStatistics() {
  Fixture f;
  QVERIFY(f.start(kKlondike));
  f.window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&f.window));
  QTest::keyClick(&f.window, Qt::Key_F4);
  QCOMPARE(f.opened, QStringList({"kes::TfrmStatistics"}));
  auto* button = f.window.findChild<QToolButton*>("tbStat");
  QVERIFY(button && button->isEnabled());
  button->click();
  QCOMPARE(f.opened.size(), 2);
  QCOMPARE(f.opened.last(), QString("kes::TfrmStatistics"));
}

void StatisticsMenuTest::aPlayerSwitchDuringAGameRecordsItForTheOldPlayer() {
  Fixture f;
  QVERIFY(f.start(kKlondike));
  QVERIFY(f.controller->session().state().inProgress);
  f.onDialog = [](QDialog& dialog) {
    auto* players = qobject_cast<kes::TfrmOperatori*>(&dialog);
    if (!players) return static_cast<int>(QDialog::Rejected);
    players->list()->setCurrentItem(players->list()->findItems("Bob", Qt::MatchExactly).front());
    players->selectPlayer();
    return players->result();
  };
  QSignalSpy choices(f.controller.get(), &kes::GameController::gameSelectionWanted);
  f.window.menuAction("mnuPlayers")->trigger();
  QCOMPARE(f.questions, QStringList({"Start new game for player Bob?"}));
  const auto log = kes::readFileBytes(f.data.path() / "DATA" / "STAT_LOG.DAT");
  QVERIFY(log);
  const auto line = kes::GameLogLine::parse(*log);
  QVERIFY(line);
  QCOMPARE(line->player, std::string("Anna"));
  QCOMPARE(line->game, kKlondike);
  QCOMPARE(line->dealNumber, std::string("0000000000001"));
  QCOMPARE(f.app.config.get(kes::Field::PlayerName), std::string("Bob"));
  QCOMPARE(f.settings.readString("Preference", "UserDefault", ""), std::string("Bob"));
  QVERIFY(f.window.windowTitle().contains("Bob"));
  // The new player chooses a game from an empty table.
  QCOMPARE(choices.count(), 1);
  QVERIFY(!f.controller->session().state().inProgress);
}

QTEST_MAIN(StatisticsMenuTest)
#include "statistics_menu_test.moc"
