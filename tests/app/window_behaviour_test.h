#pragma once

#include <QObject>

namespace kes::test {

class WindowBehaviourTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheProductCaption();
  void firstActivationIsReportedOnce();
  void menuDialogsAreModalAndClose();
  void shortcutsEmitTheGameCommands_data();
  void shortcutsEmitTheGameCommands();
  void autoplayTogglesWithItsButtons();
  void disabledCommandsStaySilent();
  void theHiddenDemoItemKeepsItsShortcut();
  void toolbarButtonsDoWhatTheirMenuTwinsDo();
  void pauseShowsThePauseScreenUntilAKey();
  void aClickAlsoEndsThePauseAndNothingElse();
  void timerRefreshesTheClockOnlyWhileTiming();
  void closingAsksWhenThePreferenceSaysSo();
  void closingWithoutConfirmQuitDoesNotAsk();
  void closingMaximizedWritesOnlyThatFlag();
  void closingDuringTheWinningAnimationIsDeferred();
  void toolbarChoicesAreWrittenWhenMadeByTheUser();
  void showTimeAndHideTimeSwitchThePanel();
  void statusBarFollowsItsPreference();
  void pileSizeTipShowsTheCountAndHidesOnAKey();
  void pileSizeTipFollowsAPointerRest();
  void tableReportsItsSize();
  void worksAt640x480();
  void tournamentPlaceholderDialogsOnlyClose();
  void aboutBoxNamesTheLicence();
  void aboutBoxFitsItsTextAtAnyFontSize();
};

}  // namespace kes::test
