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

int loadGameForCommand(CliContext& ctx, const char* command, int game, const CustomRulesLookup& customRules,
                       GameParams& params, SavedPileParams& saved) {
  const auto catalogue = openCatalogue(ctx, command);
  if (!catalogue) return kExitUsage;

  std::optional<CustomGameRules> custom;
  if (game >= kFirstCustomGame) {
    if (!customRules) {
      ctx.err << command << ": game " << game << " is a custom game; custom games need the custom games file\n";
      return kExitUsage;
    }
    custom = customRules(ctx.dirs, game);
    if (!custom) {
      ctx.err << command << ": there is no custom game " << game << "\n";
      return kExitUsage;
    }
  }
  const int column = custom ? custom->baseGame : game;
  if (loadGameList(*catalogue).category(column) < 0) {
    ctx.err << command << ": there is no game " << column << " in the catalogue\n";
    return kExitUsage;
  }
  if (const LoadResult r = loadGameParams(*catalogue, game, custom, params, saved); !r.ok()) {
    ctx.err << command << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

std::optional<int> parseGameNumber(const std::string& s) { return gameNumber(s); }

int runParamsWith(CliContext& ctx, const CustomRulesLookup& customRules) {
  const auto game = ctx.args.size() == 1 ? gameNumber(ctx.args[0]) : std::nullopt;
  if (!game) {
    ctx.err << "usage: kestrova-cli params GAME (a game number)\n";
    return kExitUsage;
  }
  GameParams params;
  SavedPileParams saved;
  if (const int status = loadGameForCommand(ctx, "params", *game, customRules, params, saved); status != kExitOk)
    return status;
  for (int k = 1; k <= Param::kLast; ++k) ctx.out << k << '=' << params[k] << '\n';
  return kExitOk;
}

}  // namespace kes::cli
