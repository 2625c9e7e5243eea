#include "window_behaviour_test.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include "app/window/about_box.h"
#include "app/window/pause_screen.h"
#include "display/table/background_painter.h"
#include "app/window/tournament_dialogs.h"
#include "app_test_support.h"

namespace kes::test {

namespace {

QLabel* label(const TfrmMain& window, const char* name) { return window.findChild<QLabel*>(name); }

}  // namespace

void WindowBehaviourTest::showsTheProductCaption() {
  TfrmMain window;
  QCOMPARE(window.windowTitle(), QString("Kestrova 2000"));
  QCOMPARE(label(window, "lblTempo")->text(), QString("0:00:00"));
  QCOMPARE(label(window, "lblTempo2")->text(), QString("Time:"));
  QCOMPARE(label(window, "lblScore2")->text(), QString("Score:"));
}

void WindowBehaviourTest::firstActivationIsReportedOnce() {
  TfrmMain window;
  QSignalSpy activations(&window, &TfrmMain::firstActivated);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(activations.count(), 1);
  QEvent again(QEvent::WindowActivate);
  QApplication::sendEvent(&window, &again);
  QCOMPARE(activations.count(), 1);
}

// Each dialog of the menu runs modally; the check closes it from inside.
void WindowBehaviourTest::menuDialogsAreModalAndClose() {
  TfrmMain window;
  for (const char* item : {"Informazionisu1", "mnuTournamentManager", "mnuPlayTournament"}) {
    QString seen;
    QTimer::singleShot(0, &window, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      seen = dialog->windowTitle();
      dialog->reject();
    });
    window.menuAction(item)->trigger();
    QVERIFY2(!seen.isEmpty(), item);
  }
  QCOMPARE(window.findChildren<QDialog*>().size(), 0);
}

void WindowBehaviourTest::shortcutsEmitTheGameCommands_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QByteArray>("signal");
  QTest::newRow("F2 new") << int(Qt::Key_F2) << 0 << QByteArray(SIGNAL(newGameRequested()));
  QTest::newRow("Ctrl+F2 restart") << int(Qt::Key_F2) << int(Qt::ControlModifier)
                                   << QByteArray(SIGNAL(restartGameRequested()));
  QTest::newRow("F3 game number") << int(Qt::Key_F3) << 0 << QByteArray(SIGNAL(selectGameNumberRequested()));
  QTest::newRow("Ctrl+Z undo") << int(Qt::Key_Z) << int(Qt::ControlModifier) << QByteArray(SIGNAL(undoRequested()));
  QTest::newRow("Ctrl+Y redo") << int(Qt::Key_Y) << int(Qt::ControlModifier) << QByteArray(SIGNAL(redoRequested()));
  QTest::newRow("Ctrl+Q quit") << int(Qt::Key_Q) << int(Qt::ControlModifier)
                               << QByteArray(SIGNAL(quitGameRequested()));
  QTest::newRow("F7 autoplay") << int(Qt::Key_F7) << 0 << QByteArray(SIGNAL(autoplayToggled(bool)));
  QTest::newRow("Ctrl+P pause") << int(Qt::Key_P) << int(Qt::ControlModifier) << QByteArray(SIGNAL(pauseChanged(bool)));
}

void WindowBehaviourTest::shortcutsEmitTheGameCommands() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QByteArray, signal);
  auto window = shownWindow();
  QVERIFY(window);
  QSignalSpy spy(window.get(), signal.constData());
  QSignalSpy newGames(window.get(), &TfrmMain::newGameRequested);
  QTest::keyClick(window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(spy.count(), 1);
  if (key != Qt::Key_F2 || modifiers != 0) QCOMPARE(newGames.count(), 0);
}

void WindowBehaviourTest::autoplayTogglesWithItsButtons() {
  auto window = shownWindow();
  QVERIFY(window);
  QSignalSpy spy(window.get(), &TfrmMain::autoplayToggled);
  QTest::keyClick(window.get(), Qt::Key_F7);
  QVERIFY(window->isAutoplayOn());
  QVERIFY(window->findChild<QToolButton*>("tbAutoPlay")->isChecked());
  QVERIFY(window->findChild<QToolButton*>("tbAutoPlay1")->isChecked());
  QTest::keyClick(window.get(), Qt::Key_F7);
  QVERIFY(!window->findChild<QToolButton*>("tbAutoPlay1")->isChecked());
  QCOMPARE(spy.count(), 2);
  QCOMPARE(spy.at(0).at(0).toBool(), true);
  QCOMPARE(spy.at(1).at(0).toBool(), false);
}

