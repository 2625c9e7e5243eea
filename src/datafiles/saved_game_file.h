#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "datafiles/file_system_ops.h"
#include "datafiles/message_sink.h"
#include "engine/history.h"
#include "engine/resume_point.h"

namespace kes {

// The format version written in a saved game's header; older files laid
// out 12 foundations and 25 tableau piles.
inline constexpr std::string_view kSavedGameVersion = "0302";
inline constexpr std::string_view kOldestSavedGameVersion = "0301";

// The table's look when the game was saved. Kept in the header for the
// record; loading does not read it.
struct SavedAppearance {
  std::string backgroundBitmap;
  long long backgroundColour = 0;
  std::string useDefaultBackground;
  char cardSize = 'M';
  std::string faceSet;
  int backDesign = 0;
};

// Everything a saved-game (*.GAM) file holds. See FORMAT.md next to this file.
struct SavedGame {
  int game = 0;
  SavedAppearance appearance;
  int elapsedSeconds = 0;
  int scoringSystem = 1;
  int score = 0;
  int passNumber = 1;
  std::string playerName;
  std::string dealNumber;
  std::array<std::optional<int>, kFamilySizes[1]> foundationBases{};
  Snapshot table;    // foundation 1 with its real content
  HistoryStack undo;  // the redo history is never saved
};

// The file's bytes, lines ended by CR LF.
std::string formatSavedGame(const SavedGame& game);

// The layout checks of a file's bytes: what was read, or what is wrong with
// it (in words that follow the file's name in a message).
struct SavedGameParse {
  std::optional<SavedGame> game;
  std::string problem;
};
SavedGameParse parseSavedGame(std::string_view bytes);

// Writes the file through the safe replacement: a crash leaves the old file
// or the new one. Failures are told to messages.
bool writeSavedGame(const std::filesystem::path& file, const SavedGame& game, MessageSink& messages,
                    FileSystemOps& fs = realFileSystem());

// The message that refuses a file: its name, then what is wrong.
std::string savedGameRefusal(const std::filesystem::path& file, const std::string& problem);

// What the engine needs to play on from a saved game.
ResumePoint resumePointOf(const SavedGame& game);

}  // namespace kes
