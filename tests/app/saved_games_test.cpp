#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "app/game_controller.h"
#include "app/game_selection.h"
#include "app/main_window.h"
#include "app/saved_games.h"
#include "app/startup/preference_table.h"
#include "datafiles/config_field.h"
#include "datafiles/custom_game_record.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/data_file_helpers.h"
#include "datafiles/saved_game_file.h"
#include "datafiles/settings_file.h"
#include "engine/snapshot.h"
#include "selection/frm_open_game.h"
#include "table_test_support.h"

namespace {

namespace Field = kes::Field;

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;

// A window and controller over the built data whose file dialogs and
// questions the test answers: each file dialog chooses the next of `files`
// (none left: cancelled), each message box gets the next of `answers`
// (none left: Cancel).
struct Fixture : kes::test::ControllerWithSettings {
  QStringList files;
  QList<int> answers;
  QStringList boxes;
  QStringList fileDialogs;
  QStringList questions;

  Fixture() {
    app.dirs = kes::test::builtDataDirs(data);
    app.config.put(Field::PlayerName, "Ann");
    app.config.put(Field::ConfirmQuitGame, "Y");
    app.config.put(Field::CardSize, "B");
    makeController();
    controller->setDisplayWidth([] { return 1024; });
    controller->table().animation.dealAnimation = false;
    controller->table().animation.cardsAnimate = false;
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
      if (!chooser) return int(QDialog::Rejected);
      fileDialogs << chooser->windowTitle() + "|" + chooser->directory().absolutePath();
      if (files.isEmpty()) return int(QDialog::Rejected);
      chooser->selectFile(files.takeFirst());
      return int(QDialog::Accepted);
    });
  }
  QString file(const char* name) const { return QString::fromStdString((data.path() / name).string()); }
  QString folder() const { return QString::fromStdString(data.path().string()); }
  kes::GameState& game() { return controller->session().state(); }
  kes::Snapshot table() { return kes::takeSnapshot(game().table); }
  bool enabled(const char* item) const { return window.menuAction(item)->isEnabled(); }
  QString panel(const char* label) const { return window.findChild<QLabel*>(label)->text(); }
  void save(const char* name) {
    files << file(name);
    controller->savedGames().save();
  }
  bool load(const char* name) {
    files << file(name);
    return controller->savedGames().load();
  }
  // A deal at once, without automatic moves.
  bool deal(int number, const char* dealNumber) {
    if (!controller->startGame(number, dealNumber)) return false;
    game().prefs.autoplay = false;
    return true;
  }
};

// Presses on the stock: moves of the game's history that change the table.
void pressStock(kes::GameSession& session, int times) {
  for (int i = 0; i < times; ++i) {
    const kes::GameState& g = session.state();
    session.press(g.table.pile(kes::PileId::stock()).top(), kes::PileId::stock());
    session.release();
  }
}

// The rules a custom game may change, and the game's shape.
bool sameRules(const kes::GameParams& a, const kes::GameParams& b) {
  for (const int entry : {kes::Param::CardsPerStockPress, kes::Param::StockPasses,
                          kes::Param::EmptyTableauFillSource, kes::Param::TableauCount, kes::Param::Family})
    if (a[entry] != b[entry]) return false;
  return true;
}

}  // namespace

class SavedGamesTest : public QObject {
  Q_OBJECT

 private slots:
  void saveFollowsTheGameCommands() {
    Fixture f;
    QVERIFY(!f.enabled("mnuSave"));
    QVERIFY(f.deal(kFreeCell, "0000000000001"));
    QVERIFY(f.enabled("mnuSave"));
    // The menu item and the toolbar button lead to the save dialog.
    f.window.menuAction("mnuSave")->trigger();
    QCOMPARE(f.fileDialogs, QStringList{"Save game|" + f.folder()});
  }

