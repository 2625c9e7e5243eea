#include <ostream>
#include <sstream>

#include "catalogue_commands.h"
#include "commands.h"
#include "datafiles/pad.h"
#include "datafiles/saved_game_load.h"
#include "engine/game_end.h"
#include "engine/history_steps.h"
#include "engine/snapshot.h"
#include "play_driver.h"

namespace kes::cli {

namespace {

constexpr const char* kUsage =
    "usage: kestrova-cli demo GAME\n"
    "reads the game's demo file Demos/G####.GAM of the installation folder, prints its deal number\n"
    "and how many moves it holds, then replays it from the deal, as the demo bar does, and says\n"
    "whether it ends in a won game\n";

// The rules of a demo's game number; nothing for a number no game has.
GameParamsLookup quietLookup(CliContext& ctx) {
  return [&ctx](int game) -> std::optional<GameParams> {
    std::ostringstream quiet;
    CliContext probe{{}, ctx.dirs, ctx.in, ctx.out, quiet};
    return loadGameForCommand(probe, std::to_string(game), "demo");
  };
}

}  // namespace

int runDemo(CliContext& ctx) {
  if (ctx.args.size() != 1) {
    ctx.err << kUsage;
    return kExitUsage;
  }
  if (!loadGameForCommand(ctx, ctx.args[0], "demo")) return kExitUsage;
  const int game = std::stoi(ctx.args[0]);
  const auto file = ctx.dirs.install / "Demos" / ("G" + pad(game, 4) + ".GAM");
  const SavedGameLoad load = loadSavedGame(file, quietLookup(ctx));
  if (!load.ok()) {
    ctx.err << "demo: " << load.error << "\n";
    return kExitFailure;
  }
  ResumePoint point = resumePointOf(*load.saved);
  point.openingAutoplay = false;
  PlayDriver driver;
  GameSession& session = driver.session();
  if (const std::string error = session.resume(load.params, point); !error.empty()) {
    ctx.err << "demo: " << error << "\n";
    return kExitFailure;
  }
  GameState& g = session.state();
  const Snapshot recorded = takeSnapshot(g.table);
  const int moves = g.history.undo.size();
  ctx.out << "game " << game << "\n";
  ctx.out << "deal " << load.saved->dealNumber << "\n";
  ctx.out << "moves " << moves << "\n";
  // Back to the deal, then forward move by move, silently as the bar jumps.
  EngineEvents quiet;
  while (undoMove(g, quiet, true)) {
  }
  int replayed = 0;
  while (redoMove(g, quiet, true)) ++replayed;
  const bool same = replayed == moves && takeSnapshot(g.table) == recorded;
  const bool won = checkGameWon(g);
  ctx.out << "replayed " << replayed << " moves: " << (won ? "won" : "not won") << "\n";
  if (!same) {
    ctx.err << "demo: the replay does not end on the table the file holds\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace kes::cli
