// The solver on FreeCell deals 1-1,000 (each deal's time; the median and
// the 99th percentile are reported as counters) and on Klondike deals.
// Each deal is timed twice: by the wall clock, which on a shared, loaded
// machine counts the time other processes hold the processor, and by this
// thread's own processor time, which does not.
// KESTROVA_DATA names the built installation folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
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

double threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

double median(std::vector<double>& v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double p99(std::vector<double>& v) {
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, v.size() * 99 / 100)];
}

// Solves deals 1..range(1) of game range(0) per iteration and reports the
// median and 99th percentile of the per-deal times and the share won.
void BM_SolveDeals(benchmark::State& state) {
  const GameParams params = gameParams(static_cast<int>(state.range(0)));
  const int deals = static_cast<int>(state.range(1));
  solver::SolveOptions options;
  options.budget.maxMs = 1000;
  std::vector<double> ms, cpu;
  int won = 0, lost = 0;
  for (auto _ : state) {
    ms.clear();
    cpu.clear();
    won = lost = 0;
    for (int d = 1; d <= deals; ++d) {
      const auto start = std::chrono::steady_clock::now();
      const double cpuStart = threadCpuMs();
      const auto r = solver::solveDeal(params, *normalizeDealNumber(std::to_string(d)), options);
      cpu.push_back(threadCpuMs() - cpuStart);
      ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      won += r.verdict == solver::Verdict::Won;
      lost += r.verdict == solver::Verdict::Lost;
    }
  }
  state.counters["median_ms"] = median(ms);
  state.counters["p99_ms"] = p99(ms);
  state.counters["cpu_median_ms"] = median(cpu);
  state.counters["cpu_p99_ms"] = p99(cpu);
  state.counters["won_share"] = static_cast<double>(won) / deals;
  state.counters["lost_share"] = static_cast<double>(lost) / deals;
}
BENCHMARK(BM_SolveDeals)->Args({1, 1000})->Args({2, 200})->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
