// Choosing games in the window: the selection dialog and its folders, the
// favourites, custom rule variants and deleting them, on the built
// catalogue with dialogs answered by the test.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "app/game_controller.h"
#include "app/game_selection.h"
#include "app/main_window.h"
#include "cli/cli_main.h"
#include "datafiles/config_field.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/favourite_games.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/record_result.h"
#include "datafiles/stat_file.h"
#include "selection/frm_customize_rules.h"
#include "selection/frm_customize_rules2.h"
#include "selection/favourites_menu.h"
#include "selection/frm_favorite.h"
#include "selection/frm_open_game.h"
#include "selection/game_tree.h"
#include "stats/frm_statistics.h"
#include "app/table_test_support.h"

namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr int kKlondikeType = -202030;
const char* const kDealOne = "0000000000001";

QTreeWidgetItem* childWithCode(QTreeWidgetItem* folder, int code) {
  for (int i = 0; folder && i < folder->childCount(); ++i)
    if (kes::GameTree::codeOf(folder->child(i)) == code) return folder->child(i);
  return nullptr;
}

QStringList childTexts(QTreeWidgetItem* folder) {
  QStringList texts;
  for (int i = 0; folder && i < folder->childCount(); ++i) texts << folder->child(i)->text(0);
  return texts;
}

QString text(QWidget& parent, const char* label) { return parent.findChild<QLabel*>(label)->text(); }

}  // namespace

class SelectionDialogsTest : public QObject {
  Q_OBJECT

 private:
  // The window over the built data with its own data folder; dialogs go to
  // `answer`, messages and questions are collected.
  struct Fixture : kes::test::ControllerWithSettings {
    std::unique_ptr<kes::GameSelection> selection;
    QStringList messages;
    QStringList questions;
    bool yes = true;
    std::function<int(QDialog&)> answer;
    QStringList dialogsRun;

    // activated: the window is shown and has had its first activation
    // before the selection is made, so no dialog opens by itself.
    explicit Fixture(bool activated = true) {
      app.dirs = kes::test::builtDataDirs(data);
      app.window.autoPlay = false;
      app.config.put(kes::Field::DealAnimation, "N");
      app.config.put(kes::Field::UseDefaultBackground, "Y");
      app.config.put(kes::Field::PlayerName, "Ann");
      app.config.put(kes::Field::CurrentGame, "1");
      app.config.put(kes::Field::GameTitle, "FreeCell");
      makeController();
      controller->setQuestion([](const QString&) { return true; });
      controller->setDisplayWidth([] { return 1024; });
      settings.writeStrings("Users", std::vector<kes::SettingsEntry>{{"User001", "Ann"}, {"User002", "Bob"}});
      if (activated) activate();
      restart();
    }
    bool activate() {
      if (!kes::test::showTable(window, *controller)) return false;
      window.activateWindow();
      const bool active = QTest::qWaitForWindowActive(&window);
      QTest::qWait(20);
      return active;
    }
    // A new selection, as the next start of the program makes it.
    void restart() {
      selection.reset();
      selection = std::make_unique<kes::GameSelection>(window, *controller, &settings);
      selection->setInformation([this](const QString& t) { messages << t; });
      selection->setYesNo([this](const QString& t) {
        questions << t;
        return yes;
      });
      selection->setDialogRunner([this](QDialog& dialog) { return runDialog(dialog); });
      controller->setDialogRunner([this](QDialog& dialog) { return runDialog(dialog); });
    }
    int runDialog(QDialog& dialog) {
      dialogsRun << dialog.objectName();
      return answer ? answer(dialog) : int(QDialog::Rejected);
    }
    std::filesystem::path customFile() const { return app.customGamesPath(); }
    int addCustom(const std::string& name, int base, const std::string& rules) {
      kes::test::IgnoredMessages quiet;
      return kes::addCustomGame(customFile(), name, base, rules, quiet).value_or(-1);
    }
    std::string preference(const char* key) { return settings.readString("Preference", key, "<none>"); }
    bool start(int game) { return controller->startGame(game, kDealOne); }
  };

  static kes::TfrmOpenGame& openGame(QDialog& dialog) { return static_cast<kes::TfrmOpenGame&>(dialog); }

  static QTreeWidgetItem* openFolder(kes::TfrmOpenGame& dialog, int code) {
    QTreeWidgetItem* folder = dialog.tree().folderItem(code);
    folder->setExpanded(true);
    return folder;
  }

