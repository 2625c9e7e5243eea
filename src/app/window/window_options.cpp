#include "app/window/window_options.h"

#include "datafiles/settings_file.h"

namespace kes {

namespace {

constexpr const char* kSection = "Preference";

// A switch that is on unless it holds "N".
bool onUnlessNo(const SettingsFile& settings, const char* key) {
  return settings.readString(kSection, key, "Y") != "N";
}

bool onWhenYes(const SettingsFile& settings, const char* key) {
  return settings.readString(kSection, key, "N") == "Y";
}

}  // namespace

WindowOptions readWindowOptions(const SettingsFile& settings) {
  WindowOptions options;
  options.toolbarVisible = onUnlessNo(settings, "ToolBar_Visible");
  options.toolbarLarge = onWhenYes(settings, "ToolBar_Large");
  options.toolbarFlat = onUnlessNo(settings, "ToolBar_Flat");
  options.showTime = onUnlessNo(settings, "Show_Time");
  options.showScore = onUnlessNo(settings, "Show_Score");
  options.showToolTips = onUnlessNo(settings, "Show_ToolTips");
  options.confirmQuit = readConfirmQuit(settings);
  return options;
}

bool readConfirmQuit(const SettingsFile& settings) {
  return settings.readString(kSection, "ConfirmQuit", "N") != "N";
}

}  // namespace kes
