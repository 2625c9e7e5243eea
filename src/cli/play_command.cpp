#include <algorithm>
#include <ostream>
#include <sstream>

#include "catalogue_commands.h"
#include "commands.h"
#include "engine/deal_generator.h"
#include "datafiles/config_record.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/game_list.h"
#include "datafiles/player_name.h"
#include "datafiles/record_result.h"
#include "play_driver.h"
#include "statistics_commands.h"

namespace kes::cli {

namespace {

constexpr const char* kUsage =
    "usage: kestrova-cli play GAME NUMBER [--pref KEY=VALUE ...] [--record [--player NAME]]\n"
    "then one command a line: move CARD PILE | click CARD | dblclick CARD | stock | undo | redo | restart |\n"
    "autoplay on|off | quit | save FILE | load FILE | show\n"
    "--record writes the game's end (a win, or a loss when it is given up) into the statistics files,\n"
    "for the player NAME (\"Player 1\" when not given)\n";

constexpr const char* kDefaultPlayer = "Player 1";

// The game number as the game-number dialog takes it: 1 to 13 digits, not 0.
bool validDealNumber(const std::string& s) {
  return !s.empty() && s.size() <= kDealNumberDigits && s.find_first_not_of("0123456789") == std::string::npos &&
         s.find_first_not_of('0') != std::string::npos;
}

// The preferences that change how the engine plays; a switch is on unless
// it holds "N".
bool applyPreference(PlayPreferences& prefs, const std::string& setting) {
  const auto eq = setting.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  const std::string key = setting.substr(0, eq), value = setting.substr(eq + 1);
  if (key == "AutoPlay") prefs.autoplay = value != "N";
  if (key == "Automatic_FaceUp") prefs.automaticFaceUp = value != "N";
  if (key == "Undo_Enabled") {
    if (value != "0" && value != "1" && value != "2") return false;
    prefs.undoMode = static_cast<UndoMode>(value[0] - '0');
  }
  return true;
}

// The name a game is recorded under: the catalogue's, or the custom game's.
std::string gameNameOf(const DataDirs& dirs, int game) {
  const auto catalogue = readCatalogue(catalogueFile(dirs.install));
  if (!catalogue) return {};
  const auto customFile = dirs.writable / kCustomGamesFileName;
  const CustomGameNames custom{[&](int n) { return customGameName(customFile, n); }, {}};
  return loadGameList(*catalogue).name(game, custom);
}

// Records the end of the game into the data folder's statistics files under
// the identity the game is played with (a loaded game changes it).
struct ResultRecorder {
  StreamSink sink;
  StatisticsFiles files;
  ConfigRecord config;
  const DataDirs& dirs;
  const PlayDriver::Identity& identity;

  ResultRecorder(CliContext& ctx, const PlayDriver::Identity& who) : sink(ctx.err), dirs(ctx.dirs), identity(who) {
    auto catalogue = readCatalogue(catalogueFile(ctx.dirs.install));
    files = statisticsFilesOf(ctx.dirs, sink,
                              catalogue ? std::make_shared<const CatalogueText>(std::move(*catalogue)) : nullptr);
  }
  void operator()(const GameState& state, bool won, int seconds) {
    GameResult result;
    result.game = identity.game;
    result.gameName = gameNameOf(dirs, identity.game);
    result.player = identity.player;
    result.dealNumber = identity.dealNumber;
    result.score = state.score;
    result.won = won;
    result.seconds = seconds;
    recordResult(files, result, config);
  }
};

// The rules of a saved game's number, as "play" would load them; nothing
// (and not a word on the error stream) for a number no game has.
GameParamsLookup savedGameLookup(CliContext& ctx) {
  return [&ctx](int game) -> std::optional<GameParams> {
    std::ostringstream quiet;
    CliContext probe{{}, ctx.dirs, ctx.in, ctx.out, quiet};
    return loadGameForCommand(probe, std::to_string(game), "load");
  };
}

}  // namespace

int runPlay(CliContext& ctx) {
  PlayPreferences prefs;
  for (std::string setting; takeOption(ctx.args, "--pref", setting);) {
    if (!applyPreference(prefs, setting)) {
      ctx.err << "play: a preference is KEY=VALUE (Undo_Enabled 0, 1 or 2): '" << setting << "'\n";
      return kExitUsage;
    }
  }
  const bool record = takeFlag(ctx.args, "--record");
  std::string player = kDefaultPlayer;
  if (takeOption(ctx.args, "--player", player) && (!record || !validPlayerName(player))) {
    ctx.err << (record ? "play: " + std::string(kInvalidPlayerName) : std::string("play: --player needs --record"))
            << "\n";
    return kExitUsage;
  }
  if (ctx.args.size() != 2) {
    ctx.err << kUsage;
    return kExitUsage;
  }
  if (!validDealNumber(ctx.args[1])) {
    ctx.err << "play: the game number must be 1 to 13 digits and not 0: '" << ctx.args[1] << "'\n";
    return kExitUsage;
  }
  const auto params = loadGameForCommand(ctx, ctx.args[0], "play");
  if (!params) return kExitUsage;

  PlayDriver driver;
  driver.session().state().prefs = prefs;
  const std::string dealNumber = *normalizeDealNumber(ctx.args[1]);
  driver.identity() = {std::stoi(ctx.args[0]), player, dealNumber};
  driver.setGameLookup(savedGameLookup(ctx));
  std::optional<ResultRecorder> recorder;
  if (record) {
    recorder.emplace(ctx, driver.identity());
    driver.setRecorder([&recorder](const GameState& g, bool won, int seconds) { (*recorder)(g, won, seconds); });
  }
  const std::string error = driver.session().start(*params, dealNumber);
  if (!error.empty()) {
    ctx.err << "play: " << error << "\n";
    return kExitFailure;
  }
  driver.run(ctx.in, ctx.out);
  return kExitOk;
}

}  // namespace kes::cli
