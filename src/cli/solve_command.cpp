#include <algorithm>
#include <ostream>

#include "catalogue_commands.h"
#include "commands.h"
#include "deal_sweep.h"
#include "solve_arguments.h"
#include "engine/deal_generator.h"
#include "solver/solver.h"

namespace kes::cli {

namespace {

constexpr const char* kUsage =
    "usage: kestrova-cli solve GAME NUMBER [--max-ms N] [--max-states N] [--max-mb N]\n"
    "       kestrova-cli solve GAME --deals FIRST..LAST [--jobs N] [--max-ms N] [--max-states N] [--max-mb N]\n"
    "prints won, lost or unknown with the reason, then states=N ms=N, then after a win the moves\n"
    "as 'kestrova-cli play GAME NUMBER --pref AutoPlay=N' takes them; the solver sees every card,\n"
    "the face-down ones included\n";

constexpr int kMaxJobs = 64;

bool takeLimit(CliContext& ctx, const char* name, std::int64_t& limit, bool& bad) {
  return takeSolverLimit(ctx, "solve", name, limit, bad);
}

void printResult(std::ostream& out, const solver::SolveResult& r) {
  out << solver::verdictWord(r.verdict) << ": " << r.reason << "\n";
  out << "states=" << r.states << " ms=" << r.ms << "\n";
  for (const solver::SolverMove& m : r.moves) out << solver::commandText(m) << "\n";
}

std::int64_t percentile(std::vector<std::int64_t> sorted, int percent) {
  if (sorted.empty()) return 0;
  const std::size_t rank = (sorted.size() * static_cast<std::size_t>(percent) + 99) / 100;
  return sorted[std::max<std::size_t>(rank, 1) - 1];
}

int runBulk(CliContext& ctx, const GameParams& params, long long first, long long last, int jobs,
            const solver::SolveOptions& options) {
  const std::vector<solver::SolveResult> results = solveDeals(params, first, last, jobs, options);
  const std::size_t count = results.size();
  int won = 0, lost = 0, unknown = 0;
  std::vector<std::int64_t> times;
  for (std::size_t i = 0; i < count; ++i) {
    const solver::SolveResult& r = results[i];
    ctx.out << first + static_cast<long long>(i) << " " << solver::verdictWord(r.verdict) << " ms=" << r.ms
            << " states=" << r.states << "\n";
    (r.verdict == solver::Verdict::Won ? won : r.verdict == solver::Verdict::Lost ? lost : unknown)++;
    times.push_back(r.ms);
  }
  std::sort(times.begin(), times.end());
  ctx.out << "deals=" << count << " won=" << won << " lost=" << lost << " unknown=" << unknown
          << " ms: median=" << percentile(times, 50) << " p90=" << percentile(times, 90)
          << " p99=" << percentile(times, 99) << " max=" << times.back() << "\n";
  return kExitOk;
}

}  // namespace

int runSolve(CliContext& ctx) {
  solver::SolveOptions options;
  bool bad = false;
  takeLimit(ctx, "--max-ms", options.budget.maxMs, bad);
  takeLimit(ctx, "--max-states", options.budget.maxStates, bad);
  takeLimit(ctx, "--max-mb", options.budget.maxMb, bad);
  std::int64_t jobs = 1;
  const bool jobsGiven = takeLimit(ctx, "--jobs", jobs, bad);
  std::string range;
  const bool bulk = takeOption(ctx.args, "--deals", range);
  if (bad) return kExitUsage;
  if (jobs > kMaxJobs) {
    ctx.err << "solve: --jobs is at most " << kMaxJobs << "\n";
    return kExitUsage;
  }
  if (ctx.args.size() != (bulk ? 1u : 2u) || (jobsGiven && !bulk)) {
    ctx.err << kUsage;
    return kExitUsage;
  }
  long long first = 0, last = 0;
  if (bulk && !parseRange(range, first, last)) {
    ctx.err << "solve: --deals needs FIRST..LAST, two game numbers with FIRST <= LAST: '" << range << "'\n";
    return kExitUsage;
  }
  long long single = 0;
  if (!bulk && !parseCount(ctx.args[1], single, kMaxDeal)) {
    ctx.err << "solve: the game number must be 1 to 13 digits and not 0: '" << ctx.args[1] << "'\n";
    return kExitUsage;
  }
  const auto params = loadGameForCommand(ctx, ctx.args[0], "solve");
  if (!params) return kExitUsage;
  if (bulk) return runBulk(ctx, *params, first, last, static_cast<int>(jobs), options);
  printResult(ctx.out, solver::solveDeal(*params, *normalizeDealNumber(std::to_string(single)), options));
  return kExitOk;
}

}  // namespace kes::cli
