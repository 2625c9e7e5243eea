#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kes {

// The catalogue keeps its text transformed character by character: a stored
// character of code 80 or above stands for code - 48, one below 80 for
// code + 48. Positions are kept, so fields can be cut before or after.
char restoreCatalogueChar(char stored);
std::string restoreCatalogueText(std::string_view stored);

// The writer's side: a plain character of code 32 .. 207 is stored as code + 48.
// Returns nullopt for a character that cannot be stored.
std::optional<char> storeCatalogueChar(char plain);
std::optional<std::string> storeCatalogueText(std::string_view plain);

// A number field of the catalogue: optional spaces, an optional sign, digits,
// optional spaces. nullopt when that is not what the field holds.
std::optional<long> parseCatalogueNumber(std::string_view field);

std::string_view trimTrailingSpaces(std::string_view s);

}  // namespace kes
