#include "exit_steps.h"

#include "app/startup/preference_table.h"
#include "datafiles/product_title.h"

namespace kes {

std::string exitQuestion() { return std::string("Exit ") + kProductTitle + "?"; }

ExitDecision confirmExit(const ExitRequest& request, SettingsFile& settings, StartupUi& ui) {
  const bool ask = settings.readString(kPreferenceSection, "ConfirmQuit", "N") != "N";
  saveStoredPlacement(settings, request.placement);
  if (request.winningAnimationRunning) return ExitDecision::AfterWinningAnimation;
  if (!ask) return ExitDecision::Close;
  return ui.confirm(exitQuestion()) ? ExitDecision::Close : ExitDecision::Refuse;
}

void ShutdownActions::run(SettingsFile& settings) const {
  if (recordGame) recordGame();
  if (hideWindow) hideWindow();
  settings.writeString(kPreferenceSection, "AutoPlay", autoPlay ? "Y" : "N");
}

}  // namespace kes