void WindowBehaviourTest::disabledCommandsStaySilent() {
  auto window = shownWindow();
  QVERIFY(window);
  window->SetGameCommandsEnabled(false);
  QSignalSpy newGames(window.get(), &TfrmMain::newGameRequested);
  QSignalSpy undos(window.get(), &TfrmMain::undoRequested);
  QTest::keyClick(window.get(), Qt::Key_F2);
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::mouseClick(window->findChild<QToolButton*>("tbNew1"), Qt::LeftButton);
  QCOMPARE(newGames.count(), 0);
  QCOMPARE(undos.count(), 0);
}

// Ctrl+D reaches the hidden demo item once the demo playback enables it,
// and does nothing while the item waits for it.
void WindowBehaviourTest::theHiddenDemoItemKeepsItsShortcut() {
  auto window = shownWindow();
  QVERIFY(window);
  QAction* demo = window->menuAction("mnuDemo");
  QVERIFY(!demo->isVisible());
  QSignalSpy triggered(demo, &QAction::triggered);
  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  QCOMPARE(triggered.count(), 0);
  demo->setEnabled(true);
  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  QCOMPARE(triggered.count(), 1);
}

void WindowBehaviourTest::toolbarButtonsDoWhatTheirMenuTwinsDo() {
  auto window = shownWindow();
  QVERIFY(window);
  QSignalSpy newGames(window.get(), &TfrmMain::newGameRequested);
  QSignalSpy redos(window.get(), &TfrmMain::redoRequested);
  QTest::mouseClick(window->findChild<QToolButton*>("tbNew1"), Qt::LeftButton);
  QTest::mouseClick(window->findChild<QToolButton*>("tbRedo1"), Qt::LeftButton);
  QCOMPARE(newGames.count(), 1);
  QCOMPARE(redos.count(), 1);
  window->setToolbarLarge(true);
  QTest::mouseClick(window->findChild<QToolButton*>("tbNew"), Qt::LeftButton);
  QCOMPARE(newGames.count(), 2);
}

void WindowBehaviourTest::pauseShowsThePauseScreenUntilAKey() {
  auto window = shownWindow();
  QVERIFY(window);
  window->setTiming(true);
  auto* screen = window->findChild<PauseScreen*>();
  QVERIFY(screen && !screen->isVisible());
  QSignalSpy pauses(window.get(), &TfrmMain::pauseChanged);
  QSignalSpy newGames(window.get(), &TfrmMain::newGameRequested);
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  QVERIFY(window->isPaused());
  QVERIFY(screen->isVisible());
  QCOMPARE(screen->geometry(), window->tableArea()->rect());
  // Dark green fading to black in the table's 256 bands.
  const QImage shown = screen->grab().toImage();
  const auto bands = fadeBands(Rgb{0, 128, 0}, fadeAreaHeight(shown.height(), false));
  for (const int k : {255, 128, 1}) QCOMPARE(shown.pixelColor(0, bands[k].top), qColourOf(bands[k].colour));
  QVERIFY(window->menuAction("mnuPause")->isChecked());
  QVERIFY(!window->isTiming());
  QTest::keyClick(window.get(), Qt::Key_F2);  // ends the pause and does nothing else
  QVERIFY(!window->isPaused());
  QVERIFY(!screen->isVisible());
  QVERIFY(!window->menuAction("mnuPause")->isChecked());
  QVERIFY(window->isTiming());
  QCOMPARE(newGames.count(), 0);
  QCOMPARE(pauses.count(), 2);
  QTest::keyClick(window.get(), Qt::Key_F2);
  QCOMPARE(newGames.count(), 1);
}

void WindowBehaviourTest::aClickAlsoEndsThePauseAndNothingElse() {
  auto window = shownWindow();
  QVERIFY(window);
  QSignalSpy newGames(window.get(), &TfrmMain::newGameRequested);
  window->setPaused(true);
  QVERIFY(window->isPaused());
  QTest::mouseClick(window->findChild<QToolButton*>("tbNew1"), Qt::LeftButton);
  QVERIFY(!window->isPaused());
  QCOMPARE(newGames.count(), 0);
}

