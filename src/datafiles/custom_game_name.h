#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace kes {

inline constexpr std::string_view kNameTooShort = "Please enter at least 3 characters.";
inline constexpr std::string_view kNameTooLong = "Please enter at most 50 characters.";
inline constexpr std::string_view kNameCharacters =
    "Please use only letters without accents, digits, blanks and punctuation marks.";
inline constexpr std::string_view kNameExists = "This name already exists.";

// Why a new custom game cannot take the name (trailing blanks aside): too
// short, too long for the file's 50-character field, holding characters the
// file cannot keep, or already the name of a catalogue or custom game
// without regard to case. Empty when the name can be used.
std::string customGameNameProblem(std::string_view name, const std::filesystem::path& customGamesFile,
                                  std::span<const std::string> catalogueNames);

}  // namespace kes