  // Saving leaves the game as it was, redo included; loading gives back the
  // table, the history, the counters and the clock, and the game goes on
  // with undo intact and an empty redo history.
  void aSavedGameIsLoadedWithItsHistory() {
    Fixture f;
    QVERIFY(f.deal(kKlondike, "0000000000007"));
    pressStock(f.controller->session(), 2);
    const kes::Snapshot beforeLast = f.table();
    pressStock(f.controller->session(), 2);
    f.controller->undo();
    const int score = f.game().score;
    f.game().passNumber = 2;
    f.controller->session().clock().startFrom(std::chrono::seconds(125));
    const kes::Snapshot saved = f.table();
    const kes::HistoryStack history = f.game().history.undo;
    QVERIFY(f.enabled("mnuRedo"));

    f.save("one.gam");
    QVERIFY(QFileInfo::exists(f.file("one.gam")));
    QCOMPARE(f.table(), saved);
    QVERIFY(f.enabled("mnuRedo"));
    QCOMPARE(f.settings.readString(kes::kPreferenceSection, "Dir_Save", ""), f.data.path().string());

    QVERIFY(f.deal(kKlondike, "0000000000003"));
    pressStock(f.controller->session(), 1);
    const std::string lossesBefore = f.app.config.get(Field::CurrentLosses);
    QVERIFY(f.load("one.gam"));
    QCOMPARE(f.fileDialogs.value(1), "Open game|" + f.folder());
    QCOMPARE(f.questions, QStringList{"Quit this game?"});
    QCOMPARE(f.app.config.get(Field::DealNumber), std::string("0000000000007"));
    QVERIFY(f.window.windowTitle().contains("0000000000007"));
    QCOMPARE(f.table(), saved);
    QCOMPARE(f.game().history.undo.snapshots, history.snapshots);
    QCOMPARE(f.game().history.undo.log.text(), history.log.text());
    QVERIFY(f.game().history.redo.empty());
    QVERIFY(f.game().inProgress);
    QCOMPARE(f.game().score, score);
    QCOMPARE(f.panel("lblScore"), QString::number(score));
    QCOMPARE(f.game().passNumber, 2);
    QVERIFY(f.controller->session().clock().running());
    QVERIFY(f.controller->session().clock().elapsed() >= std::chrono::seconds(125));
    QVERIFY(f.panel("lblTempo").startsWith("0:02:0"));
    QVERIFY(f.enabled("mnuUndo"));
    QVERIFY(!f.enabled("mnuRedo"));
    f.controller->undo();
    QCOMPARE(f.table(), beforeLast);
    // The game given up for the file was recorded as lost.
    QCOMPARE(std::stoi(f.app.config.get(Field::CurrentLosses)), std::stoi(lossesBefore) + 1);
  }

  void replacingAFileAsksAndNoChoosesAgain() {
    Fixture f;
    QVERIFY(f.deal(kFreeCell, "0000000000001"));
    kes::testing::writeBytes(f.data.path() / "old.gam", "old");
    f.files << f.file("old.gam") << f.file("new.gam");
    f.answers << int(QMessageBox::No);
    f.controller->savedGames().save();
    QCOMPARE(f.boxes.size(), 1);
    QCOMPARE(f.boxes[0], f.file("old.gam") + "\nThis file already exists.\nReplace existing file?");
    QCOMPARE(f.fileDialogs.size(), 2);
    QCOMPARE(kes::testing::readBytes(f.data.path() / "old.gam"), std::string("old"));
    QVERIFY(QFileInfo::exists(f.file("new.gam")));
    // Cancel writes nothing.
    f.answers << int(QMessageBox::Cancel);
    f.save("old.gam");
    QCOMPARE(f.fileDialogs.size(), 3);
    QCOMPARE(kes::testing::readBytes(f.data.path() / "old.gam"), std::string("old"));
    // Yes replaces it, and nothing is left beside it.
    f.answers << int(QMessageBox::Yes);
    f.save("old.gam");
    QVERIFY(kes::testing::readBytes(f.data.path() / "old.gam").rfind("[S-0302]0001", 0) == 0);
    QStringList left = QDir(f.folder()).entryList({"*.gam*"}, QDir::Files);
    left.sort();
    QCOMPARE(left, QStringList({"new.gam", "old.gam"}));
  }

  void theDialogsStartInTheFolderOfTheLastFile() {
    Fixture f;
    QVERIFY(f.deal(kFreeCell, "0000000000001"));
    const std::filesystem::path games = f.data.path() / "games";
    std::filesystem::create_directory(games);
    f.files << QString::fromStdString((games / "a.gam").string());
    f.controller->savedGames().save();
    f.save("b.gam");
    QVERIFY(!f.controller->savedGames().load());
    QCOMPARE(f.fileDialogs, QStringList({"Save game|" + f.folder(),
                                         "Save game|" + QString::fromStdString(games.string()), "Open game|" + f.folder()}));
  }

  void aMissingFileIsToldAndChangesNothing() {
    Fixture f;
    QVERIFY(f.deal(kFreeCell, "0000000000001"));
    const kes::Snapshot before = f.table();
    QVERIFY(!f.load("none.gam"));
    QCOMPARE(f.information, QStringList{"File not found: " + f.file("none.gam")});
    QVERIFY(f.questions.isEmpty());
    QVERIFY(f.game().inProgress);
    QCOMPARE(f.table(), before);
  }

