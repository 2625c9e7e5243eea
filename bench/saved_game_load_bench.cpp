// Loading a saved game of 5,000 moves, from the bytes on disk to a game
// ready to resume, must take well under 100 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "datafiles/saved_game_load.h"
#include "engine/card.h"

namespace kes {
namespace {

constexpr int kMoves = 5000;

// Two packs spread over the stock, ten tableau piles and eight foundations,
// moving one card per step.
SavedGame longGame() {
  SavedGame g;
  g.game = 4;
  g.playerName = "Player 1";
  g.dealNumber = "0000000000001";
  auto tableAt = [](int step) {
    Snapshot s;
    for (int c = 1; c <= 104; ++c) {
      const int pile = (c + step) % 10;
      s[static_cast<std::size_t>(PileId::tableau(pile).ordinal())] += cardCodeText(c) + "1";
    }
    return s;
  };
  for (int i = 0; i < kMoves; ++i) g.undo.snapshots.push_back(tableAt(i));
  std::string log;
  for (int i = 0; i < kMoves; ++i) log += "001,";
  g.undo.log = MoveLog(log);
  g.table = tableAt(kMoves);
  return g;
}

void BM_LoadSavedGameOf5000Moves(benchmark::State& state) {
  const auto file = std::filesystem::temp_directory_path() / ("kestrova-bench-" + std::to_string(::getpid()) + ".gam");
  {
    std::ofstream out(file, std::ios::binary);
    out << formatSavedGame(longGame());
  }
  GameParams params;
  params[Param::CardCount] = 104;
  const GameParamsLookup lookup = [&params](int) { return std::optional<GameParams>(params); };
  for (auto _ : state) {
    SavedGameLoad load = loadSavedGame(file, lookup);
    if (!load.ok()) state.SkipWithError(load.error.c_str());
    benchmark::DoNotOptimize(load);
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_LoadSavedGameOf5000Moves)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kes
