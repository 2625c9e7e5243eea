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

// The custom game's base and rules as the data folder's custom games file has them.
std::optional<CustomGameRules> customRulesFromFile(const DataDirs& dirs, int number);

// The parameters of a catalogue or custom game named on the command line;
// nothing (after a message on the error stream) when it cannot be loaded.
std::optional<GameParams> loadGameForCommand(CliContext& ctx, const std::string& gameArg, const char* command,
                                             const CustomRulesLookup& customRules = customRulesFromFile);

// "params GAME": the 345 parameters the game loads with. Custom games are
// looked up with customRules; without one they are refused.
int runParams(CliContext& ctx);
int runParamsWith(CliContext& ctx, const CustomRulesLookup& customRules);

}  // namespace kes::cli
