#include "stored_placement.h"

#include <string>
#include <vector>

#include "app/startup/preference_table.h"

namespace kes {

namespace {

constexpr std::string_view kLeft = "MainWindowState_Left";
constexpr std::string_view kTop = "MainWindowState_Top";
constexpr std::string_view kWidth = "MainWindowState_Width";
constexpr std::string_view kHeight = "MainWindowState_Height";
constexpr std::string_view kMaximized = "MainWindowState_Maximized";
constexpr int kScreenMargin = 150;

}  // namespace

StoredPlacement readStoredPlacement(const IniDocument& settings, int screenWidth, int screenHeight) {
  StoredPlacement p;
  p.left = settings.intValue(kPreferenceSection, kLeft, p.left);
  p.top = settings.intValue(kPreferenceSection, kTop, p.top);
  p.width = settings.intValue(kPreferenceSection, kWidth, screenWidth - kScreenMargin);
  p.height = settings.intValue(kPreferenceSection, kHeight, screenHeight - kScreenMargin);
  p.maximized = settings.stringValue(kPreferenceSection, kMaximized, "Y") == "Y";
  return p;
}

bool saveStoredPlacement(SettingsFile& settings, const StoredPlacement& placement) {
  if (placement.maximized) return settings.writeString(kPreferenceSection, kMaximized, "Y");
  const std::vector<SettingsEntry> entries{
      {std::string(kMaximized), "N"},
      {std::string(kLeft), std::to_string(placement.left)},
      {std::string(kTop), std::to_string(placement.top)},
      {std::string(kWidth), std::to_string(placement.width)},
      {std::string(kHeight), std::to_string(placement.height)},
  };
  return settings.writeStrings(kPreferenceSection, entries);
}

}  // namespace kes
