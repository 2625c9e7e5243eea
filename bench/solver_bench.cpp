// The solver on FreeCell deals 1-1,000 (each deal's time; the median and
// the 99th percentile are reported as counters) and on Klondike deals.
// KESTROVA_DATA names the built installation folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <sstream>

#include "cli/catalogue_commands.h"
#include "engine/deal_generator.h"
#include "solver/solver.h"

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

// Solves deals 1..range(1) of game range(0) per iteration and reports the
// median and 99th percentile of the per-deal times and the share won.
void BM_SolveDeals(benchmark::State& state) {
  const GameParams params = gameParams(static_cast<int>(state.range(0)));
  const int deals = static_cast<int>(state.range(1));
  solver::SolveOptions options;
  options.budget.maxMs = 1000;
  std::vector<double> ms;
  int won = 0;
  for (auto _ : state) {
    ms.clear();
    won = 0;
    for (int d = 1; d <= deals; ++d) {
      const auto start = std::chrono::steady_clock::now();
      const auto r = solver::solveDeal(params, *normalizeDealNumber(std::to_string(d)), options);
      ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      won += r.verdict == solver::Verdict::Won;
    }
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
  state.counters["won_share"] = static_cast<double>(won) / deals;
}
BENCHMARK(BM_SolveDeals)->Args({1, 1000})->Args({2, 200})->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
