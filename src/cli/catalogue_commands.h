#pragma once

#include <functional>
#include <optional>

#include "cli/cli_context.h"
#include "engine/custom_rules.h"
#include "engine/game_params.h"

namespace kes::cli {

// Finds a custom game (8000 and above) in the custom games file of dirs;
// nullopt when the file has no such game.
using CustomRulesLookup = std::function<std::optional<CustomGameRules>(const DataDirs& dirs, int number)>;

// "games": number, category and name of every catalogue game, in file order.
int runGames(CliContext& ctx);

// "params GAME": the 345 parameters the game loads with. Custom games are
// looked up with customRules; without one they are refused.
// The custom game's base and rules as the data folder's custom games file has them.
std::optional<CustomGameRules> customRulesFromFile(const DataDirs& dirs, int number);
int runParams(CliContext& ctx);
int runParamsWith(CliContext& ctx, const CustomRulesLookup& customRules);

// A game number as typed: 1 to 4 digits.
std::optional<int> parseGameNumber(const std::string& s);
// Loads a catalogue or custom game's parameters for a command; on failure the
// message (prefixed with the command's name) goes to ctx.err and the exit
// status is returned, kExitOk on success.
int loadGameForCommand(CliContext& ctx, const char* command, int game, const CustomRulesLookup& customRules,
                       GameParams& params, SavedPileParams& saved);

}  // namespace kes::cli