 private slots:
  void theFirstShowingOpensTheRememberedFolderOnTheCurrentGame() {
    Fixture f;
    int selected = -1, folder = 0;
    QString player;
    f.answer = [&](QDialog& d) {
      QTreeWidgetItem* item = openGame(d).tree().currentItem();
      selected = kes::GameTree::codeOf(item);
      folder = kes::GameTree::folderCodeOf(item);
      player = d.findChild<QComboBox*>("cboPlayers")->currentText();
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QCOMPARE(selected, kFreeCell);
    QCOMPARE(folder, kes::FolderCode::kAllGames);
    QCOMPARE(player, QString("Ann"));
  }

  void okUnderAFolderRemembersItForTheNextStart() {
    Fixture f;
    f.answer = [&](QDialog& d) {
      auto& dialog = openGame(d);
      QTreeWidgetItem* klondike = childWithCode(openFolder(dialog, kKlondikeType), kKlondike);
      if (!klondike) return int(QDialog::Rejected);
      dialog.tree().setCurrentItem(klondike);
      dialog.findChild<QComboBox*>("cboPlayers")->setCurrentText("Bob");
      dialog.findChild<QPushButton*>("btnOK")->click();
      return dialog.result();
    };
    f.selection->openGameSelection();
    QCOMPARE(f.preference("Game"), std::string("2"));
    QCOMPARE(f.preference("Game_Name"), std::string("Klondike"));
    QCOMPARE(f.preference("Game_TreeNum"), std::string("-202030"));
    QCOMPARE(f.preference("Open_Preview_Game"), std::string("Y"));
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("2"));
    QCOMPARE(f.app.config.get(kes::Field::PlayerName), std::string("Bob"));
    QVERIFY(f.controller->session().state().inProgress);

    f.restart();
    int selected = -1, folder = 0;
    f.answer = [&](QDialog& d) {
      selected = kes::GameTree::codeOf(openGame(d).tree().currentItem());
      folder = kes::GameTree::folderCodeOf(openGame(d).tree().currentItem());
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QCOMPARE(selected, kKlondike);
    QCOMPARE(folder, kKlondikeType);
  }

  void statisticsShowTheSelectedGameAndPlayer() {
    Fixture f;
    QString game, player;
    f.answer = [&](QDialog& d) {
      if (d.objectName() == "frmStatistics") {
        game = static_cast<kes::TfrmStatistics&>(d).games()->currentText();
        player = static_cast<kes::TfrmStatistics&>(d).players()->currentText();
        return int(QDialog::Rejected);
      }
      auto& dialog = openGame(d);
      dialog.tree().setCurrentItem(childWithCode(openFolder(dialog, kKlondikeType), kKlondike));
      dialog.findChild<QComboBox*>("cboPlayers")->setCurrentText("Bob");
      dialog.findChild<QPushButton*>("btnStatistics")->click();
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QCOMPARE(f.dialogsRun, QStringList({"frmOpenGame", "frmStatistics"}));
    QCOMPARE(game, QString("Klondike"));
    QCOMPARE(player, QString("Bob"));
  }

  void okOnAFolderSaysOpenAGame() {
    Fixture f;
    int result = -1;
    bool okEnabled = true;
    f.answer = [&](QDialog& d) {
      auto& dialog = openGame(d);
      dialog.tree().setCurrentItem(dialog.tree().folderItem(kes::FolderCode::kSelected));
      // OK is greyed on a folder; the Enter key still asks for a game.
      QTest::keyClick(&dialog.tree(), Qt::Key_Return);
      okEnabled = dialog.findChild<QPushButton*>("btnOK")->isEnabled();
      result = dialog.result();
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QVERIFY(!okEnabled);
    QCOMPARE(f.messages, QStringList{"Open a game"});
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("1"));
  }

  void aGameShowsItsFactsAndACustomGameItsOwnRedeals() {
    Fixture f;
    QCOMPARE(f.addCustom("Klondike by threes", kKlondike, "0010040"), 8000);
    QStringList klondike, custom;
    bool preview = false;
    f.answer = [&](QDialog& d) {
      auto& dialog = openGame(d);
      dialog.tree().setCurrentItem(childWithCode(openFolder(dialog, kKlondikeType), kKlondike));
      klondike << text(d, "lblDeck") << text(d, "lblDiffRules") << text(d, "lblRedeal");
      preview = !d.findChild<QLabel*>("imgPreview")->pixmap().isNull();
      dialog.tree().setCurrentItem(childWithCode(openFolder(dialog, kes::FolderCode::kCustomized), 8000));
      custom << text(d, "lblDeck") << text(d, "lblDiffRules") << text(d, "lblDiffWin") << text(d, "lblGameTime")
             << text(d, "lblRedeal") << text(d, "lblGameName");
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QVERIFY(preview);
    QCOMPARE(klondike.size(), 3);
    QCOMPARE(klondike[0], QString("1"));
    QVERIFY(!klondike[1].isEmpty());
    QCOMPARE(klondike[2], QString("Unlimited"));
    QCOMPARE(custom, QStringList({"1", "Customized game", "Customized game", "Customized game", "3",
                                  "Klondike by threes"}));
  }

  void aCustomGameWhoseBaseIsGoneCannotBeStarted() {
    Fixture f;
    QCOMPARE(f.addCustom("Lost variant", 7999, "0010040"), 8000);
    bool unavailableShown = false;
    f.answer = [&](QDialog& d) {
      auto& dialog = openGame(d);
      dialog.tree().setCurrentItem(childWithCode(openFolder(dialog, kes::FolderCode::kCustomized), 8000));
      unavailableShown = d.findChild<QLabel*>("lblUnavailable")->isVisibleTo(&d);
      d.findChild<QPushButton*>("btnOK")->click();
      return d.result();
    };
    f.selection->openGameSelection();
    QVERIFY(unavailableShown);
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].contains("no longer in the catalogue"));
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("1"));
  }

