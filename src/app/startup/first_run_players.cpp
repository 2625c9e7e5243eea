#include "first_run_players.h"

#include <array>

#include "app/startup/preference_table.h"

namespace kes {

namespace {

constexpr std::string_view kFirstPlayer = "Player 1";

}  // namespace

bool setUpFirstRunPlayers(ConfigRecord& record, SettingsFile& settings) {
  if (!record.get(Field::PlayerName).empty()) return false;
  const std::array<SettingsEntry, 3> players{{
      {"User001", "Player 1"},
      {"User002", "Player 2"},
      {"User003", "Player 3"},
  }};
  settings.writeString(kPreferenceSection, Field::PlayerName.preferenceKey, kFirstPlayer);
  settings.writeStrings("Users", players);
  record.put(Field::PlayerName, kFirstPlayer);
  return true;
}

}  // namespace kes
