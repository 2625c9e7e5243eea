#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "catalogue_commands.h"
#include "catalogue_odds.h"
#include "commands.h"
#include "datafiles/message_sink.h"
#include "datafiles/safe_replace.h"
#include "deal_sweep.h"
#include "solve_arguments.h"

namespace kes::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: kestrova-cli odds SOURCES --deals FIRST..LAST [--games FIRST..LAST] [--jobs N]\n"
    "                         [--max-ms N] [--max-states N] [--max-mb N]\n"
    "solves the deals of every game whose source NNN-name.game is in the folder SOURCES and writes\n"
    "the chance of winning and the odds, with the figures and the budget in a comment, into it\n";

constexpr int kMaxJobs = 64;

class ErrorSink : public MessageSink {
 public:
  explicit ErrorSink(std::ostream& err) : err_(err) {}
  void information(const std::string& text) override { err_ << "odds: " << text << "\n"; }

 private:
  std::ostream& err_;
};

struct Source {
  int game;
  fs::path path;
};

std::vector<Source> sourcesIn(const fs::path& folder, long long firstGame, long long lastGame) {
  std::vector<Source> sources;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    const auto game = sourceGameNumber(entry.path().filename().string());
    if (game && *game >= firstGame && *game <= lastGame) sources.push_back({*game, entry.path()});
  }
  std::sort(sources.begin(), sources.end(), [](const Source& a, const Source& b) { return a.game < b.game; });
  return sources;
}

OddsFigures figuresOf(const std::vector<solver::SolveResult>& results, long long first, long long last,
                      const solver::Budget& budget) {
  OddsFigures f{first, last, 0, 0, 0, budget.maxStates, budget.maxMs};
  for (const solver::SolveResult& r : results)
    (r.verdict == solver::Verdict::Won ? f.won : r.verdict == solver::Verdict::Lost ? f.lost : f.unknown)++;
  return f;
}

bool readText(const fs::path& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

}  // namespace

int runOdds(CliContext& ctx) {
  solver::SolveOptions options;
  bool bad = false;
  takeSolverLimit(ctx, "odds", "--max-ms", options.budget.maxMs, bad);
  takeSolverLimit(ctx, "odds", "--max-states", options.budget.maxStates, bad);
  takeSolverLimit(ctx, "odds", "--max-mb", options.budget.maxMb, bad);
  std::int64_t jobs = 1;
  takeSolverLimit(ctx, "odds", "--jobs", jobs, bad);
  std::string deals, games = "1..9999";
  const bool dealsGiven = takeOption(ctx.args, "--deals", deals);
  takeOption(ctx.args, "--games", games);
  if (bad) return kExitUsage;
  long long first = 0, last = 0, firstGame = 0, lastGame = 0;
  if (ctx.args.size() != 1 || !dealsGiven || jobs > kMaxJobs) {
    ctx.err << kUsage;
    return kExitUsage;
  }
  if (!parseRange(deals, first, last) || last - first >= 100000) {
    ctx.err << "odds: --deals needs FIRST..LAST, at most 100000 deals: '" << deals << "'\n";
    return kExitUsage;
  }
  if (!parseRange(games, firstGame, lastGame)) {
    ctx.err << "odds: --games needs FIRST..LAST, two game numbers: '" << games << "'\n";
    return kExitUsage;
  }
  const std::vector<Source> sources = sourcesIn(ctx.args[0], firstGame, lastGame);
  if (sources.empty()) {
    ctx.err << "odds: no catalogue source NNN-name.game in '" << ctx.args[0] << "'\n";
    return kExitUsage;
  }
  ErrorSink messages(ctx.err);
  int failures = 0;
  for (const Source& source : sources) {
    std::string text;
    const auto params = loadGameForCommand(ctx, std::to_string(source.game), "odds");
    if (!params || !readText(source.path, text)) {
      if (params) ctx.err << "odds: cannot read " << source.path.string() << "\n";
      ++failures;
      continue;
    }
    const OddsFigures f =
        figuresOf(solveDeals(*params, first, last, static_cast<int>(jobs), options), first, last, options.budget);
    ctx.out << source.game << " won=" << f.won << " lost=" << f.lost << " unknown=" << f.unknown << " "
            << source.path.filename().string() << "\n";
    const std::string updated = withOdds(text, f);
    if (updated != text && !replaceFileContents(source.path, updated, messages)) ++failures;
  }
  return failures == 0 ? kExitOk : kExitUsage;
}

}  // namespace kes::cli
