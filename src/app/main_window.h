#pragma once

#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "app/window/menu_builder.h"
#include "app/window/pointer_rest.h"
#include "app/window/window_options.h"
#include "app/window/window_placement.h"
#include "display/geometry/table_area.h"

struct PanelPlacement;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;

namespace kes {

class DemoBar;
class GlyphSource;
class InfoPanel;
class PauseScreen;
class SettingsFile;
class ToolbarPanel;

// The program's main window: menus, toolbars, the time and score panels and
// the table area. Game commands leave it as signals for the game controller;
// the controller enables them through the Set...Enabled calls.
class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  // Asks a yes/no question; true means go ahead.
  using Question = std::function<bool(const QString& text)>;

  explicit TfrmMain(QWidget* parent = nullptr);
  // Glyphs from another source, such as the resource library.
  explicit TfrmMain(std::unique_ptr<GlyphSource> glyphs, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Where preferences and the placement are kept; without it nothing persists.
  void setSettingsFile(SettingsFile* settings) { settings_ = settings; }
  void setQuestion(Question question) { question_ = std::move(question); }

  void applyOptions(const WindowOptions& options);
  const WindowOptions& options() const { return options_; }
  void applyPlacement(const WindowPlacement& placement);
  WindowPlacement currentPlacement() const;

  // The enabling calls of the game controller; a disabled button shows its
  // "_DIS" glyph.
  void SetGameCommandsEnabled(bool on);
  void SetUndoRedoEnabled(bool undo, bool redo);
  void SetAutoplayEnabled(bool on);
  // One item; an item whose feature is still to come stays disabled.
  void setItemEnabled(const char* name, bool on);
  // A feature the menu names as still to come is there now: its items may be
  // enabled, those outside the game commands at once.
  void provideFeature(const char* feature);
  void PlaceTimeAndScore();

  // Toolbar and panel options; byUser writes the choice to the settings.
  void setToolbarLarge(bool large, bool byUser = false);
  void setToolbarFlat(bool flat, bool byUser = false);
  void setToolbarVisible(bool visible);
  void setShowToolTips(bool show);
  void setShowTime(bool show, bool byUser = false);
  void setShowScore(bool show, bool byUser = false);

  // The clock: while timing runs, Timer1 calls the refresh every second.
  void setClockRefresh(std::function<void()> refresh) { clockRefresh_ = std::move(refresh); }
  void setTiming(bool on) { timing_ = on; }
  bool isTiming() const { return timing_; }
  void setPlayingTime(std::chrono::seconds elapsed);
  void setScore(int score);
  // The solver's word beside the score (a hint, or whether the game can
  // still be won); empty hides it.
  void setSolverStatus(const QString& text, const QString& toolTip);
  QString solverStatus() const;

  bool isPaused() const;
  bool isAutoplayOn() const;
  // The demo panel with its controls, shown while a demo plays.
  void setDemoBarShown(bool shown);
  DemoBar* demoBar() const { return demoBar_; }
  void setWinningAnimationRunning(bool running);
  bool isWinningAnimationRunning() const { return winningAnimation_; }
  // The window was asked to close while the winning animation ran.
  bool isClosePending() const { return closePending_; }

  // The pile-size tip at a point of the table; a count of 0 hides it.
  void showPileSizeTip(QPoint at, int count);
  void hidePileSizeTip();
  // The tip after a rest: the table reports pointer moves (while a game is
  // in progress and no card is held) and says how many cards lie in the
  // pile at a point (0 for none).
  void notePointerMove(QPoint at);
  // A press on the table: no rest is pending and the tip goes.
  void clearPointerRest();
  void setPileSizeLookup(std::function<int(QPoint)> lookup) { pileSizeLookup_ = std::move(lookup); }
  void setShowPileSizes(bool on) { showPileSizes_ = on; }
  // The millisecond tick count the pointer rest is measured with.
  void setTickSource(std::function<qint64()> ticks) { ticks_ = std::move(ticks); }

  // The table area and its placeholder view, which the table display replaces.
  QWidget* tableArea() const { return tableArea_; }
  QWidget* tableView() const { return tableView_; }
  void setTableView(QWidget* view);
  QScrollBar* tableScrollBar() const { return scrBarMain_; }
  // The window's measures the table is laid out in.
  WindowMeasures tableMeasures() const;

  QAction* menuAction(const QString& name) const { return actions_.value(name, nullptr); }

 public slots:
  void setPaused(bool on);

 signals:
  void newGameRequested();
  void restartGameRequested();
  void selectGameNumberRequested();
  void randomGameRequested();
  void undoRequested();
  void redoRequested();
  void hintRequested();
  void quitGameRequested();
  void hiScoresRequested();
  // "&Demo" (Ctrl+D): demo mode on or off.
  void demoRequested();
  void saveGameRequested();
  void autoplayToggled(bool on);
  void pauseChanged(bool paused);
  void tableResized(QSize size);
  void tableScrolled(int position);
  // The about box is about to open (its sound plays).
  void aboutBoxOpening();
  // The first activation of the window, for the start-up to go on.
  void firstActivated();
  // The close was accepted; the shut-down may run.
  void closing();
  // A close asked for during the winning animation: the animation ends
  // now, and the window closes after it.
  void winningAnimationInterrupted();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildFrame();
  void buildTableArea();
  void buildPanels();
  void buildPopups();
  void connectCommands();
  void connectHiddenDemoShortcut();
  void connectToolbar(ToolbarPanel& toolbar);
  void syncToolbarsWithMenu();
  void placeToolbarButtons();
  void onTableAreaResized();
  void placeSolverStatus(const PanelPlacement& panels);
  bool askToClose();
  void writePreference(const char* key, bool on);
  void runCommand(const QString& name);
  void onTimer1();
  void considerPileSizeTip();

  std::unique_ptr<GlyphSource> glyphs_;
  SettingsFile* settings_ = nullptr;
  Question question_;
  WindowOptions options_;
  MenuActions actions_;
  QSet<QString> providedFeatures_;

  QWidget* central_ = nullptr;
  ToolbarPanel* pnlTB_ = nullptr;
  ToolbarPanel* pnlTB1_ = nullptr;
  InfoPanel* pnlTempo_ = nullptr;
  InfoPanel* pnlScore_ = nullptr;
  QFrame* pnlDemo_ = nullptr;
  QFrame* pnlLineUpDemo_ = nullptr;
  DemoBar* demoBar_ = nullptr;
  QWidget* tableArea_ = nullptr;
  QWidget* tableView_ = nullptr;
  QScrollBar* scrBarMain_ = nullptr;
  QFrame* pnlStatusBar_ = nullptr;
  QLabel* pnlPilesSize_ = nullptr;
  QLabel* lblSolverStatus_ = nullptr;
  PauseScreen* pauseScreen_ = nullptr;
  QMenu* popTB_ = nullptr;
  QMenu* popTime_ = nullptr;
  QMenu* popScore_ = nullptr;
  QTimer timer1_;
  std::function<void()> clockRefresh_;
  std::function<int(QPoint)> pileSizeLookup_;
  std::function<qint64()> ticks_;
  PointerRest pointerRest_;
  bool showPileSizes_ = true;

  bool timing_ = false;
  bool timingBeforePause_ = false;
  bool firstActivationPending_ = true;
  bool winningAnimation_ = false;
  bool closePending_ = false;
};

}  // namespace kes
