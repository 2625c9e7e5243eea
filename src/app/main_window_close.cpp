#include <QAction>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTimer>

#include "app/window/pause_screen.h"
#include "datafiles/settings_file.h"
#include "main_window.h"
#include "product.h"

namespace kes {

namespace {

// Whether closing asks first; read afresh at every close, since the
// advanced options may change it meanwhile.
bool confirmQuitWanted(const SettingsFile* settings) {
  return settings && settings->readString("Preference", "ConfirmQuit", "N") != "N";
}

}  // namespace

void TfrmMain::applyPlacement(const WindowPlacement& placement) {
  move(placement.left, placement.top);
  resize(placement.width, placement.height);
  if (placement.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

WindowPlacement TfrmMain::currentPlacement() const {
  WindowPlacement placement;
  placement.maximized = isMaximized();
  placement.left = pos().x();
  placement.top = pos().y();
  placement.width = width();
  placement.height = height();
  return placement;
}

bool TfrmMain::askToClose() {
  if (!confirmQuitWanted(settings_)) return true;
  const QString text = QStringLiteral("Exit %1?").arg(QString::fromUtf8(kProductTitle));
  if (question_) return question_(text);
  return QMessageBox::question(this, QString::fromUtf8(kProductTitle), text, QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

// The placement is kept even when the close is then refused or deferred.
void TfrmMain::closeEvent(QCloseEvent* event) {
  if (settings_) writePlacement(*settings_, currentPlacement());
  if (winningAnimation_) {
    closePending_ = true;
    event->ignore();
    emit winningAnimationInterrupted();
    return;
  }
  if (!askToClose()) {
    event->ignore();
    return;
  }
  if (isPaused()) setPaused(false);
  writePreference("AutoPlay", isAutoplayOn());
  emit closing();
  event->accept();
}

void TfrmMain::setWinningAnimationRunning(bool running) {
  winningAnimation_ = running;
  if (!running && closePending_) {
    closePending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
}

bool TfrmMain::isPaused() const { return pauseScreen_->active(); }

// Pausing stops the clock and hides the table until a key or a click.
void TfrmMain::setPaused(bool on) {
  if (on == isPaused()) return;
  QAction* item = actions_.value("mnuPause");
  {
    const QSignalBlocker blocker(item);
    item->setChecked(on);
  }
  if (on) {
    if (timing_ && clockRefresh_) clockRefresh_();
    timingBeforePause_ = timing_;
    timing_ = false;
    hidePileSizeTip();
    pauseScreen_->begin();
  } else {
    pauseScreen_->end();
    timing_ = timingBeforePause_;
    tableView_->update();
  }
  emit pauseChanged(on);
}

}  // namespace kes
