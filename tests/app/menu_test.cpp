#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/window/menu_builder.h"
#include "app/window/menu_table.h"
#include "app_test_support.h"
#include "menu_test.h"

namespace kes::test {

namespace {

QString shortcutOf(const MenuEntry& entry) {
  return QKeySequence(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText)
      .toString(QKeySequence::PortableText);
}

}  // namespace

void MenuTest::everyTableItemExistsWithCaptionAndShortcut() {
  TfrmMain window;
  for (const MenuEntry& entry : mainMenuTable()) {
    if (entry.kind == MenuKind::Separator) continue;
    const QString name = QString::fromLatin1(entry.name);
    const QAction* action = window.findChild<QAction*>(name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), menuCaption(entry.caption));
    QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shortcutOf(entry));
    QCOMPARE(action->isVisible(), entry.visible);
  }
}

void MenuTest::captionsMatchTheWrittenWords_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QKeySequence>("shortcut");
  QTest::newRow("new") << "mnuNew" << "&New game" << QKeySequence(Qt::Key_F2);
  QTest::newRow("open") << "mnuOpen" << "&Open a game" << QKeySequence(Qt::CTRL | Qt::Key_F12);
  QTest::newRow("restart") << "mnuRestartGame" << "&Restart game" << QKeySequence(Qt::CTRL | Qt::Key_F2);
  QTest::newRow("select") << "mnuSelect" << "S&elect a game number..." << QKeySequence(Qt::Key_F3);
  QTest::newRow("save") << "mnuSave" << "&Save..." << QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F12);
  QTest::newRow("undo") << "mnuUndo" << "&Undo" << QKeySequence(Qt::CTRL | Qt::Key_Z);
  QTest::newRow("redo") << "mnuRedo" << "&Redo" << QKeySequence(Qt::CTRL | Qt::Key_Y);
  QTest::newRow("pause") << "mnuPause" << "P&ause" << QKeySequence(Qt::CTRL | Qt::Key_P);
  QTest::newRow("autoplay") << "mnuAutoPlay" << "Au&toplay" << QKeySequence(Qt::Key_F7);
  QTest::newRow("hi-scores") << "mnuHiScores" << "&Hi-Scores..." << QKeySequence(Qt::Key_F9);
  QTest::newRow("counter") << "mnuCardCounter" << "&Card counter..." << QKeySequence(Qt::Key_F8);
  QTest::newRow("rules") << "mnuRules" << "&Rules" << QKeySequence(Qt::Key_F1);
  QTest::newRow("tips") << "mnuTips" << "&Tip of the Day..." << QKeySequence();
  QTest::newRow("about") << "Informazionisu1" << "A&bout..." << QKeySequence();
  QTest::newRow("web") << "mnuKestrovaontheWeb" << "Kestrova 2000 on the &Web..." << QKeySequence();
  QTest::newRow("champions") << "mnuChampions" << "Check out \"Kestrova 2000 Champions\" on the Web..."
                             << QKeySequence();
  QTest::newRow("tournament") << "mnuPlayTournament" << "&Play tournament..." << QKeySequence(Qt::CTRL | Qt::Key_Y);
}

void MenuTest::captionsMatchTheWrittenWords() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QKeySequence, shortcut);
  TfrmMain window;
  const QAction* action = window.findChild<QAction*>(name);
  QVERIFY(action);
  QCOMPARE(action->text(), caption);
  QCOMPARE(action->shortcut(), shortcut);
}

void MenuTest::menuBarHoldsTheMenusInOrder() {
  TfrmMain window;
  QStringList shown;
  for (const QAction* action : window.menuBar()->actions())
    if (action->isVisible()) shown << action->text();
  QCOMPARE(shown, QStringList({"&File", "&Game", "&Statistics", "&Tools", "&?"}));
  const QAction* tournament = window.findChild<QAction*>("mnuTournament");
  QVERIFY(tournament && !tournament->isVisible());
}

