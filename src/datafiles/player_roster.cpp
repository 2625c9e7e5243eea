#include "player_roster.h"

#include <algorithm>
#include <cctype>

#include "datafiles/pad.h"
#include "datafiles/player_name.h"

namespace kes {

namespace {

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

std::string userKey(int n) { return "User" + pad(n, 3); }

std::vector<std::string> storedPlayers(const IniDocument& settings) {
  std::vector<std::string> players;
  for (int n = 1; n <= kStoredPlayers; ++n) {
    std::string name = settings.stringValue(kUsersSection, userKey(n), "");
    if (!name.empty()) players.push_back(std::move(name));
  }
  return players;
}

bool playerListOrder(const std::string& a, const std::string& b) {
  const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                 [](char x, char y) { return folded(x) < folded(y); });
  const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                    [](char x, char y) { return folded(x) < folded(y); });
  return less || (!greater && a < b);
}

std::vector<SettingsEntry> userEntries(const std::vector<std::string>& players) {
  std::vector<SettingsEntry> entries;
  for (int n = 1; n <= kStoredPlayers; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    entries.push_back({userKey(n), i < players.size() ? players[i] : std::string()});
  }
  return entries;
}

std::string enteredPlayerName(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

PlayerRoster::PlayerRoster(std::vector<std::string> names) : names_(std::move(names)) { sort(); }

void PlayerRoster::sort() { std::stable_sort(names_.begin(), names_.end(), playerListOrder); }

std::optional<std::size_t> PlayerRoster::indexOf(std::string_view name) const {
  const auto it = std::find(names_.begin(), names_.end(), name);
  if (it == names_.end()) return std::nullopt;
  return static_cast<std::size_t>(it - names_.begin());
}

std::optional<std::string_view> PlayerRoster::refusalOfNew(std::string_view name) const {
  const std::string entered = enteredPlayerName(name);
  if (entered.empty()) return kEnterOneCharacter;
  if (!validPlayerName(entered)) return kInvalidPlayerName;
  if (indexOf(entered)) return kPlayerExists;
  return std::nullopt;
}

std::optional<std::string_view> PlayerRoster::refusalOfRename(std::string_view oldName,
                                                              std::string_view newName) const {
  const std::string entered = enteredPlayerName(newName);
  if (entered.empty()) return kEnterOneCharacter;
  if (entered == oldName) return std::nullopt;
  return refusalOfNew(entered);
}

void PlayerRoster::add(std::string_view name) {
  names_.push_back(enteredPlayerName(name));
  sort();
}

void PlayerRoster::rename(std::string_view oldName, std::string_view newName) {
  const auto i = indexOf(oldName);
  if (!i) return;
  names_[*i] = enteredPlayerName(newName);
  sort();
}

void PlayerRoster::remove(std::string_view name) {
  if (const auto i = indexOf(name)) names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(*i));
}

}  // namespace kes
