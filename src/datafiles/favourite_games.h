#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/ini_document.h"

namespace kes {

class SettingsFile;

// The favourite games live in the settings file's section "Favourite Games"
// under the keys "Game000", "Game001", ... without gaps, each holding a game
// name (a catalogue or a custom game).
inline constexpr std::string_view kFavouritesSection = "Favourite Games";
inline constexpr int kLastFavouriteIndex = 9999;

std::string favouriteKey(int index);

// The names in stored order; reading stops at the first missing key. Names
// that are no longer games are the reader's to skip.
std::vector<std::string> readFavouriteNames(const IniDocument& settings);
std::vector<std::string> readFavouriteNames(const SettingsFile& settings);

// The section afterwards holds exactly these names under Game000 onwards.
bool writeFavourites(SettingsFile& settings, std::span<const std::string> names);

// Deletes the key holding the name (trailing blanks and letter case aside)
// and moves each following key down by one, so the list keeps no gap.
// True when nothing needed changing or the file was rewritten.
bool removeFavourite(SettingsFile& settings, std::string_view name);

}  // namespace kes