void WindowBehaviourTest::timerRefreshesTheClockOnlyWhileTiming() {
  TfrmMain window;
  int refreshes = 0;
  window.setClockRefresh([&] { ++refreshes; });
  auto* timer = window.findChild<QTimer*>("Timer1");
  QVERIFY(timer);
  QCOMPARE(timer->interval(), 1000);
  QMetaObject::invokeMethod(timer, "timeout");
  QCOMPARE(refreshes, 0);
  window.setTiming(true);
  QMetaObject::invokeMethod(timer, "timeout");
  QCOMPARE(refreshes, 1);
  window.setPaused(true);  // the display is brought up to date once, then the clock stands
  QCOMPARE(refreshes, 2);
  QMetaObject::invokeMethod(timer, "timeout");
  QCOMPARE(refreshes, 2);
  window.setPaused(false);
  QMetaObject::invokeMethod(timer, "timeout");
  QCOMPARE(refreshes, 3);
  window.setPlayingTime(std::chrono::seconds{3723});
  QCOMPARE(label(window, "lblTempo")->text(), QString("1:02:03"));
  window.setScore(-52);
  QCOMPARE(label(window, "lblScore")->text(), QString("-52"));
}

void WindowBehaviourTest::closingAsksWhenThePreferenceSaysSo() {
  TempSettings settings;
  settings.file.writeString("Preference", "ConfirmQuit", "Y");
  auto window = shownWindow();
  QVERIFY(window);
  window->setSettingsFile(&settings.file);
  window->showNormal();
  window->move(60, 70);
  window->resize(700, 500);
  QStringList asked;
  bool answer = false;
  window->setQuestion([&](const QString& text) {
    asked << text;
    return answer;
  });
  QSignalSpy closing(window.get(), &TfrmMain::closing);
  QVERIFY(!window->close());
  QCOMPARE(asked, QStringList{"Exit Kestrova 2000?"});
  QVERIFY(window->isVisible());
  QCOMPARE(closing.count(), 0);
  QCOMPARE(settings.preference("MainWindowState_Maximized"), std::string("N"));
  QCOMPARE(settings.preference("MainWindowState_Width"), std::to_string(window->width()));
  QCOMPARE(settings.preference("MainWindowState_Height"), std::to_string(window->height()));
  QCOMPARE(settings.preference("MainWindowState_Left"), std::to_string(window->pos().x()));

  answer = true;
  QVERIFY(window->close());
  QCOMPARE(closing.count(), 1);
  QCOMPARE(settings.preference("AutoPlay"), std::string("N"));
}

void WindowBehaviourTest::closingWithoutConfirmQuitDoesNotAsk() {
  TempSettings settings;  // "ConfirmQuit" is "N" unless the file says otherwise
  auto window = shownWindow();
  QVERIFY(window);
  window->setSettingsFile(&settings.file);
  int asked = 0;
  window->setQuestion([&](const QString&) { return ++asked, false; });
  QTest::keyClick(window.get(), Qt::Key_F7);
  QVERIFY(window->close());
  QCOMPARE(asked, 0);
  QCOMPARE(settings.preference("AutoPlay"), std::string("Y"));
}

void WindowBehaviourTest::closingMaximizedWritesOnlyThatFlag() {
  TempSettings settings;
  settings.file.writeString("Preference", "MainWindowState_Width", "612");
  TfrmMain window;
  window.setSettingsFile(&settings.file);
  window.applyPlacement({true, 10, 20, 640, 480});
  window.show();
  QTRY_VERIFY(window.isMaximized());
  QVERIFY(window.close());
  QCOMPARE(settings.preference("MainWindowState_Maximized"), std::string("Y"));
  QCOMPARE(settings.preference("MainWindowState_Width"), std::string("612"));
  QCOMPARE(settings.preference("MainWindowState_Left"), std::string("<none>"));
  const WindowPlacement read = readPlacement(settings.file, 1024, 768);
  QVERIFY(read.maximized);
  QCOMPARE(read.width, 612);
  QCOMPARE(read.height, 768 - 150);
  QCOMPARE(read.left, 50);
  const WindowPlacement fresh = readPlacement(TempSettings().file, 1024, 768);
  QVERIFY(fresh.maximized);
  QCOMPARE(fresh.width, 874);
  QCOMPARE(fresh.top, 50);
}

void WindowBehaviourTest::closingDuringTheWinningAnimationIsDeferred() {
  TempSettings settings;
  settings.file.writeString("Preference", "ConfirmQuit", "Y");
  auto window = shownWindow();
  QVERIFY(window);
  window->setSettingsFile(&settings.file);
  window->showNormal();
  int asked = 0;
  window->setQuestion([&](const QString&) { return ++asked, true; });
  window->setWinningAnimationRunning(true);
  QVERIFY(!window->close());
  QVERIFY(window->isVisible());
  // The placement is kept at once; the question waits for the show's end.
  QCOMPARE(asked, 0);
  QCOMPARE(settings.preference("MainWindowState_Width"), std::to_string(window->width()));
  window->setWinningAnimationRunning(false);
  QTRY_VERIFY(!window->isVisible());
  QCOMPARE(asked, 1);
}

