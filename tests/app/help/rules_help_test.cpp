// The rules help seen from the window: F1 and the toolbar's Rules button on
// the current game, "&Contents", a dialog's "&?", the rules of a custom game
// beside its base game, and the commands that stay off without a help file.
#include <QDialogButtonBox>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QTextBrowser>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "app/help/custom_rules_comparison.h"
#include "app/help/frm_custom_help.h"
#include "app/help/help_request.h"
#include "app/help/help_viewer.h"
#include "app/help/help_wiring.h"
#include "app/help/rules_help.h"
#include "app/select_game_number.h"
#include "datafiles/config_field.h"
#include "datafiles/custom_games_file.h"
#include "app/table_test_support.h"

namespace {

using namespace kes;

// Base game parameters in the order the comparison reads them: 19, 13, 100,
// 204, 205, 7, 8, 264, 260, 30, 152, 337, 338, 339; a Klondike-like game
// that offers all three rules.
std::vector<int> klondikeLike() { return {1, -1, 13, 0, 0, 1, 1, 0, 2, 0, 3, 2, 2, 2}; }

QString panelText(const QDialog& dialog, const char* name) {
  const auto* panel = dialog.findChild<QLabel*>(name);
  return panel ? panel->text() : QString("<missing %1>").arg(name);
}

bool showsPage(const HelpViewer* viewer, const QString& file) {
  return viewer && viewer->window() && viewer->window()->isVisible() &&
         viewer->source().toString().endsWith("/" + file);
}

QTextBrowser* pageOf(const HelpViewer* viewer) { return viewer->window()->findChild<QTextBrowser*>("txtHelpPage"); }

// A game in progress whose rules help opens in the window.
struct HelpedGame : test::ShownGame {
  RulesHelp& help() { return controller.rulesHelp(); }
  HelpViewer* viewer() { return help().viewer(); }
};

}  // namespace

class RulesHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void comparisonShowsBothColumns() {
    const RuleComparison rules = compareCustomRules("0030042", klondikeLike());
    QCOMPARE(QString(rules.rows[0].label), QString("Cards dealt:"));
    QCOMPARE(rules.rows[0].custom, std::string("3"));
    QCOMPARE(rules.rows[0].base, std::string("1"));
    // 3 specified redeals against the base game's unlimited ones.
    QCOMPARE(rules.rows[1].custom, std::string("3"));
    QCOMPARE(rules.rows[1].base, std::string("Unlimited"));
    QCOMPARE(rules.rows[2].custom, std::string("Any card"));
    QCOMPARE(rules.rows[2].base, std::string("King only"));

