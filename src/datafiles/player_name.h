#pragma once

#include <string>
#include <string_view>

namespace kes {

inline constexpr std::size_t kPlayerNameLength = 30;

// Player names key the statistics files: STAT.DAT uses them as keys and
// STAT_GLO.DAT as section names. A name with "=", "[" or "]", a line break
// or another control character would break those lines, and blanks at
// either end would be lost when the name is read back; such names, and
// names of more than 30 characters, are refused where names are entered.
bool validPlayerName(std::string_view name);

// The name a game is recorded under. Names are refused where they are
// entered, but a settings file edited by hand may still hold one the files
// cannot take: its characters that would break a line ("=", "[", "]",
// control characters) become "_", it is cut to 30 characters and trimmed,
// and a blank name is the first player's, "Player 1".
std::string recordablePlayerName(std::string_view name);

// What the user is told about a refused name.
inline constexpr std::string_view kInvalidPlayerName =
    "A player name holds 1 to 30 characters, without \"=\", \"[\", \"]\" and without blanks at its ends.";

}  // namespace kes
