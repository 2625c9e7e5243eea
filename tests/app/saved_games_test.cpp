#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/startup/preference_table.h"
#include "datafiles/config_field.h"
#include "datafiles/saved_game_file.h"
#include "datafiles/settings_file.h"
#include "engine/snapshot.h"
#include "datafiles/data_file_helpers.h"
#include "table_test_support.h"

namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;

// A window and controller over the built data whose file dialogs and
// questions are answered by the test: each file dialog chooses the next of
// `files` (none left: cancelled), each message box gets the next of `answers`.
struct Fixture : kes::test::ControllerWithSettings {
  QStringList files;
  QList<int> answers;
  QStringList boxes;
  QStringList dialogTitles;
  QStringList questions;

  Fixture() {
    app.dirs = kes::test::builtDataDirs(data);
    app.config.put(kes::Field::PlayerName, "Ann");
    app.config.put(kes::Field::ConfirmQuitGame, "Y");
    app.config.put(kes::Field::CardSize, "B");
    makeController();
    controller->setDisplayWidth([] { return 1024; });
    controller->setQuestion([this](const QString& text) {
      questions << text;
      return true;
    });
    controller->setDialogRunner([this](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        boxes << box->text();
        return answers.isEmpty() ? int(QMessageBox::Cancel) : answers.takeFirst();
      }
      auto* chooser = qobject_cast<QFileDialog*>(&dialog);
      if (!chooser || files.isEmpty()) return int(QDialog::Rejected);
      dialogTitles << chooser->windowTitle() + "|" + chooser->directory().absolutePath();
      chooser->selectFile(files.takeFirst());
      return int(QDialog::Accepted);
    });
  }
  QString file(const char* name) const { return QString::fromStdString((data.path() / name).string()); }
  kes::GameState& game() { return controller->session().state(); }
  bool enabled(const char* item) const { return window.menuAction(item)->isEnabled(); }
};

// A few moves of any kind that change the table: presses on the stock.
void playSomeMoves(kes::GameSession& session) {
  for (int i = 0; i < 3; ++i) {
    const kes::GameState& g = session.state();
    session.press(g.table.pile(kes::PileId::stock()).top(), kes::PileId::stock());
    session.release();
  }
}

}  // namespace

class SavedGamesTest : public QObject {
  Q_OBJECT

 private slots:
  void saveIsEnabledWithAGame() {
    Fixture f;
    QVERIFY(!f.enabled("mnuSave"));
    QVERIFY(f.controller->startGame(kFreeCell, "0000000000001"));
    QVERIFY(f.enabled("mnuSave"));
  }