    const RuleComparison codes = compareCustomRules("001-013", std::vector<int>{3, 0, 91, 0, 0, 1, 1, 0, 2, 0, 3, 1, 1, 1});
    QCOMPARE(codes.rows[1].custom, std::string("Unlimited"));
    QCOMPARE(codes.rows[1].base, std::string("0"));
    QCOMPARE(codes.rows[2].custom, std::string("None"));
    QCOMPARE(codes.rows[2].base, std::string("King only"));
    // Tableau code 0 leaves the panel empty; an unknown base value too.
    const RuleComparison unchanged = compareCustomRules("0010010", std::vector<int>{1, 1, 5, 0, 0, 1, 1, 0, 2, 0, 3, 1, 1, 1});
    QCOMPARE(unchanged.rows[2].custom, std::string());
    QCOMPARE(unchanged.rows[2].base, std::string());
  }

  void rulesNotOfferedShowADashInBothColumns() {
    std::vector<int> values = klondikeLike();
    values[3] = 1;  // the stock deals a row: the general condition fails
    values[10] = 4;  // the tableau takes nothing
    const RuleComparison rules = compareCustomRules("0030042", values);
    for (const auto& row : rules.rows) {
      QCOMPARE(row.custom, std::string("-"));
      QCOMPARE(row.base, std::string("-"));
    }
    // An explicit 1 offers the rule whatever the condition says.
    values[11] = 1;
    QCOMPARE(compareCustomRules("0030042", values).rows[0].custom, std::string("3"));
    values[12] = 0;
    QCOMPARE(compareCustomRules("0030042", values).rows[1].base, std::string("-"));
  }

  void f1OnKlondikeShowsItsRulesPage() {
    HelpedGame game;
    QVERIFY(game.deal(2));
    QVERIFY(game.window.menuAction("mnuRules")->isEnabled());
    QVERIFY(!game.viewer());  // nothing of the help is loaded before it is asked for
    game.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    QTest::keyClick(&game.window, Qt::Key_F1);
    QVERIFY(showsPage(game.viewer(), "3002.html"));
    QCOMPARE(game.viewer()->pageTitle(), QString("Klondike"));
    QVERIFY(pageOf(game.viewer())->toPlainText().contains("Seven piles are dealt"));
  }

  void theToolbarButtonShowsTheCurrentGamesRules() {
    HelpedGame game;
    QVERIFY(game.deal(1));
    auto* button = game.window.findChild<QToolButton*>("tbRules");
    QVERIFY(button && button->isEnabled());
    button->click();
    QVERIFY(showsPage(game.viewer(), "3001.html"));
    QCOMPARE(game.viewer()->pageTitle(), QString("FreeCell"));
  }

  void contentsOpensTheContentsPageWithItsTabs() {
    HelpedGame game;
    QVERIFY(game.deal(2));
    QAction* contents = game.window.menuAction("Sommario1");
    QVERIFY(contents->isEnabled());
    contents->trigger();
    QVERIFY(showsPage(game.viewer(), "index.html"));
    QVERIFY(pageOf(game.viewer())->toPlainText().contains("Klondike type"));
    auto* tree = game.viewer()->window()->findChild<QHelpContentWidget*>("trvHelpContents");
    QVERIFY(tree);
    QTRY_VERIFY_WITH_TIMEOUT(tree->model()->rowCount() > 0, 10000);
    // A link of the contents page leads to a game's rules.
    QTextBrowser* page = pageOf(game.viewer());
    page->setSource(page->source().resolved(QUrl("3002.html")));
    QVERIFY(showsPage(game.viewer(), "3002.html"));
    QVERIFY(game.viewer()->window()->findChild<QPushButton*>("btnBack")->isEnabled());
  }

  void theSearchFindsAGameByAWordOfItsRules() {
    HelpedGame game;
    QVERIFY(game.deal(2));
    game.help().showContents();
    QWidget* viewer = game.viewer()->window();
    QTRY_VERIFY_WITH_TIMEOUT(viewer->property("searchReady").toBool(), 30000);
    auto* query = viewer->findChild<QHelpSearchQueryWidget*>("edtHelpSearch");
    auto* results = viewer->findChild<QHelpSearchResultWidget*>("lsbHelpResults");
    QVERIFY(query && results && query->isEnabled());
    query->setSearchInput("Seahaven");
    QVERIFY(QMetaObject::invokeMethod(query, "search"));
    auto* list = results->findChild<QTextBrowser*>();
    QVERIFY(list);
    QTRY_VERIFY_WITH_TIMEOUT(list->toPlainText().contains("Seahaven Towers"), 10000);
  }

  void theIndexLeadsToAPage() {
    HelpedGame game;
    QVERIFY(game.deal(2));
    game.help().showContents();
    auto* index = game.viewer()->window()->findChild<QHelpIndexWidget*>("lsbHelpIndex");
    QVERIFY(index);
    QTRY_VERIFY_WITH_TIMEOUT(index->model()->rowCount() > 100, 10000);
    auto* filter = game.viewer()->window()->findChild<QLineEdit*>("edtIndexFilter");
    QTest::keyClicks(filter, "Pyramid");
    QTRY_VERIFY(index->currentIndex().isValid());
    QTest::keyClick(filter, Qt::Key_Return);
    QVERIFY(showsPage(game.viewer(), "3013.html"));
  }

  void aDialogsHelpButtonShowsItsTopic() {
    HelpedGame game;
    QVERIFY(game.deal(2));
    QVERIFY(helpTopicsAvailable());
    TfrmSelectGameNumber dialog({}, "1", &game.window);
    auto* help = dialog.findChild<QPushButton*>("btnAiuto");
    QVERIFY(help && help->isEnabled());
    QCOMPARE(help->text(), QString("&?"));
    help->click();
    QVERIFY(showsPage(game.viewer(), "1001.html"));
    QCOMPARE(game.viewer()->pageTitle(), QString("Select a game number"));
  }

  void f1OnACustomGameComparesItWithItsBaseGame() {
    HelpedGame game;
    QVERIFY(game.deal(2));
    test::IgnoredMessages messages;
    const auto customFile = game.data.path() / std::string(kCustomGamesFileName);
    QCOMPARE(addCustomGame(customFile, "Three Redeal Klondike", 2, customRuleString(3, 4, 2), messages).value_or(-1),
             8000);
    // The custom game is the current one.
    game.controller.config().put(Field::CurrentGame, "8000");
    game.controller.config().put(Field::GameTitle, "Three Redeal Klondike");
    struct Shown {
      QString caption, from, from2, name1, name2;
      QStringList panels;
    } shown;
    // The rules of a custom game run through the controller's dialog runner.
    game.controller.setDialogRunner([&](QDialog& dialog) {
      shown.caption = dialog.windowTitle();
      shown.from = dialog.findChild<QLabel*>("lblGameFrom")->text();
      shown.from2 = dialog.findChild<QLabel*>("lblGameFrom2")->text();
      shown.name1 = dialog.findChild<QLabel*>("lblName1")->text();
      shown.name2 = dialog.findChild<QLabel*>("lblName2")->text();
      for (const char* name : {"pnlCardShuffeled1", "pnlCardShuffeled2", "pnlRedeals1", "pnlRedeals2",
                               "pnlTableauFirstCard1", "pnlTableauFirstCard2"})
        shown.panels << panelText(dialog, name);
      dialog.findChild<QPushButton*>("btnHelpStandard")->click();
      return int(QDialog::Accepted);
    });
    game.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    QTest::keyClick(&game.window, Qt::Key_F1);
    QCOMPARE(shown.caption, QString("Help [Three Redeal Klondike]"));
    QCOMPARE(shown.from, QString("Klondike"));
    QCOMPARE(shown.from2, QString("Click this button to view Klondike rules"));
    QCOMPARE(shown.name1, QString("Three Redeal Klondike"));
    QCOMPARE(shown.name2, QString("Klondike"));
    QCOMPARE(shown.panels, QStringList({"3", "1", "3", "Unlimited", "Any card", "King only"}));
    // "&Rules" opened the base game's topic.
    QVERIFY(showsPage(game.viewer(), "3002.html"));
  }

  void aCustomGameOfTheSelectionIsShownUnderItsGivenName() {
    HelpedGame game;
    QVERIFY(game.deal(2));
    test::IgnoredMessages messages;
    const auto customFile = game.data.path() / std::string(kCustomGamesFileName);
    QVERIFY(addCustomGame(customFile, "Easy FreeCell", 1, customRuleString(1, 1, 2), messages));
    QString caption;
    QStringList panels;
    game.help().setDialogRunner([&](QDialog& dialog) {
      caption = dialog.windowTitle();
      panels << panelText(dialog, "pnlCardShuffeled1") << panelText(dialog, "pnlRedeals2");
    });
    game.help().showGameRules(8000, "Easy FreeCell  ");
    QCOMPARE(caption, QString("Help [Easy FreeCell]"));
    // FreeCell has no stock: its stock rules are not offered.
    QCOMPARE(panels, QStringList({"-", "-"}));
  }

  void aMissingCustomGameIsToldNotShown() {
    HelpedGame game;
    QVERIFY(game.deal(2));
    QStringList told;
    bool shown = false;
    game.controller.setInformation([&](const QString& text) { told << text; });
    game.help().setDialogRunner([&](QDialog&) { shown = true; });
    game.help().showGameRules(8123);
    QVERIFY(!shown);
    QCOMPARE(told.size(), 1);
    QVERIFY(told.first().contains("8123"));
  }

  void withoutAHelpFileTheCommandsStayDisabled() {
    TempDir data;
    TfrmMain window;
    RulesHelp help(window, {data.path() / "no-such.hlp", data.path(), {}, data.path() / "GAM_CUST.DAT", nullptr,
                            nullptr, [] { return 2; }});
    QVERIFY(!help.available());
    connectRulesHelp(window, help);
    window.SetGameCommandsEnabled(true);
    QVERIFY(!window.menuAction("mnuRules")->isEnabled());
    QVERIFY(!window.menuAction("Sommario1")->isEnabled());
    QVERIFY(!helpTopicsAvailable());
    help.showGameRules(2);
    QVERIFY(!help.viewer());
  }
};

QTEST_MAIN(RulesHelpTest)
#include "rules_help_test.moc"