void MenuTest::laterFeaturesAreShownButDisabled() {
  TfrmMain window;
  window.SetGameCommandsEnabled(true);
  const QStringList later{"mnuRules", "Sommario1"};
  for (const QString& name : later) {
    const QAction* action = window.findChild<QAction*>(name);
    QVERIFY2(action && action->isVisible() && !action->isEnabled(), qPrintable(name));
  }
  QVERIFY(!window.findChild<QAction*>("mnuDemo")->isEnabled());
  QVERIFY(!window.findChild<QAction*>("mnuKestrovaontheWeb")->isVisible());
  for (const char* name :
       {"mnuNew", "mnuSave", "mnuRandomGame", "mnuEsci", "Informazionisu1", "mnuUndo", "mnuPause", "mnuCustomize", "mnuPlayers",
        "mnuGameStatistics", "mnuPlayersStatistics", "mnuAllGamesStatistics", "mnuLogStatistics", "mnuOverallScore"})
    QVERIFY2(window.findChild<QAction*>(name)->isEnabled(), name);
}

void MenuTest::gameCommandsSwitchTogetherWithTheirButtons() {
  TfrmMain window;
  window.SetGameCommandsEnabled(false);
  for (const char* name : {"mnuNew", "mnuRestartGame", "mnuSelect", "mnuQuitGame", "mnuUndo", "mnuRedo", "mnuPause",
                           "mnuAutoPlay"})
    QVERIFY2(!window.findChild<QAction*>(name)->isEnabled(), name);
  for (const char* name : {"tbNew", "tbNew1", "tbRestart", "tbRestart1", "tbSave", "tbUndo1", "tbRedo", "tbAutoPlay1"})
    QVERIFY2(!window.findChild<QWidget*>(name)->isEnabled(), name);
  QVERIFY(window.findChild<QAction*>("mnuRandomGame")->isEnabled());
  QVERIFY(window.findChild<QWidget*>("tbExit")->isEnabled());

  window.SetGameCommandsEnabled(true);
  window.SetUndoRedoEnabled(false, true);
  QVERIFY(window.findChild<QAction*>("mnuNew")->isEnabled());
  QVERIFY(window.findChild<QWidget*>("tbNew1")->isEnabled());
  QVERIFY(!window.findChild<QAction*>("mnuUndo")->isEnabled());
  QVERIFY(!window.findChild<QWidget*>("tbUndo1")->isEnabled());
  QVERIFY(window.findChild<QWidget*>("tbRedo1")->isEnabled());
  window.SetUndoRedoEnabled(true, false);
  QVERIFY(window.findChild<QWidget*>("tbUndo")->isEnabled());
  QVERIFY(!window.findChild<QAction*>("mnuRedo")->isEnabled());
  QVERIFY(window.findChild<QWidget*>("tbSave")->isEnabled());
  window.SetAutoplayEnabled(false);
  QVERIFY(!window.findChild<QWidget*>("tbAutoPlay")->isEnabled());
  window.SetAutoplayEnabled(true);
  QVERIFY(window.findChild<QAction*>("mnuAutoPlay")->isEnabled());
}

void MenuTest::popupMenusHoldTheirItems() {
  TfrmMain window;
  const QMenu* toolbarMenu = window.findChild<QMenu*>("popTB");
  QVERIFY(toolbarMenu);
  QStringList captions;
  for (const QAction* action : toolbarMenu->actions())
    if (!action->isSeparator()) captions << action->text();
  QCOMPARE(captions, QStringList({"Large icons", "Small icons", "Flat button", "No flat button", "Show time",
                                  "Show score"}));
  QCOMPARE(window.findChild<QAction*>("mnuHideTime")->text(), QString("&Hide"));
  QCOMPARE(window.findChild<QAction*>("mnuHideScore")->text(), QString("Hide"));
  QVERIFY(window.findChild<QAction*>("Buttonflat1")->isChecked());
  QVERIFY(window.findChild<QAction*>("Smallicons1")->isChecked());
}

}  // namespace kes::test
