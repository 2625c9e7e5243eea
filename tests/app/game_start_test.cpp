#include <QtTest>

#include "app/game_caption.h"
#include "app/game_controller.h"
#include "app/game_numbers.h"
#include "app/main_window.h"
#include "app/select_game_number.h"
#include "app/small_screen.h"
#include "app/startup/preference_table.h"
#include "app/window/menu_table.h"
#include "datafiles/config_field.h"
#include "datafiles/settings_file.h"
#include "display/resources/resource_library.h"
#include "table_test_support.h"
#include "test_temp_dir.h"

#include <QComboBox>
#include <QMessageBox>

namespace {

constexpr int kFreeCell = 1;
constexpr int kSpider = 4;  // needs a wide display

std::string number(int n) { return std::string(13 - std::to_string(n).size(), '0') + std::to_string(n); }

}  // namespace

class GameStartTest : public QObject {
  Q_OBJECT

 private:
  // One window and controller over the built data, with its own settings.
  struct Fixture : kes::test::ControllerWithSettings {
    QStringList questions;
    bool answer = true;

    Fixture() {
      app.dirs = kes::test::builtDataDirs(data);
      app.config.put(kes::Field::PlayerName, "Ann");
      app.config.put(kes::Field::ConfirmQuitGame, "Y");
      app.config.put(kes::Field::CardSize, "B");
      app.config.put(kes::Field::FaceSet, "001");
      app.config.put(kes::Field::BackDesign, "011");
      app.config.put(kes::Field::UndoMode, "0");
      app.config.put(kes::Field::AutomaticFaceUp, "Y");
      makeController();
      controller->setQuestion([this](const QString& text) {
        questions << text;
        return answer;
      });
      controller->setDisplayWidth([] { return 1024; });
    }
    bool enabled(const char* item) const { return window.menuAction(item)->isEnabled(); }
  };

  static bool isLaterFeature(const char* item) {
    for (const kes::MenuEntry& entry : kes::mainMenuTable())
      if (qstrcmp(entry.name, item) == 0) return entry.laterFeature != nullptr;
    return false;
  }

