#pragma once

#include <string>
#include <vector>

namespace kes {

class SettingsFile;

// The twenty most recently dealt game numbers, most recent first, kept in
// the settings section "Game_Numbers" under "Game001" .. "Game020".
inline constexpr int kRememberedDealNumbers = 20;

// The list after dealing number: every copy of it leaves its place (an empty
// entry closes up at the end) and it goes to the front; twenty entries stay.
std::vector<std::string> withDealNumberFirst(std::vector<std::string> list, const std::string& number);

// The twenty entries in key order, missing keys as empty.
std::vector<std::string> readDealNumbers(const SettingsFile& settings);
void rememberDealNumber(SettingsFile& settings, const std::string& number);
// The non-empty entries in key order, for the game-number dialog's list.
std::vector<std::string> recentDealNumbers(const SettingsFile& settings);

}  // namespace kes