  void aDamagedCustomGamesFileListsWhatItCan() {
    Fixture f;
    QCOMPARE(f.addCustom("Readable", kKlondike, "0010040"), 8000);
    {
      std::ofstream out(f.customFile(), std::ios::app | std::ios::binary);
      out << "garbage line\r\nmore\r\n";
    }
    QStringList shown;
    f.answer = [&](QDialog& d) {
      shown = childTexts(openFolder(openGame(d), kes::FolderCode::kCustomized));
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QCOMPARE(shown, QStringList{"Readable"});
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].contains("1 customized game could not be read"));
  }

  void customizingKlondikeMakesAndStartsANewGame() {
    Fixture f;
    QVERIFY(f.start(kKlondike));
    QStringList seen;
    f.answer = [&](QDialog& d) {
      if (d.objectName() == "frmCustomizeRules2") {
        auto& naming = static_cast<kes::TfrmCustomizeRules2&>(d);
        for (const char* name : {"Kl", "KLONDIKE ", "Klondike, three redeals"}) {
          naming.nameField().setText(name);
          naming.onOk();
        }
        return naming.result();
      }
      auto& rules = static_cast<kes::TfrmCustomizeRules&>(d);
      seen << (rules.okButton().isEnabled() ? "enabled" : "disabled");
      rules.specified().click();
      rules.redealsField().setValue(3);
      seen << rules.totalDeals().text() << (rules.okButton().isEnabled() ? "enabled" : "disabled");
      rules.unlimited().click();
      seen << (rules.okButton().isEnabled() ? "enabled" : "disabled");
      rules.specified().click();
      rules.okButton().click();
      return rules.result();
    };
    f.selection->customizeRules();
    QCOMPARE(seen, QStringList({"disabled", "(4 deals in all)", "enabled", "disabled"}));
    QCOMPARE(f.messages, QStringList({"Please enter at least 3 characters.", "This name already exists."}));
    QCOMPARE(f.questions.size(), 1);
    QCOMPARE(f.questions[0], QString("Do you want to start the new game\rKlondike, three redeals\r"
                                     "and quit the current game now?"));
    const auto record = kes::findCustomGame(f.customFile(), 8000);
    QVERIFY(record);
    QCOMPARE(record->name, std::string("Klondike, three redeals"));
    QCOMPARE(record->baseGame, kKlondike);
    QCOMPARE(record->ruleString, std::string("0010041"));
    // The new game is being played with its own rules.
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("8000"));
    QCOMPARE(f.app.config.get(kes::Field::GameTitle), std::string("Klondike, three redeals"));
    QCOMPARE(int(f.controller->session().state().params[kes::Param::StockPasses]), 4);
    QVERIFY(f.window.windowTitle().contains("[Klondike, three redeals]"));

    std::istringstream in;
    std::ostringstream out, err;
    QCOMPARE(kes::cli::cliMain({"--install-dir", f.app.dirs.install.string(), "--data-dir", f.data.path().string(),
                                "params", "8000"},
                               in, out, err),
             0);
    QVERIFY(out.str().find("\n13=4\n") != std::string::npos);
  }

  void customizingACustomGameKeepsTheCatalogueGameAsItsBase() {
    Fixture f;
    QCOMPARE(f.addCustom("Klondike by threes", kKlondike, "0030040"), 8000);
    QVERIFY(f.start(8000));
    bool deleteOffered = false;
    f.answer = [&](QDialog& d) {
      if (d.objectName() == "frmCustomizeRules2") {
        static_cast<kes::TfrmCustomizeRules2&>(d).nameField().setText("Klondike by ones");
        static_cast<kes::TfrmCustomizeRules2&>(d).onOk();
        return d.result();
      }
      auto& rules = static_cast<kes::TfrmCustomizeRules&>(d);
      deleteOffered = rules.deleteButton().isEnabled();
      if (rules.cardsField().value() != 3) return int(QDialog::Rejected);
      rules.cardsField().setValue(1);
      rules.okButton().click();
      return rules.result();
    };
    f.yes = false;
    f.selection->customizeRules();
    QVERIFY(deleteOffered);
    const auto second = kes::findCustomGame(f.customFile(), 8001);
    QVERIFY(second);
    QCOMPARE(second->baseGame, kKlondike);
    QCOMPARE(second->ruleString, std::string("0010041"));
    QCOMPARE(kes::findCustomGame(f.customFile(), 8000)->ruleString, std::string("0030040"));
    // Not started: the first variant is still being played.
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("8000"));
  }

  void deletingAFavouriteCustomGameClearsItEverywhere() {
    Fixture f;
    QCOMPARE(f.addCustom("Easy Klondike", kKlondike, "0030040"), 8000);
    const std::vector<std::string> five{"Canfield", "Easy Klondike", "FreeCell", "Klondike", "Spider"};
    QVERIFY(kes::writeFavourites(f.settings, five));
    kes::StatisticsFiles files = f.selection->statisticsFiles();
    kes::test::IgnoredMessages quiet;
    files.messages = &quiet;
    kes::recordResult(files, kes::GameResult{8000, "Easy Klondike", "Ann", kDealOne, "01", 200, true, 30}, f.app.config);
    QCOMPARE(kes::readPlayerGameStats(files, 8000, "Ann").won, 1LL);
    f.selection->rebuildFavouritesMenu();
    QCOMPARE(f.selection->favouritesMenu().submenu()->actions().size(), 5);

    QStringList customized, favourites;
    f.answer = [&](QDialog& d) {
      auto& dialog = openGame(d);
      openFolder(dialog, kes::FolderCode::kFavourites);
      dialog.tree().setCurrentItem(childWithCode(openFolder(dialog, kes::FolderCode::kCustomized), 8000));
      dialog.deleteSelected();
      customized = childTexts(dialog.tree().folderItem(kes::FolderCode::kCustomized));
      favourites = childTexts(dialog.tree().folderItem(kes::FolderCode::kFavourites));
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QCOMPARE(f.questions, QStringList{"Are you sure you want to delete this customized game\rEasy Klondike?\r"
                                      "Note: also statistics of this game will be deleted."});
    QCOMPARE(customized, QStringList{"(How to customize a game)"});
    QCOMPARE(favourites, QStringList({"Canfield", "FreeCell", "Klondike", "Spider"}));
    QCOMPARE(kes::readFavouriteNames(f.settings), (std::vector<std::string>{"Canfield", "FreeCell", "Klondike", "Spider"}));
    QCOMPARE(f.settings.readString("Favourite Games", "Game003", ""), std::string("Spider"));
    QCOMPARE(f.settings.readString("Favourite Games", "Game004", "<none>"), std::string("<none>"));
    QCOMPARE(kes::readPlayerGameStats(files, 8000, "Ann").won, 0LL);
    QVERIFY(!kes::findCustomGame(f.customFile(), 8000));
    QCOMPARE(f.selection->favouritesMenu().submenu()->actions().size(), 4);
  }

  void deletingTheGameBeingPlayedClosesItAndOffersTheSelection() {
    Fixture f;
    QCOMPARE(f.addCustom("Easy Klondike", kKlondike, "0030040"), 8000);
    QVERIFY(f.start(8000));
    f.answer = [&](QDialog& d) {
      if (d.objectName() == "frmCustomizeRules") d.findChild<QPushButton*>("btnDelete")->click();
      return int(QDialog::Rejected);
    };
    f.selection->customizeRules();
    QCOMPARE(f.questions, QStringList{"Are you sure you want to delete this customized game\rEasy Klondike?\r"
                                      "Note: also statistics of this game will be deleted."});
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("-1"));
    QVERIFY(!f.window.menuAction("mnuNew")->isEnabled());
    QCOMPARE(f.dialogsRun, QStringList({"frmCustomizeRules", "frmOpenGame"}));
  }

  void theSelectionAsksBeforeDeletingTheGameBeingPlayed() {
    Fixture f;
    QCOMPARE(f.addCustom("Easy Klondike", kKlondike, "0030040"), 8000);
    QVERIFY(f.start(8000));
    f.yes = false;
    f.answer = [&](QDialog& d) {
      auto& dialog = openGame(d);
      dialog.tree().setCurrentItem(childWithCode(openFolder(dialog, kes::FolderCode::kCustomized), 8000));
      dialog.deleteSelected();
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QCOMPARE(f.questions, QStringList{"Now you are playing Easy Klondike.\rAre you sure you want to delete this "
                                      "game?\rNote: also statistics of this game will be deleted."});
    QVERIFY(kes::findCustomGame(f.customFile(), 8000));
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("8000"));
  }

  void favouritesAreChosenInTheirDialogAndListedInTheMenu() {
    Fixture f;
    f.selection->rebuildFavouritesMenu();
    QVERIFY(!f.selection->favouritesMenu().submenu());
    QStringList emptyFolder;
    f.answer = [&](QDialog& d) {
      if (d.objectName() == "frmFavorite") {
        auto& favourites = static_cast<kes::TfrmFavorite&>(d);
        for (const char* name : {"Spider", "Canfield", "Klondike"})
          favourites.allGames().findItems(name, Qt::MatchExactly)[0]->setSelected(true);
        favourites.add();
        d.findChild<QPushButton*>("btnOK")->click();
        return d.result();
      }
      auto& dialog = openGame(d);
      QTreeWidgetItem* folder = openFolder(dialog, kes::FolderCode::kFavourites);
      emptyFolder = childTexts(folder);
      emit dialog.tree().itemDoubleClicked(folder->child(0), 0);
      return int(QDialog::Rejected);
    };
    f.selection->openGameSelection();
    QCOMPARE(emptyFolder, QStringList{"(Double click to customize)"});
    QCOMPARE(kes::readFavouriteNames(f.settings), (std::vector<std::string>{"Canfield", "Klondike", "Spider"}));
    QMenu* submenu = f.selection->favouritesMenu().submenu();
    QVERIFY(submenu);
    QStringList items;
    for (QAction* a : submenu->actions()) items << a->text();
    QCOMPARE(items, QStringList({"Canfield", "Klondike", "Spider"}));
    QVERIFY(!submenu->actions()[0]->icon().isNull());
    // A click on an item starts the game.
    submenu->actions()[1]->trigger();
    QCOMPARE(f.app.config.get(kes::Field::CurrentGame), std::string("2"));

    // Cancel after moving names keeps the list.
    f.answer = [&](QDialog& d) {
      static_cast<kes::TfrmFavorite&>(d).removeAll();
      return int(QDialog::Rejected);
    };
    f.selection->editFavourites();
    QCOMPARE(kes::readFavouriteNames(f.settings).size(), 3u);
  }

  void theFirstActivationBuildsTheMenuAndOpensTheSelection() {
    Fixture f(false);
    QVERIFY(kes::writeFavourites(f.settings, std::vector<std::string>{"Golf"}));
    QVERIFY(f.activate());
    QTRY_COMPARE(f.dialogsRun, QStringList{"frmOpenGame"});
    QVERIFY(f.selection->favouritesMenu().submenu());
    // No game was dealt before the player chose one.
    QVERIFY(!f.controller->session().state().inProgress);
  }

  void quittingAGameOpensTheSelection() {
    Fixture f;
    QVERIFY(f.start(kFreeCell));
    f.controller->quitGame();
    QCOMPARE(f.dialogsRun, QStringList{"frmOpenGame"});
    QVERIFY(!f.controller->session().state().inProgress);
  }
};

QTEST_MAIN(SelectionDialogsTest)
#include "selection_dialogs_test.moc"
