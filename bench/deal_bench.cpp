#include <benchmark/benchmark.h>

#include "engine/deal_generator.h"
#include "engine/snapshot.h"

namespace {

void BM_GenerateDeal(benchmark::State& state) {
  const int cards = static_cast<int>(state.range(0));
  long long number = 1;
  for (auto _ : state) {
    auto deal = kes::generateDeal(std::to_string(number++ % 9'999'999'999'999LL + 1), cards);
    benchmark::DoNotOptimize(deal);
  }
}
BENCHMARK(BM_GenerateDeal)->Arg(52)->Arg(104);

kes::TableState fullTable() {
  kes::TableState t;
  const auto deal = kes::generateDeal("1234567890123", 104);
  for (std::size_t i = 0; i < deal.order.size(); ++i)
    t.appendCard(kes::PileId::fromOrdinal(static_cast<int>(i) % kes::kPileCount), deal.order[i], i % 2 == 0);
  return t;
}

void BM_TakeSnapshot(benchmark::State& state) {
  const kes::TableState t = fullTable();
  for (auto _ : state) {
    auto s = kes::takeSnapshot(t);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_TakeSnapshot);

void BM_RestoreSnapshot(benchmark::State& state) {
  const kes::Snapshot s = kes::takeSnapshot(fullTable());
  kes::TableState t;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kes::restoreSnapshot(t, s));
  }
}
BENCHMARK(BM_RestoreSnapshot);

}  // namespace
