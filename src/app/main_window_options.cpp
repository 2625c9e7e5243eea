#include <QAction>
#include <QLabel>
#include <algorithm>
#include <QActionGroup>
#include <QMenu>

#include "app/window/info_panel.h"
#include "app/window/menu_table.h"
#include "app/window/panel_placement.h"
#include "app/window/toolbar.h"
#include "datafiles/settings_file.h"
#include "main_window.h"

namespace kes {

namespace {

void popUpOn(QWidget& widget, QMenu& menu) {
  widget.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&widget, &QWidget::customContextMenuRequested, &menu,
                   [&widget, &menu](QPoint at) { menu.popup(widget.mapToGlobal(at)); });
}

void makeExclusive(QAction* first, QAction* second, QObject* owner) {
  auto* group = new QActionGroup(owner);
  for (QAction* action : {first, second}) {
    action->setCheckable(true);
    group->addAction(action);
  }
}

}  // namespace

void TfrmMain::buildPopups() {
  popTB_ = buildPopupMenu("popTB", popupMenuTable(), this, actions_);
  popTime_ = buildPopupMenu("popTime", popupMenuTable(), this, actions_);
  popScore_ = buildPopupMenu("popScore", popupMenuTable(), this, actions_);
  makeExclusive(actions_.value("Largeicons1"), actions_.value("Smallicons1"), this);
  makeExclusive(actions_.value("Buttonflat1"), actions_.value("Buttonnoflat1"), this);
  popTB_->insertSeparator(actions_.value("Buttonflat1"));
  popTB_->insertSeparator(actions_.value("mnuShowTime"));
  popUpOn(*pnlTB_, *popTB_);
  popUpOn(*pnlTB1_, *popTB_);
  popUpOn(*pnlTempo_, *popTime_);
  popUpOn(*pnlScore_, *popScore_);

  connect(actions_.value("Largeicons1"), &QAction::triggered, this, [this] { setToolbarLarge(true, true); });
  connect(actions_.value("Smallicons1"), &QAction::triggered, this, [this] { setToolbarLarge(false, true); });
  connect(actions_.value("Buttonflat1"), &QAction::triggered, this, [this] { setToolbarFlat(true, true); });
  connect(actions_.value("Buttonnoflat1"), &QAction::triggered, this, [this] { setToolbarFlat(false, true); });
  connect(actions_.value("mnuShowTime"), &QAction::triggered, this, [this] { setShowTime(true, true); });
  connect(actions_.value("mnuHideTime"), &QAction::triggered, this, [this] { setShowTime(false, true); });
  connect(actions_.value("mnuShowScore"), &QAction::triggered, this, [this] { setShowScore(true, true); });
  connect(actions_.value("mnuHideScore"), &QAction::triggered, this, [this] { setShowScore(false, true); });
}

void TfrmMain::applyOptions(const WindowOptions& options) {
  options_ = options;
  setToolbarFlat(options.toolbarFlat);
  setToolbarLarge(options.toolbarLarge);
  setShowToolTips(options.showToolTips);
  setShowTime(options.showTime);
  setShowScore(options.showScore);
  setToolbarVisible(options.toolbarVisible);
  pnlStatusBar_->setVisible(options.showStatusBar);
}

void TfrmMain::writePreference(const char* key, bool on) {
  if (settings_) settings_->writeString("Preference", key, on ? "Y" : "N");
}

void TfrmMain::setToolbarLarge(bool large, bool byUser) {
  options_.toolbarLarge = large;
  actions_.value(large ? "Largeicons1" : "Smallicons1")->setChecked(true);
  for (InfoPanel* panel : {pnlTempo_, pnlScore_}) {
    if (large)
      panel->setMetrics(24, 4);
    else
      panel->setMetrics(20, 3);
  }
  setToolbarVisible(options_.toolbarVisible);
  if (byUser) writePreference("ToolBar_Large", large);
}

