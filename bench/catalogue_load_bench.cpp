// Starting a game reads GAMES.DAT and takes one game's column out of it; with
// the full catalogue this must stay well under 2 ms for any game, the last
// one included.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "datafiles/catalogue_file.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"

namespace {

using namespace kes;

std::filesystem::path dataDir() {
  const char* dir = std::getenv("KESTROVA_DATA");
  return dir ? dir : "build/release/out";
}

// The catalogue's first, middle and last game by list position (0, 1, 2).
int gameAt(int which) {
  const auto catalogue = readCatalogue(catalogueFile(dataDir()));
  if (!catalogue) std::abort();
  const auto games = loadGameList(*catalogue).entries();
  if (games.empty()) std::abort();
  const std::size_t at = which == 0 ? 0 : which == 1 ? games.size() / 2 : games.size() - 1;
  return games[at].number;
}

void BM_LoadOneGamesParameters(benchmark::State& state) {
  const int game = gameAt(static_cast<int>(state.range(0)));
  const auto file = catalogueFile(dataDir());
  for (auto _ : state) {
    const auto catalogue = readCatalogue(file);
    GameParams params;
    SavedPileParams saved;
    if (!catalogue || !loadGameParams(*catalogue, game, std::nullopt, params, saved).ok()) std::abort();
    benchmark::DoNotOptimize(params);
  }
  state.SetLabel("game " + std::to_string(game));
}
BENCHMARK(BM_LoadOneGamesParameters)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
