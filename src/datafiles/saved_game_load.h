#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "datafiles/saved_game_file.h"
#include "engine/game_params.h"
#include "engine/game_state.h"

namespace kes {

// The parameters of a game number (custom rules applied), nothing when the
// catalogue and the custom games know no such game.
using GameParamsLookup = std::function<std::optional<GameParams>(int game)>;

// A saved game that was read and checked against its game, ready to resume;
// or the message that refuses it, naming the file.
struct SavedGameLoad {
  std::optional<SavedGame> saved;
  GameParams params;  // the game's own, before the saved bases are laid over them
  std::string error;

  bool ok() const { return saved.has_value(); }
};

// Reads a saved game and checks it: its layout, that its game exists, that
// every card code belongs to the game and that each of the game's cards lies
// exactly once on the table and in each table of the history. Changes nothing.
SavedGameLoad loadSavedGame(const std::filesystem::path& file, const GameParamsLookup& lookup);

// The check of the cards against the game's cards; empty when they are
// sound, else what is wrong.
std::string savedCardsProblem(const SavedGame& saved, const GameParams& params);

// A game in progress as it is saved; the caller adds the player, the deal
// number, the scoring system and the table's look.
SavedGame savedGameOf(const GameState& game, int gameNumber, int elapsedSeconds);

}  // namespace kes