void WindowBehaviourTest::toolbarChoicesAreWrittenWhenMadeByTheUser() {
  TempSettings settings;
  TfrmMain window;
  window.setSettingsFile(&settings.file);
  window.applyOptions(WindowOptions{});
  QCOMPARE(settings.preference("ToolBar_Large"), std::string("<none>"));  // applying writes nothing
  window.show();
  window.menuAction("Largeicons1")->trigger();
  QCOMPARE(settings.preference("ToolBar_Large"), std::string("Y"));
  QVERIFY(window.findChild<QWidget*>("pnlTB")->isVisible());
  QVERIFY(!window.findChild<QWidget*>("pnlTB1")->isVisible());
  QCOMPARE(window.findChild<QWidget*>("pnlTB")->height(), 46);
  window.menuAction("Buttonnoflat1")->trigger();
  QCOMPARE(settings.preference("ToolBar_Flat"), std::string("N"));
  QCOMPARE(window.findChild<QWidget*>("pnlTB")->height(), 45);
  QVERIFY(!window.findChild<QWidget*>("sep_tb_large_1")->isVisible());
  window.menuAction("Smallicons1")->trigger();
  QCOMPARE(settings.preference("ToolBar_Large"), std::string("N"));
  QCOMPARE(window.findChild<QWidget*>("pnlTB1")->height(), 25);
  QCOMPARE(window.findChild<QWidget*>("tbNew1")->height(), 23);
  QVERIFY(window.menuAction("Smallicons1")->isChecked());
}

void WindowBehaviourTest::showTimeAndHideTimeSwitchThePanel() {
  TempSettings settings;
  TfrmMain window;
  window.setSettingsFile(&settings.file);
  window.resize(800, 600);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* time = window.findChild<QWidget*>("pnlTempo");
  auto* score = window.findChild<QWidget*>("pnlScore");
  QVERIFY(time->isVisible() && score->isVisible());
  QVERIFY(score->x() + score->width() + 5 == time->x());
  QVERIFY(!window.menuAction("mnuShowTime")->isEnabled());
  window.menuAction("mnuHideTime")->trigger();
  QVERIFY(!time->isVisible());
  QCOMPARE(settings.preference("Show_Time"), std::string("N"));
  QVERIFY(window.menuAction("mnuShowTime")->isEnabled());
  QCOMPARE(score->x(), window.centralWidget()->width() - score->width() - 15);
  window.menuAction("mnuShowTime")->trigger();
  QVERIFY(time->isVisible());
  QCOMPARE(settings.preference("Show_Time"), std::string("Y"));
  window.menuAction("mnuHideScore")->trigger();
  QVERIFY(!score->isVisible());
  QCOMPARE(settings.preference("Show_Score"), std::string("N"));
  window.setToolbarVisible(false);
  QVERIFY(!time->isVisible());
}

void WindowBehaviourTest::statusBarFollowsItsPreference() {
  auto window = shownWindow();
  QVERIFY(window);
  QWidget* statusBar = window->findChild<QWidget*>("pnlStatusBar");
  QVERIFY(statusBar);
  window->applyOptions(WindowOptions{});  // "StatusBar" is "N" by default
  QVERIFY(!statusBar->isVisible());
  const int tableHeight = window->tableArea()->height();
  WindowOptions shown;
  shown.showStatusBar = true;
  window->applyOptions(shown);
  QVERIFY(statusBar->isVisible());
  QTRY_COMPARE(window->tableArea()->height(), tableHeight - statusBar->height());
}

void WindowBehaviourTest::pileSizeTipShowsTheCountAndHidesOnAKey() {
  auto window = shownWindow();
  QVERIFY(window);
  auto* tip = window->findChild<QLabel*>("pnlPilesSize");
  QVERIFY(tip && !tip->isVisible());
  window->showPileSizeTip(QPoint(100, 100), 7);
  QVERIFY(tip->isVisible());
  QCOMPARE(tip->text(), QString("Pile cards: 7"));
  QCOMPARE(tip->pos(), QPoint(100, 100 - tip->height() + 47));
  QTest::keyClick(window.get(), Qt::Key_A);
  QVERIFY(!tip->isVisible());
  window->showPileSizeTip(QPoint(100, 100), 0);
  QVERIFY(!tip->isVisible());
}

