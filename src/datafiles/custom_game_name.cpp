#include "custom_game_name.h"

#include <algorithm>

#include "datafiles/custom_game_record.h"
#include "datafiles/custom_games_file.h"

namespace kes {

namespace {

constexpr std::size_t kShortestName = 3;

// The file keeps one byte per character in fixed-width fields, so only the
// printable characters of plain ASCII fit.
bool printableAscii(char c) { return c >= ' ' && c <= '~'; }

}  // namespace

std::string customGameNameProblem(std::string_view name, const std::filesystem::path& customGamesFile,
                                  std::span<const std::string> catalogueNames) {
  const std::string_view trimmed = name.substr(0, name.find_last_not_of(' ') + 1);
  if (trimmed.size() < kShortestName) return std::string(kNameTooShort);
  if (!std::all_of(trimmed.begin(), trimmed.end(), printableAscii)) return std::string(kNameCharacters);
  if (trimmed.size() > CustomRecord::kNameWidth) return std::string(kNameTooLong);
  if (gameNameInUse(customGamesFile, trimmed, catalogueNames)) return std::string(kNameExists);
  return {};
}

}  // namespace kes