  void saveThenLoadGivesBackTheGameWithUndo() {
    Fixture f;
    QVERIFY(f.controller->startGame(kKlondike, "0000000000007"));
    f.game().prefs.autoplay = false;
    playSomeMoves(f.controller->session());
    const kes::Snapshot saved = kes::takeSnapshot(f.game().table);
    const auto history = f.game().history.undo.snapshots;
    QVERIFY(!history.empty());
    f.files << f.file("one.gam");
    f.controller->saveGame();
    QVERIFY(QFileInfo::exists(f.file("one.gam")));
    QCOMPARE(f.settings.readString(kes::kPreferenceSection, "Dir_Save", ""), f.data.path().string());
    QVERIFY(f.dialogTitles.value(0).startsWith("Save game|"));

    QVERIFY(f.controller->startGame(kFreeCell, "0000000000003"));
    f.files << f.file("one.gam");
    QVERIFY(f.controller->loadGame());
    QCOMPARE(f.dialogTitles.value(1), "Open game|" + QString::fromStdString(f.data.path().string()));
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("2"));
    QCOMPARE(f.app.config.get(kes::Field::DealNumber), std::string("0000000000007"));
    QCOMPARE(kes::takeSnapshot(f.game().table), saved);
    QCOMPARE(f.game().history.undo.snapshots, history);
    QVERIFY(f.game().inProgress);
    QVERIFY(f.enabled("mnuUndo"));
    f.controller->undo();
    QCOMPARE(kes::takeSnapshot(f.game().table), history.back());
  }

  void replacingAsksAndNoChoosesAgain() {
    Fixture f;
    QVERIFY(f.controller->startGame(kFreeCell, "0000000000001"));
    kes::testing::writeBytes(f.data.path() / "old.gam", "old");
    f.files << f.file("old.gam") << f.file("new.gam");
    f.answers << int(QMessageBox::No);
    f.controller->saveGame();
    QCOMPARE(f.boxes.size(), 1);
    QVERIFY(f.boxes[0].endsWith("old.gam\nThis file already exists.\nReplace existing file?"));
    QCOMPARE(kes::testing::readBytes(f.data.path() / "old.gam"), std::string("old"));
    QVERIFY(QFileInfo::exists(f.file("new.gam")));
    // Cancel writes nothing.
    f.files << f.file("old.gam");
    f.answers << int(QMessageBox::Cancel);
    f.controller->saveGame();
    QCOMPARE(kes::testing::readBytes(f.data.path() / "old.gam"), std::string("old"));
    // Yes replaces it.
    f.files << f.file("old.gam");
    f.answers << int(QMessageBox::Yes);
    f.controller->saveGame();
    QVERIFY(kes::testing::readBytes(f.data.path() / "old.gam").rfind("[S-0302]0001", 0) == 0);
  }

  void aMissingFileIsToldAndChangesNothing() {
    Fixture f;
    QVERIFY(f.controller->startGame(kFreeCell, "0000000000001"));
    const kes::Snapshot before = kes::takeSnapshot(f.game().table);
    f.files << f.file("none.gam");
    QVERIFY(!f.controller->loadGame());
    QCOMPARE(f.information, QStringList{"File not found: " + f.file("none.gam")});
    QVERIFY(f.questions.isEmpty());
    QVERIFY(f.game().inProgress);
    QCOMPARE(kes::takeSnapshot(f.game().table), before);
  }

  // The question to give the game up comes only after the file was read and
  // found sound; a damaged file is refused with its name, and nothing is recorded.
  void aDamagedFileIsRefusedBeforeAnyQuestion() {
    Fixture f;
    QVERIFY(f.controller->startGame(kFreeCell, "0000000000001"));
    kes::testing::writeBytes(f.data.path() / "bad.gam", "[S-0302]0001\r\n");
    f.files << f.file("bad.gam");
    QVERIFY(!f.controller->loadGame());
    QCOMPARE(f.information.size(), 1);
    QVERIFY(f.information[0].contains(f.file("bad.gam")));
    QVERIFY(f.questions.isEmpty());
    QVERIFY(f.game().inProgress);
    QCOMPARE(f.app.config.get(kes::Field::CurrentLosses), std::string("0000"));
  }

  // A file of another game switches the game and the player, and the
  // counters of the session start afresh; the game given up is recorded.
  void anotherGamesFileSwitchesGameAndPlayer() {
    Fixture f;
    QVERIFY(f.controller->startGame(kKlondike, "0000000000005"));
    f.app.config.put(kes::Field::PlayerName, "Bob");
    f.files << f.file("bob.gam");
    f.controller->saveGame();
    f.app.config.put(kes::Field::PlayerName, "Ann");
    QVERIFY(f.controller->startGame(kFreeCell, "0000000000001"));
    f.app.config.put(kes::Field::CurrentWins, "0003");
    f.files << f.file("bob.gam");
    QVERIFY(f.controller->loadGame());
    QCOMPARE(f.questions.size(), 1);
    QCOMPARE(f.app.config.get(kes::Field::PlayerName), std::string("Bob"));
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("2"));
    QCOMPARE(f.app.config.get(kes::Field::CurrentWins), std::string("0000"));
    QVERIFY(f.window.windowTitle().contains("[Bob]"));
    QCOMPARE(f.game().params[kes::Param::TableauCount], 7);
  }
};

QTEST_MAIN(SavedGamesTest)
#include "saved_games_test.moc"
