#include "counter_settings.h"

#include <string>
#include <vector>

#include "app/startup/preference_table.h"
#include "datafiles/settings_file.h"

namespace kes {

namespace {

constexpr const char* kStockKey = "CardCounter_Stock";
constexpr const char* kTableauKey = "CardCounter_Tableau";
constexpr const char* kInverseKey = "CardCounter_Inverse";
constexpr const char* kVisibleKey = "CardCounter_Visible";
constexpr const char* kLeftKey = "CardCounter_Left";
constexpr const char* kTopKey = "CardCounter_Top";

bool yes(const SettingsFile& settings, const char* key) { return settings.readString(kPreferenceSection, key, "N") == "Y"; }
std::string yesNo(bool on) { return on ? "Y" : "N"; }

}  // namespace

CounterSettings readCounterSettings(const SettingsFile& settings) {
  CounterSettings state;
  state.filter.stockOnly = yes(settings, kStockKey);
  state.filter.tableauOnly = !state.filter.stockOnly && yes(settings, kTableauKey);
  state.filter.inverted = yes(settings, kInverseKey);
  state.visible = yes(settings, kVisibleKey);
  state.left = settings.readInt(kPreferenceSection, kLeftKey, -1);
  state.top = settings.readInt(kPreferenceSection, kTopKey, -1);
  return state;
}

void writeCounterSettings(SettingsFile& settings, const CounterSettings& state) {
  const std::vector<SettingsEntry> entries{
      {kStockKey, yesNo(state.filter.stockOnly)},   {kTableauKey, yesNo(state.filter.tableauOnly)},
      {kInverseKey, yesNo(state.filter.inverted)},  {kLeftKey, std::to_string(state.left)},
      {kTopKey, std::to_string(state.top)},         {kVisibleKey, yesNo(state.visible)},
  };
  settings.writeStrings(kPreferenceSection, entries);
}

}  // namespace kes
