#include "deal_sweep.h"

#include <atomic>
#include <string>
#include <thread>

#include "engine/deal_generator.h"

namespace kes::cli {

std::vector<solver::SolveResult> solveDeals(const GameParams& params, long long first, long long last, int jobs,
                                            const solver::SolveOptions& options) {
  const std::size_t count = static_cast<std::size_t>(last - first + 1);
  std::vector<solver::SolveResult> results(count);
  std::atomic<std::size_t> next{0};
  // Only the index is shared.
  auto work = [&] {
    for (std::size_t i = next++; i < count; i = next++)
      results[i] =
          solver::solveDeal(params, *normalizeDealNumber(std::to_string(first + static_cast<long long>(i))), options);
  };
  std::vector<std::thread> workers;
  for (int j = 1; j < jobs; ++j) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();
  return results;
}

}  // namespace kes::cli
