#include "catalogue_commands.h"

#include <algorithm>
#include <ostream>

#include "datafiles/catalogue_file.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/game_list.h"

namespace kes::cli {

namespace {

// The message box's line breaks become the terminal's.
std::string forTerminal(std::string message) {
  std::replace(message.begin(), message.end(), '\r', '\n');
  return message;
}

std::optional<CatalogueText> openCatalogue(CliContext& ctx, const char* command) {
  const auto file = catalogueFile(ctx.dirs.install);
  auto catalogue = readCatalogue(file);
  if (!catalogue) ctx.err << command << ": " << forTerminal(missingCatalogueMessage(file)) << "\n";
  return catalogue;
}

std::string threeDigits(int n) {
  std::string s = std::to_string(n);
  return std::string(s.size() < 3 ? 3 - s.size() : 0, '0') + s;
}

// A game number as typed: 1 to 4 digits.
std::optional<int> gameNumber(const std::string& s) {
  if (s.empty() || s.size() > 4 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoi(s);
}

}  // namespace

int runGames(CliContext& ctx) {
  if (!ctx.args.empty()) {
    ctx.err << "usage: kestrova-cli games\n";
    return kExitUsage;
  }
  const auto catalogue = openCatalogue(ctx, "games");
  if (!catalogue) return kExitUsage;
  for (const GameListEntry& e : loadGameList(*catalogue).entries())
    ctx.out << threeDigits(e.number) << '\t' << e.category << '\t' << e.name << '\n';
  return kExitOk;
}

std::optional<CustomGameRules> customRulesFromFile(const DataDirs& dirs, int number) {
  const auto game = findCustomGame(dirs.writable / kCustomGamesFileName, number);
  if (!game) return std::nullopt;
  return CustomGameRules{game->baseGame, game->ruleString};
}

int runParams(CliContext& ctx) { return runParamsWith(ctx, customRulesFromFile); }

std::optional<GameParams> loadGameForCommand(CliContext& ctx, const std::string& gameArg, const char* command,
                                             const CustomRulesLookup& customRules) {
  const auto game = gameNumber(gameArg);
  if (!game) {
    ctx.err << command << ": a game is a number of 1 to 4 digits: '" << gameArg << "'\n";
    return std::nullopt;
  }
  const auto catalogue = openCatalogue(ctx, command);
  if (!catalogue) return std::nullopt;

  std::optional<CustomGameRules> custom;
  if (*game >= kFirstCustomGame) {
    custom = customRules ? customRules(ctx.dirs, *game) : std::nullopt;
    if (!custom) {
      ctx.err << command << ": there is no custom game " << *game << "\n";
      return std::nullopt;
    }
  }
  const int column = custom ? custom->baseGame : *game;
  if (loadGameList(*catalogue).category(column) < 0) {
    ctx.err << command << ": there is no game " << column << " in the catalogue\n";
    return std::nullopt;
  }
  GameParams params;
  SavedPileParams saved;
  if (const LoadResult r = loadGameParams(*catalogue, *game, custom, params, saved); !r.ok()) {
    ctx.err << command << ": " << r.error << "\n";
    return std::nullopt;
  }
  return params;
}

int runParamsWith(CliContext& ctx, const CustomRulesLookup& customRules) {
  if (ctx.args.size() != 1) {
    ctx.err << "usage: kestrova-cli params GAME (a game number)\n";
    return kExitUsage;
  }
  const auto params = loadGameForCommand(ctx, ctx.args[0], "params", customRules);
  if (!params) return kExitUsage;
  for (int k = 1; k <= Param::kLast; ++k) ctx.out << k << '=' << (*params)[k] << '\n';
  return kExitOk;
}

}  // namespace kes::cli