void TfrmMain::setToolbarFlat(bool flat, bool byUser) {
  options_.toolbarFlat = flat;
  actions_.value(flat ? "Buttonflat1" : "Buttonnoflat1")->setChecked(true);
  pnlTB_->setFlat(flat);
  pnlTB1_->setFlat(flat);
  PlaceTimeAndScore();
  if (byUser) writePreference("ToolBar_Flat", flat);
}

void TfrmMain::setToolbarVisible(bool visible) {
  options_.toolbarVisible = visible;
  pnlTB_->setVisible(visible && options_.toolbarLarge);
  pnlTB1_->setVisible(visible && !options_.toolbarLarge);
  placeToolbarButtons();
  PlaceTimeAndScore();
}

// Buttons stand one pixel from the top when only the small toolbar shows.
void TfrmMain::placeToolbarButtons() {
  const bool onlySmall = !options_.toolbarLarge;
  pnlTB_->setButtonTop(2);
  pnlTB1_->setButtonTop(onlySmall ? 1 : 2);
}

void TfrmMain::setShowToolTips(bool show) {
  options_.showToolTips = show;
  pnlTB_->setShowToolTips(show);
  pnlTB1_->setShowToolTips(show);
}

void TfrmMain::setShowTime(bool show, bool byUser) {
  options_.showTime = show;
  actions_.value("mnuShowTime")->setEnabled(!show);
  PlaceTimeAndScore();
  if (byUser) writePreference("Show_Time", show);
}

void TfrmMain::setShowScore(bool show, bool byUser) {
  options_.showScore = show;
  actions_.value("mnuShowScore")->setEnabled(!show);
  PlaceTimeAndScore();
  if (byUser) writePreference("Show_Score", show);
}

void TfrmMain::PlaceTimeAndScore() {
  if (!pnlTempo_ || !pnlScore_) return;
  const ToolbarPanel& toolbar = options_.toolbarLarge ? *pnlTB_ : *pnlTB1_;
  PanelPlacementInput in;
  in.windowWidth = central_->width();
  in.toolbarHeight = toolbar.height();
  in.lastButtonRight = toolbar.lastButtonRight();
  in.timeSize = pnlTempo_->size();
  in.scoreSize = pnlScore_->size();
  in.showTime = options_.showTime;
  in.showScore = options_.showScore;
  in.toolbarVisible = options_.toolbarVisible;
  const PanelPlacement out = placeTimeAndScore(in);
  const QPoint toolbarAt = toolbar.pos();
  pnlTempo_->move(toolbarAt + out.timeAt);
  pnlScore_->move(toolbarAt + out.scoreAt);
  pnlTempo_->setVisible(out.timeShown);
  pnlScore_->setVisible(out.scoreShown);
  pnlTempo_->raise();
  pnlScore_->raise();
  placeSolverStatus(out);
}

// Left of the time and score on the toolbar's row; at the top right of the
// table when the toolbar is hidden.
void TfrmMain::placeSolverStatus(const PanelPlacement& panels) {
  if (!lblSolverStatus_ || lblSolverStatus_->isHidden()) return;
  lblSolverStatus_->adjustSize();
  const ToolbarPanel& toolbar = options_.toolbarLarge ? *pnlTB_ : *pnlTB1_;
  int right = central_->width() - 4;
  if (panels.timeShown) right = std::min(right, pnlTempo_->x() - 6);
  if (panels.scoreShown) right = std::min(right, pnlScore_->x() - 6);
  const int height = lblSolverStatus_->height();
  const int top = options_.toolbarVisible ? toolbar.y() + (toolbar.height() - height) / 2
                                          : tableArea_->mapTo(central_, QPoint(0, 0)).y() + 4;
  lblSolverStatus_->move(std::max(0, right - lblSolverStatus_->width()), top);
  lblSolverStatus_->raise();
}

}  // namespace kes