 private slots:
  void theCaptionNamesGamePlayerAndDeal() {
    Fixture f;
    QVERIFY2(f.controller->ready(), qPrintable(f.controller->error()));
    QVERIFY(f.controller->startGame(kFreeCell, number(42)));
    QCOMPARE(f.window.windowTitle(), QString("Kestrova 2000 [FreeCell]  [Ann]  [0000000000042]"));
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("1"));
    QCOMPARE(f.app.config.get(kes::Field::GameTitle), std::string("FreeCell"));
    QCOMPARE(f.app.config.get(kes::Field::DealNumber), std::string("0000000000042"));
    QCOMPARE(f.app.config.get(kes::Field::GameScore), std::to_string(f.controller->session().state().score));
  }

  void theCaptionCutsLongNamesAndLeavesOutAMissingDeal() {
    const std::string title(60, 't');
    const std::string player(40, 'p');
    QCOMPARE(kes::gameCaption(title, player, ""),
             "Kestrova 2000 [" + QString(50, 't') + "]  [" + QString(30, 'p') + "]");
  }

  void dealtNumbersAreRememberedMostRecentFirstWithoutRepeats() {
    Fixture f;
    for (int n : {5, 7, 5}) QVERIFY(f.controller->startGame(kFreeCell, number(n)));
    QCOMPARE(f.settings.readString("Game_Numbers", "Game001", ""), number(5));
    QCOMPARE(f.settings.readString("Game_Numbers", "Game002", ""), number(7));
    QCOMPARE(f.settings.readString("Game_Numbers", "Game003", ""), std::string());
    QCOMPARE(kes::recentDealNumbers(f.settings), (std::vector<std::string>{number(5), number(7)}));
  }

  void aFullListDropsTheOldestAndClosesUpRepeats() {
    std::vector<std::string> list;
    for (int n = 1; n <= kes::kRememberedDealNumbers; ++n) list.push_back(number(n));
    const auto fresh = kes::withDealNumberFirst(list, number(99));
    QCOMPARE(fresh.size(), std::size_t(20));
    QCOMPARE(fresh.front(), number(99));
    QCOMPARE(fresh.back(), number(19));
    list[3] = number(1);  // a repeat left by an older version of the list
    const auto moved = kes::withDealNumberFirst(list, number(1));
    QCOMPARE(moved[0], number(1));
    QCOMPARE(moved[1], number(2));
    QCOMPARE(moved[2], number(3));
    QCOMPARE(moved[3], number(5));
    QCOMPARE(moved[18], number(20));
    QCOMPARE(moved[19], std::string());
  }

  void theGameNumberDialogListsTheRememberedNumbers() {
    Fixture f;
    // This dialog is answered on the screen, as the player would.
    f.controller->setDialogRunner([](QDialog& dialog) { return dialog.exec(); });
    for (int n : {5, 7, 9}) QVERIFY(f.controller->startGame(kFreeCell, number(n)));
    QStringList listed;
    QString shown;
    QTimer::singleShot(0, [&] {
      kes::TfrmSelectGameNumber* dialog = nullptr;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<kes::TfrmSelectGameNumber*>(w)) dialog = d;
      QVERIFY(dialog);
      for (int i = 0; i < dialog->numberBox()->count(); ++i) listed << dialog->numberBox()->itemText(i);
      shown = dialog->numberBox()->currentText();
      dialog->reject();
    });
    f.controller->selectGameNumber();
    QCOMPARE(listed, (QStringList{"0000000000009", "0000000000007", "0000000000005"}));
    QCOMPARE(shown, QString("0000000000009"));
  }

  void theNumberBoxTakesWhatIsTyped() {
    Fixture f;
    // This dialog is answered on the screen, as the player would.
    f.controller->setDialogRunner([](QDialog& dialog) { return dialog.exec(); });
    for (const char* n : {"1790899352175", "0000000000123"}) QVERIFY(f.controller->startGame(kFreeCell, n));
    QTimer::singleShot(0, [&] {
      kes::TfrmSelectGameNumber* dialog = nullptr;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<kes::TfrmSelectGameNumber*>(w)) dialog = d;
      QVERIFY(dialog);
      dialog->activateWindow();
      QTest::keyClicks(dialog->numberBox(), "1");
      QCOMPARE(dialog->numberBox()->currentText(), QString("1"));
      QTest::keyClick(dialog->numberBox(), Qt::Key_Return);
      if (dialog->isVisible()) dialog->reject();
    });
    f.controller->selectGameNumber();
    QCOMPARE(f.controller->dealNumber(), std::string("0000000000001"));
  }

  void quittingAGameEndsItAndAsksForTheNextOne() {
    Fixture f;
    QSignalSpy selections(f.controller.get(), &kes::GameController::gameSelectionWanted);
    QVERIFY(f.controller->startGame(kFreeCell, number(3)));
    QVERIFY(f.enabled("mnuNew"));
    f.answer = false;
    f.controller->quitGame();
    QVERIFY(f.controller->session().state().inProgress);
    QVERIFY(f.enabled("mnuQuitGame"));
    QCOMPARE(selections.count(), 0);
    f.answer = true;
    f.controller->quitGame();
    QVERIFY(!f.controller->session().state().inProgress);
    QCOMPARE(selections.count(), 1);
    for (const char* item : {"mnuQuitGame", "mnuPause", "mnuUndo", "mnuRedo"}) QVERIFY2(!f.enabled(item), item);
    // The game stays the current one: it can be dealt anew.
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("1"));
    QVERIFY(f.enabled("mnuNew"));
    QCOMPARE(f.window.windowTitle(), QString("Kestrova 2000 [FreeCell]  [Ann]  [0000000000003]"));
  }

  void closingTheCurrentGameLeavesNoGameSelected() {
    Fixture f;
    QVERIFY(f.controller->startGame(kFreeCell, number(3)));
    f.controller->closeCurrentGame();
    QVERIFY(!f.controller->session().state().inProgress);
    for (const char* item : {"mnuNew", "mnuRestartGame", "mnuQuitGame", "mnuUndo", "mnuRedo", "mnuAutoPlay"})
      QVERIFY2(!f.enabled(item), item);
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("-1"));
    QCOMPARE(f.window.windowTitle(), QString("Kestrova 2000 []  [Ann]  [0000000000003]"));
    // Choosing a game again brings the commands back.
    QVERIFY(f.controller->startChosenGame(kFreeCell, "Ann", false));
    QVERIFY(f.enabled("mnuNew"));
  }

  void givingUpAGameAsksOnlyWhenThePlayerWantsToBeAsked() {
    Fixture f;
    QVERIFY(f.controller->confirmAbandon());
    QVERIFY(f.questions.isEmpty());  // no game in progress
    QVERIFY(f.controller->startGame(kFreeCell, number(8)));
    f.answer = false;
    QVERIFY(!f.controller->confirmAbandon());
    QCOMPARE(f.questions, QStringList{"Quit this game?"});
    QVERIFY(!f.controller->confirmAbandon("Restart?"));
    QCOMPARE(f.questions.last(), QString("Restart?"));
    f.app.config.put(kes::Field::ConfirmQuitGame, "N");
    QVERIFY(f.controller->confirmAbandon());
    const std::string before = f.controller->dealNumber();
    f.controller->newGame();
    QCOMPARE(f.questions.size(), 2);
    QVERIFY(f.controller->dealNumber() != before);
    QVERIFY(f.controller->session().state().inProgress);
    QCOMPARE(kes::recentDealNumbers(f.settings).front(), f.controller->dealNumber());
    f.window.setWinningAnimationRunning(true);
    QVERIFY(!f.controller->confirmAbandon());
  }

  void theControllerPlaysFromTheCatalogueStartUpRead() {
    kes::test::ControllerWithSettings f;
    f.app.dirs = kes::test::builtDataDirs(f.data);
    QVERIFY(f.app.readCatalogue());
    // Start-up's reading is all the controller has: the installation folder
    // it would read again holds no catalogue.
    kes::TempDir emptyInstall;
    f.app.dirs.install = emptyInstall.path();
    auto library = std::make_unique<kes::ResourceLibrary>(qEnvironmentVariable("KESTROVA_TEST_DATA"));
    f.controller = std::make_unique<kes::GameController>(f.window, f.app.dirs, &f.app, &f.settings, std::move(library));
    QVERIFY2(f.controller->ready(), qPrintable(f.controller->error()));
    f.controller->setQuestion([](const QString&) { return true; });
    QVERIFY(f.controller->startGame(kSpider, number(1)));
    QCOMPARE(f.app.config.get(kes::Field::GameTitle), std::string("Spider"));
    f.controller->randomGame();
    QVERIFY(f.app.games.name(std::stoi(f.app.config.get(kes::Field::CurrentGame))) ==
            f.app.config.get(kes::Field::GameTitle));
  }

  void messageBoxesShowTheLineBreaksOfTheirTexts() {
    kes::test::ControllerWithSettings f;
    f.app.dirs = kes::test::builtDataDirs(f.data);
    f.app.config.put(kes::Field::ConfirmQuitGame, "Y");
    f.app.config.put(kes::Field::CardSize, "B");
    f.app.config.put(kes::Field::FaceSet, "001");
    f.app.config.put(kes::Field::BackDesign, "011");
    QVERIFY(f.app.readCatalogue());
    f.controller = std::make_unique<kes::GameController>(f.window, f.app.dirs, &f.app, &f.settings);
    f.controller->setDisplayWidth([] { return 640; });
    // The boxes the controller shows itself, answered with their escape button.
    QStringList shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible()) continue;
        shown << box->text();
        box->reject();
      }
    });
    answer.start(20);
    QVERIFY(f.controller->startChosenGame(kSpider, "Ann", false));
    f.controller->restartGame();
    answer.stop();
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown[0].startsWith("Your video card runs at 640x480 pixels.\nFor best graphics display"));
    QCOMPARE(shown[1], QString("Restart this game?\nGame number: ") + QString::fromStdString(f.controller->dealNumber()));
    for (const QString& text : shown) QVERIFY(!text.contains('\r'));
  }

  void theChosenGameIsRememberedForTheNextRun() {
    Fixture f;
    QVERIFY(f.controller->startChosenGame(kSpider, "Ann", true));
    QCOMPARE(f.settings.readString(kes::kPreferenceSection, "Game", ""), std::string("4"));
    QCOMPARE(f.settings.readString(kes::kPreferenceSection, "Game_name", ""), std::string("Spider"));
    // The same game and player while it is being played starts nothing.
    QVERIFY(!f.controller->startChosenGame(kSpider, "Ann", true));
    QVERIFY(f.controller->startChosenGame(kSpider, "Bob", false));
    QCOMPARE(f.app.config.get(kes::Field::PlayerName), std::string("Bob"));
    QCOMPARE(f.settings.readString(kes::kPreferenceSection, "UserDefault", ""), std::string("Bob"));
    QVERIFY(f.window.windowTitle().startsWith("Kestrova 2000 [Spider]  [Bob]  ["));
  }

  void aRandomGameIsOneOfTheListAndIsRemembered() {
    Fixture f;
    f.controller->randomGame();
    const std::string game = f.app.config.get(kes::Field::CurrentGame);
    QVERIFY(f.controller->session().state().inProgress);
    QCOMPARE(f.settings.readString(kes::kPreferenceSection, "Game", ""), game);
    QCOMPARE(f.settings.readString(kes::kPreferenceSection, "Game_name", ""), f.app.config.get(kes::Field::GameTitle));
    QVERIFY(std::stoi(game) >= 1);
    QVERIFY(f.window.windowTitle().contains(QString::fromStdString(f.app.config.get(kes::Field::GameTitle))));
  }

  void theEnginePlaysByTheUndoAndFaceUpPreferences() {
    Fixture f;
    f.app.config.put(kes::Field::UndoMode, "2");
    f.app.config.put(kes::Field::AutomaticFaceUp, "N");
    QVERIFY(f.controller->startGame(kFreeCell, number(11)));
    const kes::PlayPreferences& prefs = f.controller->session().state().prefs;
    QCOMPARE(prefs.undoMode, kes::UndoMode::Disabled);
    QVERIFY(!prefs.automaticFaceUp);
    QVERIFY(!f.enabled("mnuUndo"));
    QVERIFY(!f.enabled("mnuRedo"));
    QVERIFY(f.enabled("mnuNew"));
    f.app.config.put(kes::Field::UndoMode, "1");
    f.controller->newGame();
    QCOMPARE(f.controller->session().state().prefs.undoMode, kes::UndoMode::OneStep);
    // Offered as soon as there is something to undo.
    QCOMPARE(f.enabled("mnuUndo"), !f.controller->session().state().history.undo.empty());
  }

  void aNarrowDisplayForcesMediumCardsOnGamesThatNeedRoom() {
    Fixture f;
    f.controller->setDisplayWidth([] { return 640; });
    QVERIFY(f.controller->startChosenGame(kSpider, "Ann", false));
    QCOMPARE(f.app.config.get(kes::Field::CardSize), std::string("M"));
    QCOMPARE(f.app.config.get(kes::Field::FaceSet), std::string("003"));
    QCOMPARE(f.app.config.get(kes::Field::BackDesign), std::string("006"));
    QVERIFY(!f.enabled("mnuCustomize"));
    QCOMPARE(f.information,
             QStringList{"Your video card runs at 640x480 pixels.\rFor best graphics display, screen resolution "
                         "should be set to 800x600 pixels or higher. However, it's possible to play Spider using "
                         "a predefined card and deck set."});
    // A game without the need gives the player's choices back.
    QVERIFY(f.controller->startChosenGame(kFreeCell, "Ann", false));
    QCOMPARE(f.app.config.get(kes::Field::CardSize), std::string("B"));
    QCOMPARE(f.app.config.get(kes::Field::FaceSet), std::string("001"));
    QCOMPARE(f.app.config.get(kes::Field::BackDesign), std::string("011"));
    // Given back, but only as far as the appearance dialog exists: a feature
    // still to come keeps its item disabled.
    QCOMPARE(f.enabled("mnuCustomize"), !isLaterFeature("mnuCustomize"));
    // Forced again, but the message shows once a run.
    QVERIFY(f.controller->startChosenGame(kSpider, "Ann", false));
    QCOMPARE(f.app.config.get(kes::Field::CardSize), std::string("M"));
    QCOMPARE(f.information.size(), 1);
  }

  // A window as narrow as a small display plays with medium cards too,
  // without the message about the display.
  void aNarrowWindowOnAWideDisplayForcesMediumCards() {
    Fixture f;
    f.window.resize(640, 480);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QVERIFY(f.controller->startChosenGame(kSpider, "Ann", false));
    QCOMPARE(f.app.config.get(kes::Field::CardSize), std::string("M"));
    QVERIFY(f.information.isEmpty());
    f.window.resize(1024, 768);
    QVERIFY(f.controller->startChosenGame(kFreeCell, "Ann", false));
    QCOMPARE(f.app.config.get(kes::Field::CardSize), std::string("B"));
  }

  void aWideDisplayOrAnotherCardSizeKeepsTheCards() {
    Fixture f;
    QVERIFY(f.controller->startChosenGame(kSpider, "Ann", false));
    QCOMPARE(f.app.config.get(kes::Field::CardSize), std::string("B"));
    f.controller->setDisplayWidth([] { return 649; });
    f.app.config.put(kes::Field::CardSize, "L");
    QVERIFY(f.controller->startChosenGame(kFreeCell, "Ann", false));
    QVERIFY(f.controller->startChosenGame(kSpider, "Ann", false));
    QCOMPARE(f.app.config.get(kes::Field::CardSize), std::string("L"));
    QVERIFY(f.information.isEmpty());
  }
};

QTEST_MAIN(GameStartTest)
#include "game_start_test.moc"
