// Builds the demo files "Demos/G" + 4-digit game number + ".GAM" from the
// readable move lists: each list is replayed through the engine, and the
// game as its moves leave it, with its whole history, is written as a saved
// game. A list that no longer replays (a move refused, or a winning list
// that no longer wins) fails the build, so a change of the rules cannot leave
// a broken demo behind, and so does a catalogued game without a list: every
// game has its demo.
//
// usage: kestrova-demos GAMES.DAT OUTPUT-FOLDER LIST...

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>

#include "cli/demo_moves.h"
#include "cli/demo_replay.h"
#include "cli/statistics_commands.h"
#include "datafiles/catalogue_file.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"
#include "datafiles/message_sink.h"
#include "datafiles/pad.h"
#include "datafiles/saved_game_load.h"
#include "engine/deal_generator.h"

namespace {

namespace fs = std::filesystem;
using namespace kes;

// The demo keeps the watcher's name: the file names no player.
constexpr const char* kDemoPlayer = "";

std::string build(const CatalogueText& catalogue, const fs::path& list, const fs::path& folder) {
  std::ifstream in(list);
  if (!in) return "cannot be read";
  std::string error;
  const auto demo = cli::parseDemoMoves(in, error);
  if (!demo) return error;
  // The build names the demo file after the list's name.
  if (list.filename() != cli::demoMovesFileName(demo->game))
    return "a list of game " + std::to_string(demo->game) + " is named " + cli::demoMovesFileName(demo->game);
  GameParams params;
  SavedPileParams saved;
  if (const LoadResult r = loadGameParams(catalogue, demo->game, std::nullopt, params, saved); !r.ok())
    return "game " + std::to_string(demo->game) + ": " + r.error;
  cli::PlayDriver driver;
  if (error = cli::replayDemoMoves(params, *demo, driver); !error.empty()) return error;
  SavedGame file = savedGameOf(driver.session().state(), demo->game, 0);
  file.playerName = kDemoPlayer;
  file.dealNumber = *normalizeDealNumber(demo->dealNumber);
  cli::StreamSink sink(std::cerr);
  const fs::path target = folder / ("G" + pad(demo->game, 4) + ".GAM");
  if (!writeSavedGame(target, file, sink)) return "could not write " + target.string();
  return {};
}

// The catalogued games that none of the lists is named after.
std::vector<int> gamesWithoutList(const CatalogueText& catalogue, const std::set<std::string>& listNames) {
  std::vector<int> missing;
  for (const GameListEntry& e : loadGameList(catalogue).entries())
    if (!listNames.contains(cli::demoMovesFileName(e.number))) missing.push_back(e.number);
  return missing;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: kestrova-demos GAMES.DAT OUTPUT-FOLDER LIST...\n";
    return 2;
  }
  const auto catalogue = readCatalogue(argv[1]);
  if (!catalogue) {
    std::cerr << "kestrova-demos: cannot read the catalogue " << argv[1] << "\n";
    return 1;
  }
  const fs::path folder = argv[2];
  std::error_code ec;
  fs::create_directories(folder, ec);
  int failed = 0;
  std::set<std::string> listNames;
  for (int i = 3; i < argc; ++i) {
    listNames.insert(fs::path(argv[i]).filename().string());
    if (const std::string error = build(*catalogue, argv[i], folder); !error.empty()) {
      std::cerr << "kestrova-demos: " << argv[i] << ": " << error << "\n";
      ++failed;
    }
  }
  if (failed) std::cerr << "kestrova-demos: " << failed << " demo list(s) no longer replay\n";
  const std::vector<int> missing = gamesWithoutList(*catalogue, listNames);
  for (int game : missing) std::cerr << "kestrova-demos: game " << game << " has no demo list " << cli::demoMovesFileName(game) << "\n";
  return failed || !missing.empty() ? 1 : 0;
}
