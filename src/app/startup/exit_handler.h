#pragma once

#include <QObject>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "app/startup/exit_steps.h"
#include "app/startup/startup_ui.h"

namespace kes {

// What the main window tells the exit steps; every part left empty counts
// as "nothing to do" (no winning animation, autoplay as start-up read it).
struct ExitHooks {
  std::function<bool()> winningAnimationRunning;
  std::function<void()> stopWinningAnimation;
  std::function<bool()> autoPlayOn;
  std::function<void()> recordGame;
};

// The window's placement as the settings file keeps it.
StoredPlacement placementOf(const QWidget& window);
// Puts a window where the placement says and shows it.
void showPlaced(QWidget& window, const StoredPlacement& placement);

// Watches the main window's close requests: saves the placement, asks the
// exit question when the player wants it, and on closing keeps the autoplay
// switch. A close refused leaves the window open and the game unrecorded.
class ExitHandler : public QObject {
  Q_OBJECT

 public:
  ExitHandler(QWidget& window, std::filesystem::path settingsFile, StartupUi& ui, bool autoPlayAtStart,
              ExitHooks hooks = {});

  // True while a close waits for the winning animation to end.
  bool closeRequested() const { return closeRequested_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool mayClose();

  QWidget& window_;
  std::filesystem::path settingsFile_;
  StartupUi& ui_;
  bool autoPlayAtStart_;
  ExitHooks hooks_;
  bool closeRequested_ = false;
};

}  // namespace kes
