#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/ini_document.h"

namespace kes {

// The players kept in the settings file's "Users" section under the keys
// "User001" to "User020"; empty keys are skipped.
inline constexpr std::string_view kUsersSection = "Users";
inline constexpr int kStoredPlayers = 20;

std::string userKey(int n);

// The names of the "Users" keys in key order.
std::vector<std::string> storedPlayers(const IniDocument& settings);

// The order of the players list: without regard to letter case, and names
// that differ only in case by their exact text, so the order (and which 20
// names are kept) never depends on how the list was built.
bool playerListOrder(const std::string& a, const std::string& b);

// The 20 "User" keys for a list in its order: the first 20 names, then
// empty values for the keys beyond the list's end.
std::vector<SettingsEntry> userEntries(const std::vector<std::string>& players);

inline constexpr std::string_view kEnterOneCharacter = "Please enter at least 1 character.";
inline constexpr std::string_view kPlayerExists = "This player name already exists.";

// The players list while the players dialog is open: sorted, names compared
// exactly, so "anna" and "Anna" are two players.
class PlayerRoster {
 public:
  explicit PlayerRoster(std::vector<std::string> names);

  const std::vector<std::string>& names() const { return names_; }
  std::optional<std::size_t> indexOf(std::string_view name) const;

  // What is wrong with a name entered for a new player, or for a player
  // called oldName (keeping the name unchanged is fine); nothing when it
  // can be taken. The name is taken without its trailing blanks.
  std::optional<std::string_view> refusalOfNew(std::string_view name) const;
  std::optional<std::string_view> refusalOfRename(std::string_view oldName, std::string_view newName) const;

  void add(std::string_view name);
  void rename(std::string_view oldName, std::string_view newName);
  void remove(std::string_view name);

 private:
  void sort();

  std::vector<std::string> names_;
};

// A name as entered: trailing blanks removed.
std::string enteredPlayerName(std::string_view text);

}  // namespace kes
