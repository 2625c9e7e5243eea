#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/custom_game_record.h"
#include "datafiles/file_system_ops.h"
#include "datafiles/message_sink.h"

namespace kes {

// DATA/GAM_CUST.DAT below the writable data folder: the line "[R-0301]",
// then one 30-line record per custom game in the order they were made.
// A missing file holds no custom games. Every function reads the file
// afresh; writers replace it safely.
inline constexpr std::string_view kCustomGamesFileName = "DATA/GAM_CUST.DAT";
inline constexpr std::string_view kCustomGamesFirstLine = "[R-0301]";

// Said when every number from 8000 to 9999 is taken.
inline constexpr std::string_view kNoCustomGameNumberLeft =
    "No further customized game can be saved: the numbers 8000 to 9999 are all in use.\r"
    "Delete a customized game to make room for a new one.";

// The records that can be read, sorted by name without regard to case, and
// how many could not: a record whose number lies outside 8000-9999 or is
// used by an earlier record, whose name is empty, or whose base game or
// rule string cannot be read. The file itself is left as it is.
struct CustomGamesListing {
  std::vector<CustomGame> games;
  int skipped = 0;
};
CustomGamesListing readCustomGames(const std::filesystem::path& file);
// What the player is told about the records that were skipped.
std::string skippedCustomGamesMessage(const std::filesystem::path& file, int skipped);

// The readable records, sorted by name without regard to case.
std::vector<CustomGame> listCustomGames(const std::filesystem::path& file);
std::optional<CustomGame> findCustomGame(const std::filesystem::path& file, int number);
// Trailing blanks ignored, letter case too; when two match the later wins.
// -1 when no custom game has the name.
int customGameNumberByName(const std::filesystem::path& file, std::string_view name);
// Empty when there is no such custom game.
std::string customGameName(const std::filesystem::path& file, int number);
// The smallest free number from 8000 on; 10000 when none is left.
int nextCustomGameNumber(const std::filesystem::path& file);

// True when a catalogue game (named in catalogueNames) or a custom game
// already has this name, compared without regard to case.
bool gameNameInUse(const std::filesystem::path& file, std::string_view name,
                   std::span<const std::string> catalogueNames);

// Appends a custom game under the next free number and returns that number.
// Nothing is written when no number is left (the user is told), when the
// existing file cannot be read, or when the name, base game (0-7999) or
// 7-character rule string cannot be stored in the record.
std::optional<int> addCustomGame(const std::filesystem::path& file, std::string_view name, int baseGame,
                                 std::string_view ruleString, MessageSink& messages,
                                 FileSystemOps& fs = realFileSystem());

// Removes the record of the game from the file. False when there is none or
// the file could not be rewritten. Favourites, statistics and the current
// game are the caller's part of deleting a custom game.
bool deleteCustomGameRecord(const std::filesystem::path& file, int number, MessageSink& messages,
                            FileSystemOps& fs = realFileSystem());

}  // namespace kes
