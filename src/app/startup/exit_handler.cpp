#include "exit_handler.h"

#include <QCloseEvent>

#include "datafiles/settings_file.h"

namespace kes {

StoredPlacement placementOf(const QWidget& window) {
  const QRect frame = window.geometry();
  return {frame.x(), frame.y(), frame.width(), frame.height(), window.isMaximized()};
}

void showPlaced(QWidget& window, const StoredPlacement& placement) {
  window.setGeometry(placement.left, placement.top, placement.width, placement.height);
  if (placement.maximized)
    window.showMaximized();
  else
    window.showNormal();
}

ExitHandler::ExitHandler(QWidget& window, std::filesystem::path settingsFile, StartupUi& ui, bool autoPlayAtStart,
                         ExitHooks hooks)
    : QObject(&window),
      window_(window),
      settingsFile_(std::move(settingsFile)),
      ui_(ui),
      autoPlayAtStart_(autoPlayAtStart),
      hooks_(std::move(hooks)) {
  window.installEventFilter(this);
}

bool ExitHandler::mayClose() {
  SettingsFile settings(settingsFile_, ui_);
  const bool animating = hooks_.winningAnimationRunning && hooks_.winningAnimationRunning();
  switch (confirmExit({placementOf(window_), animating}, settings, ui_)) {
    case ExitDecision::AfterWinningAnimation:
      closeRequested_ = true;
      if (hooks_.stopWinningAnimation) hooks_.stopWinningAnimation();
      return false;
    case ExitDecision::Refuse:
      closeRequested_ = false;
      return false;
    case ExitDecision::Close:
      break;
  }
  const bool autoPlay = hooks_.autoPlayOn ? hooks_.autoPlayOn() : autoPlayAtStart_;
  ShutdownActions{hooks_.recordGame, [this] { window_.hide(); }, autoPlay}.run(settings);
  return true;
}

bool ExitHandler::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_ || event->type() != QEvent::Close) return QObject::eventFilter(watched, event);
  if (mayClose()) return false;
  event->ignore();
  return true;
}

}  // namespace kes
