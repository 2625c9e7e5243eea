// Deals, rule checks, moves with their snapshots and undo, and whole random
// games of every catalogued game.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "cli/catalogue_commands.h"
#include "cli/play_driver.h"
#include "engine/build_rules.h"
#include "engine/deal_generator.h"
#include "engine/history_steps.h"
#include "engine/move_executor.h"

namespace {

using namespace kes;

GameParams gameParams(int game) {
  std::istringstream in;
  std::ostringstream out, err;
  const char* dir = std::getenv("KESTROVA_DATA");
  const std::string data = dir ? dir : "build/release/out";
  cli::CliContext ctx{{}, {data, data}, in, out, err};
  const auto params = cli::loadGameForCommand(ctx, std::to_string(game), "bench", {});
  if (!params) std::abort();
  return *params;
}

struct Silent : EngineEvents, ResultListener {
  void recordResult(const GameState&, bool, int) override {}
};

void BM_DealGame(benchmark::State& state) {
  const GameParams params = gameParams(static_cast<int>(state.range(0)));
  Silent silent;
  GameSession session(silent, silent);
  session.state().prefs.autoplay = false;
  long long n = 1;
  for (auto _ : state) {
    session.start(params, *normalizeDealNumber(std::to_string(n++)));
    benchmark::DoNotOptimize(session.state().table.pile(PileId::stock()).size());
  }
}
BENCHMARK(BM_DealGame)->DenseRange(1, 20);

void BM_CanBuild(benchmark::State& state) {
  GameState g;
  BuildQuery q;
  q.target = 20;
  q.moving = 45;
  q.code = 3;
  q.base = 13;
  q.foundationBaseRank = 1;
  for (auto _ : state) benchmark::DoNotOptimize(canBuild(g, q));
}
BENCHMARK(BM_CanBuild);

// A move between two tableau piles and back, each with its snapshot.
void BM_ExecuteMove(benchmark::State& state) {
  Silent silent;
  GameSession session(silent, silent);
  session.state().prefs.autoplay = false;
  session.start(gameParams(1), "0000000000001");
  GameState& g = session.state();
  const int card = g.table.pile(PileId::tableau(0)).top();
  for (auto _ : state) {
    executeMove(g, silent, card, MoveAction::to(ActionKind::ToReserve, 0));
    executeMove(g, silent, card, MoveAction::to(ActionKind::ToTableau, 0));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ExecuteMove);

void BM_UndoRedo(benchmark::State& state) {
  Silent silent;
  GameSession session(silent, silent);
  session.state().prefs.autoplay = false;
  session.start(gameParams(1), "0000000000001");
  GameState& g = session.state();
  executeMove(g, silent, g.table.pile(PileId::tableau(0)).top(), MoveAction::to(ActionKind::ToReserve, 0));
  for (auto _ : state) {
    undoMove(g, silent);
    redoMove(g, silent);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_UndoRedo);

// 300 random commands through the play driver, as a player clicking about.
void BM_RandomGame(benchmark::State& state) {
  const GameParams params = gameParams(static_cast<int>(state.range(0)));
  std::mt19937 rng(1);
  for (auto _ : state) {
    cli::PlayDriver d;
    d.session().start(params, "0000000000042");
    const GameState& g = d.session().state();
    for (int step = 0; step < 300 && g.inProgress; ++step) {
      const int card = std::uniform_int_distribution<int>(1, g.params[Param::CardCount])(rng);
      const int pile = std::uniform_int_distribution<int>(0, g.tableauCount() > 0 ? g.tableauCount() - 1 : 0)(rng);
      d.execute(step % 5 == 0 ? "stock" : "move " + std::to_string(card) + " Fila" + std::to_string(pile + 1));
    }
  }
}
BENCHMARK(BM_RandomGame)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