  // The question to give the game up comes only after the file has been
  // read and found sound; a damaged file is refused with its name and what
  // is wrong, and the game in progress goes on unrecorded.
  void aDamagedFileIsRefusedBeforeAnyQuestion_data() {
    QTest::addColumn<QString>("cut");
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("card twice") << "card twice";
    QTest::newRow("no such game") << "no such game";
  }
  void aDamagedFileIsRefusedBeforeAnyQuestion() {
    QFETCH(QString, cut);
    Fixture f;
    QVERIFY(f.deal(kKlondike, "0000000000005"));
    f.save("good.gam");
    std::string bytes = kes::testing::readBytes(f.data.path() / "good.gam");
    if (cut == "truncated") bytes.resize(bytes.size() / 3);
    if (cut == "no such game") bytes.replace(8, 4, "0999");
    if (cut == "card twice") {
      // The first card of tableau pile 3 (line 34) also lies on pile 2.
      std::size_t line = 0;
      for (int i = 1; i < 33; ++i) line = bytes.find("\r\n", line) + 2;
      bytes.replace(line, 4, bytes.substr(bytes.find("\r\n", line) + 2, 4));
    }
    kes::testing::writeBytes(f.data.path() / "bad.gam", bytes);
    QVERIFY(f.deal(kFreeCell, "0000000000001"));
    const kes::Snapshot before = f.table();
    const std::string losses = f.app.config.get(Field::CurrentLosses);
    QVERIFY(!f.load("bad.gam"));
    QCOMPARE(f.information.size(), 1);
    QVERIFY2(f.information[0].contains(f.file("bad.gam")), qPrintable(f.information[0]));
    QVERIFY(f.questions.isEmpty());
    QVERIFY(f.game().inProgress);
    QCOMPARE(f.table(), before);
    QCOMPARE(f.app.config.get(Field::CurrentGame), std::string("1"));
    QCOMPARE(f.app.config.get(Field::CurrentLosses), losses);
  }

  // A file of another game switches the game and the player, and the
  // session's counters start afresh.
  void anotherGamesFileSwitchesGameAndPlayer() {
    Fixture f;
    QVERIFY(f.deal(kKlondike, "0000000000005"));
    f.app.config.put(Field::PlayerName, "Bob");
    f.save("bob.gam");
    f.app.config.put(Field::PlayerName, "Ann");
    QVERIFY(f.deal(kFreeCell, "0000000000001"));
    f.app.config.put(Field::CurrentWins, "0003");
    QVERIFY(f.load("bob.gam"));
    QCOMPARE(f.questions.size(), 1);
    QCOMPARE(f.app.config.get(Field::PlayerName), std::string("Bob"));
    QCOMPARE(f.settings.readString(kes::kPreferenceSection, "UserDefault", ""), std::string("Bob"));
    QCOMPARE(f.app.config.get(Field::CurrentGame), std::string("2"));
    QCOMPARE(f.app.config.get(Field::CurrentWins), std::string("0000"));
    QCOMPARE(f.app.config.get(Field::CurrentLosses), std::string("0000"));
    QVERIFY(f.window.windowTitle().contains("[Bob]"));
    QVERIFY(sameRules(f.game().params, *f.controller->paramsOf(kKlondike)));
  }

  // A custom game is loaded with its own rules, not its base game's.
  void aCustomGameIsLoadedWithItsRules() {
    Fixture f;
    kes::test::IgnoredMessages messages;
    const auto custom =
        kes::addCustomGame(f.app.customGamesPath(), "Three Redeal Klondike", kKlondike, kes::customRuleString(3, 4, 2),
                           messages);
    QVERIFY(custom);
    const kes::GameParams rules = *f.controller->paramsOf(*custom);
    QVERIFY(!sameRules(rules, *f.controller->paramsOf(kKlondike)));
    QVERIFY(f.deal(*custom, "0000000000009"));
    pressStock(f.controller->session(), 2);
    const kes::Snapshot saved = f.table();
    f.save("custom.gam");
    QVERIFY(f.deal(kKlondike, "0000000000009"));
    QVERIFY(f.load("custom.gam"));
    QCOMPARE(f.app.config.get(Field::CurrentGame), std::to_string(*custom));
    QCOMPARE(f.app.config.get(Field::GameTitle), std::string("Three Redeal Klondike"));
    QVERIFY(sameRules(f.game().params, rules));
    QCOMPARE(f.table(), saved);
  }

  // "Open a sa&ved game..." in the selection dialog: the dialog closes once
  // a game was loaded, and stays open when the player cancelled.
  void theSelectionDialogOpensASavedGame() {
    Fixture f;
    QVERIFY(f.deal(kKlondike, "0000000000005"));
    const kes::Snapshot saved = f.table();
    f.save("sel.gam");
    QVERIFY(f.deal(kFreeCell, "0000000000001"));
    kes::GameSelection selection(f.window, *f.controller, &f.settings);
    QList<int> results;
    int loadsWanted = 0;
    selection.setDialogRunner([&](QDialog& dialog) {
      auto* open = dialog.findChild<QPushButton*>("btnOpen");
      if (!open) return int(QDialog::Rejected);
      dialog.setResult(QDialog::Rejected);
      if (!open->isEnabled()) return -1;
      if (loadsWanted-- > 0) f.files << f.file("sel.gam");
      open->click();
      results << dialog.result();
      return dialog.result();
    });
    selection.openGameSelection();
    loadsWanted = 1;
    selection.openGameSelection();
    QCOMPARE(results, QList<int>({int(QDialog::Rejected), int(QDialog::Accepted)}));
    QCOMPARE(f.app.config.get(Field::CurrentGame), std::string("2"));
    QCOMPARE(f.table(), saved);
  }
};

QTEST_MAIN(SavedGamesTest)
#include "saved_games_test.moc"