void WindowBehaviourTest::pileSizeTipFollowsAPointerRest() {
  auto window = shownWindow();
  QVERIFY(window);
  qint64 now = 0;
  window->setTickSource([&] { return now; });
  QList<QPoint> looked;
  window->setPileSizeLookup([&](QPoint at) {
    looked << at;
    return at.x() < 300 ? 5 : 0;  // an empty pile to the right
  });
  auto* timer = window->findChild<QTimer*>("Timer1");
  auto* tip = window->findChild<QLabel*>("pnlPilesSize");
  window->notePointerMove(QPoint(120, 80));
  now = 400;
  QMetaObject::invokeMethod(timer, "timeout");
  QVERIFY(!tip->isVisible());
  now = 600;
  QMetaObject::invokeMethod(timer, "timeout");
  QVERIFY(tip->isVisible());
  QCOMPARE(tip->text(), QString("Pile cards: 5"));
  window->notePointerMove(QPoint(121, 80));  // a move hides it
  QVERIFY(!tip->isVisible());
  window->notePointerMove(QPoint(400, 80));
  now = 2000;
  QMetaObject::invokeMethod(timer, "timeout");
  QVERIFY(!tip->isVisible());  // nothing to count
  window->setShowPileSizes(false);
  window->notePointerMove(QPoint(100, 80));
  now = 3000;
  QMetaObject::invokeMethod(timer, "timeout");
  QVERIFY(!tip->isVisible());
  QCOMPARE(looked, QList<QPoint>({QPoint(120, 80), QPoint(400, 80)}));
}

void WindowBehaviourTest::tableReportsItsSize() {
  TfrmMain window;
  QSignalSpy resized(&window, &TfrmMain::tableResized);
  window.resize(900, 700);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTRY_VERIFY(!resized.isEmpty());
  const QSize reported = resized.last().at(0).toSize();
  QCOMPARE(reported, window.tableArea()->size());
  QCOMPARE(window.tableView()->size(), reported);
  QCOMPARE(window.tableView()->objectName(), QString("TableView"));
}

void WindowBehaviourTest::worksAt640x480() {
  TfrmMain window;
  window.resize(640, 480);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.size(), QSize(640, 480));
  QVERIFY(window.tableArea()->height() > 300);
  const auto* time = window.findChild<QWidget*>("pnlTempo");
  const auto* exit = window.findChild<QWidget*>("tbExit1");
  QVERIFY(time->isVisible());
  QVERIFY(time->x() > exit->geometry().right());
  window.setToolbarLarge(true);  // too narrow for both panels beside the large buttons
  const auto* score = window.findChild<QWidget*>("pnlScore");
  QVERIFY(!score->isVisible());
}

void WindowBehaviourTest::tournamentPlaceholderDialogsOnlyClose() {
  std::unique_ptr<TournamentPlaceholderDialog> manager(makeTournamentManagerDialog(nullptr));
  QCOMPARE(manager->windowTitle(), QString("Tournament manager"));
  manager->show();
  manager->findChild<QPushButton*>("btnOK")->click();
  QCOMPARE(manager->result(), int(QDialog::Accepted));
  QVERIFY(!manager->isVisible());
  std::unique_ptr<TournamentPlaceholderDialog> play(makePlayTournamentDialog(nullptr));
  QCOMPARE(play->windowTitle(), QString("Play tournament"));
  play->show();
  play->findChild<QPushButton*>("btnCancel")->click();
  QCOMPARE(play->result(), int(QDialog::Rejected));
  QCOMPARE(play->findChild<QPushButton*>("btnHelp")->text(), QString("&?"));
}

void WindowBehaviourTest::aboutBoxNamesTheLicence() {
  TfrmAbout about;
  QVERIFY(about.findChild<QLabel*>("lblProgram")->text().contains("Kestrova 2000"));
  QVERIFY(about.findChild<QLabel*>("lblVersion")->text().startsWith("Version "));
  QVERIFY(about.findChild<QLabel*>("lblLicence")->text().contains("GPL-3.0-or-later"));
}

void WindowBehaviourTest::aboutBoxFitsItsTextAtAnyFontSize() {
  const QFont before = QApplication::font();
  for (const int points : {7, 10, 16, 28}) {
    QFont font = before;
    font.setPointSize(points);
    QApplication::setFont(font);
    TfrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    for (const QLabel* label : about.findChildren<QLabel*>()) {
      const QString what = QStringLiteral("%1 at %2 points").arg(label->objectName()).arg(points);
      QVERIFY2(about.rect().contains(label->geometry()), qPrintable(what));
      const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
      QVERIFY2(label->height() >= needed, qPrintable(what));
      if (!label->wordWrap()) QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(what));
    }
  }
  QApplication::setFont(before);
}

}  // namespace kes::test
