#include "app/window/window_placement.h"

#include <array>
#include <string>

#include "datafiles/settings_file.h"

namespace kes {

namespace {

constexpr const char* kSection = "Preference";
constexpr int kScreenMargin = 150;

}  // namespace

WindowPlacement defaultPlacement(int screenWidth, int screenHeight) {
  return {true, 50, 50, screenWidth - kScreenMargin, screenHeight - kScreenMargin};
}

WindowPlacement readPlacement(const SettingsFile& settings, int screenWidth, int screenHeight) {
  const WindowPlacement fallback = defaultPlacement(screenWidth, screenHeight);
  WindowPlacement placement;
  placement.maximized = settings.readString(kSection, "MainWindowState_Maximized", "Y") == "Y";
  placement.left = settings.readInt(kSection, "MainWindowState_Left", fallback.left);
  placement.top = settings.readInt(kSection, "MainWindowState_Top", fallback.top);
  placement.width = settings.readInt(kSection, "MainWindowState_Width", fallback.width);
  placement.height = settings.readInt(kSection, "MainWindowState_Height", fallback.height);
  return placement;
}

bool writePlacement(SettingsFile& settings, const WindowPlacement& placement) {
  if (placement.maximized) return settings.writeString(kSection, "MainWindowState_Maximized", "Y");
  const std::array<SettingsEntry, 5> entries{
      SettingsEntry{"MainWindowState_Maximized", "N"},
      SettingsEntry{"MainWindowState_Left", std::to_string(placement.left)},
      SettingsEntry{"MainWindowState_Top", std::to_string(placement.top)},
      SettingsEntry{"MainWindowState_Width", std::to_string(placement.width)},
      SettingsEntry{"MainWindowState_Height", std::to_string(placement.height)},
  };
  return settings.writeStrings(kSection, entries);
}

}  // namespace kes
