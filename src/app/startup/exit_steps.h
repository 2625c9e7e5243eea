#pragma once

#include <functional>
#include <string>

#include "app/startup/startup_ui.h"
#include "app/startup/stored_placement.h"
#include "datafiles/settings_file.h"

namespace kes {

// "Exit Kestrova 2000?"
std::string exitQuestion();

enum class ExitDecision {
  Close,
  Refuse,
  // The winning animation is stopped first; the game's end closes the window.
  AfterWinningAnimation,
};

// What the main window knows when it is asked to close.
struct ExitRequest {
  StoredPlacement placement;
  bool winningAnimationRunning = false;
};

// Saves the placement, then decides whether the window may close: never
// while the winning animation runs, otherwise at once unless "ConfirmQuit"
// asks for the exit question.
ExitDecision confirmExit(const ExitRequest& request, SettingsFile& settings, StartupUi& ui);

// Closing the main window: the game in progress goes to the statistics
// (recordGame), the window is hidden (hideWindow), and the autoplay switch
// is kept for the next start. Empty functions are skipped.
struct ShutdownActions {
  std::function<void()> recordGame;
  std::function<void()> hideWindow;
  bool autoPlay = true;

  void run(SettingsFile& settings) const;
};

}  // namespace kes
