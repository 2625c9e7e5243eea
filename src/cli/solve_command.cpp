#include <algorithm>
#include <atomic>
#include <ostream>
#include <thread>

#include "catalogue_commands.h"
#include "commands.h"
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

constexpr long long kMaxDeal = 9999999999999LL;
constexpr int kMaxJobs = 64;

bool parseCount(const std::string& s, long long& value, long long max) {
  if (s.empty() || s.size() > 13 || s.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::stoll(s);
  return value >= 1 && value <= max;
}

// Each limit is a whole number of at least 1.
bool takeLimit(CliContext& ctx, const char* name, std::int64_t& limit, bool& bad) {
  std::string value;
  if (!takeOption(ctx.args, name, value)) return false;
  long long n = 0;
  if (!parseCount(value, n, kMaxDeal)) {
    ctx.err << "solve: " << name << " needs a whole number of at least 1: '" << value << "'\n";
    bad = true;
    return false;
  }
  limit = n;
  return true;
}

bool parseRange(const std::string& s, long long& first, long long& last) {
  const auto dots = s.find("..");
  return dots != std::string::npos && parseCount(s.substr(0, dots), first, kMaxDeal) &&
         parseCount(s.substr(dots + 2), last, kMaxDeal) && first <= last;
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
  const std::size_t count = static_cast<std::size_t>(last - first + 1);
  std::vector<solver::SolveResult> results(count);
  std::atomic<std::size_t> next{0};
  // Each worker has its own position and table; only the index is shared.
  auto work = [&] {
    for (std::size_t i = next++; i < count; i = next++)
      results[i] = solver::solveDeal(params, *normalizeDealNumber(std::to_string(first + static_cast<long long>(i))), options);
  };
  std::vector<std::thread> workers;
  for (int j = 1; j < jobs; ++j) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();

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
