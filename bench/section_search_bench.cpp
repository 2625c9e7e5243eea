#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "datafiles/pad.h"
#include "datafiles/section_scan.h"

namespace {

// A statistics file of many games with a few players each.
std::string statisticsText(int games) {
  std::string text = "[Version]\r\nVersion=0300\r\n";
  const std::string record = "000001 000002 000003 000004 000005 000006 000000001234 000000000000";
  for (int game = 1; game <= games; ++game) {
    text += "\r\n[" + kes::pad(game, 4) + "]\r\n";
    for (const char* player : {"Player 1", "Player 2", "Player 3"}) text += std::string(player) + "=" + record + "\r\n";
  }
  return text;
}

void BM_FindLastSection(benchmark::State& state) {
  const int games = static_cast<int>(state.range(0));
  std::istringstream in(statisticsText(games));
  const std::string last = kes::pad(games, 4);
  for (auto _ : state) {
    auto offset = kes::findSectionHeader(in, last);
    benchmark::DoNotOptimize(offset);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(in.str().size()));
}
BENCHMARK(BM_FindLastSection)->Arg(100)->Arg(1000);

}  // namespace
