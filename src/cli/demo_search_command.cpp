#include <algorithm>
#include <chrono>
#include <fstream>
#include <ostream>

#include "catalogue_commands.h"
#include "commands.h"
#include "demo_moves.h"
#include "engine/deal_generator.h"
#include "solver/beam_search.h"
#include "solver/line_shortener.h"
#include "solver/solver.h"
#include "solver/solver_position.h"

namespace kes::cli {

namespace {

constexpr const char* kUsage =
    "usage: kestrova-cli demo-search GAME [--deals FIRST..LAST] [--max-states N] [--game-states N]\n"
    "       [--max-ms N] [--game-ms N] [--beam WIDTH] [--beam-states N]\n"
    "tries the deals (1..100 unless given) with the depth-first search: first every deal with half\n"
    "of --game-states (default 200000) shared out, then deal after deal with --max-states positions\n"
    "each (default 80000) up to three quarters of --game-states; when none is won, with a beam search\n"
    "of WIDTH positions (default 100; 0 for none), --beam-states positions each (default 150000), with\n"
    "the rest; each deal for at most --max-ms (default 60000), all for at most --game-ms (default\n"
    "180000). Prints the demo's move list: the first winning line, or when none is found the most\n"
    "advanced line met. Positions, unlike time, do not depend on how busy the machine is\n"
    "       kestrova-cli demo-search GAME --shorten LIST\n"
    "prints the move list LIST with the search's detours cut out\n";
constexpr long long kMaxDeal = 9999999999999LL;
constexpr long long kDefaultBeam = 100;
constexpr long long kDefaultBeamStates = 150000;
constexpr long long kMaxBeam = 100000;

bool parseCount(const std::string& s, long long& value) {
  if (s.empty() || s.size() > 13 || s.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::stoll(s);
  return value >= 1 && value <= kMaxDeal;
}

bool takeCount(CliContext& ctx, const char* name, long long& value, bool& bad) {
  std::string text;
  if (!takeOption(ctx.args, name, text)) return false;
  if (!parseCount(text, value)) {
    ctx.err << "demo-search: " << name << " needs a whole number of at least 1: '" << text << "'\n";
    bad = true;
  }
  return true;
}

struct Found {
  std::string deal;
  solver::SolveResult result;
  bool any = false;
};

// The line with the search's detours cut out, so the demo shows a game
// as a player might play it.
DemoMoves listOf(const GameParams& params, int game, const Found& found, bool won) {
  DemoMoves demo;
  demo.game = game;
  demo.dealNumber = found.deal;
  demo.won = won;
  solver::Position position;
  std::vector<solver::SolverMove> line = won ? found.result.moves : found.result.bestMoves;
  if (position.deal(params, found.deal).empty()) line = solver::shortenLine(position, line);
  for (const solver::SolverMove& m : line) demo.moves.push_back(solver::commandText(m));
  return demo;
}

using Clock = std::chrono::steady_clock;

struct SweepLimits {
  long long first = 1, last = 100;
  long long maxMs = 0, maxStates = 0;  // per deal, depth first
  int beam = 0;
  long long beamStates = 0;            // per deal, beam
  long long gameMs = 0, gameStates = 0;
};

// The deals in order, in three passes. The depth-first search first over
// every deal with half of the game's budget shared out evenly, for the
// deals a few choices decide wherever they lie in the range; then deal
// after deal with its full budget per deal up to three quarters of it;
// then, when none was won, the beam search, which wins the long games the
// depth-first search gets lost in, with the rest.
class DemoSweep {
 public:
  DemoSweep(const GameParams& params, const SweepLimits& limits)
      : params_(params), limits_(limits), start_(Clock::now()) {}

  // True with the won deal in found().
  bool run() {
    const long long deals = limits_.last - limits_.first + 1;
    const long long half = limits_.gameStates / 2;
    if (pass(false, std::max(1LL, std::min(limits_.maxStates, half / deals)), limits_.gameMs / 2, half)) return true;
    if (pass(false, limits_.maxStates, limits_.gameMs * 3 / 4, limits_.gameStates * 3 / 4)) return true;
    return limits_.beam > 0 && pass(true, limits_.beamStates, limits_.gameMs, limits_.gameStates);
  }
  const Found& found() const { return best_; }
  // What each pass tried: "depth first on deals 1..100, at most 2500
  // positions each".
  const std::vector<std::string>& tried() const { return tried_; }

 private:
  long long spentMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
  }

  solver::SolveResult search(const std::string& dealNumber, bool beam, long long ms, long long states) const {
    if (!beam) {
      solver::SolveOptions options;
      options.budget.maxMs = ms;
      options.budget.maxStates = states;
      return solver::solveDeal(params_, dealNumber, options);
    }
    solver::BeamOptions options;
    options.width = limits_.beam;
    options.budget.maxMs = ms;
    options.budget.maxStates = states;
    solver::Position position;
    if (const std::string error = position.deal(params_, dealNumber); !error.empty()) {
      solver::SolveResult r;
      r.reason = "the deal failed: " + error;
      return r;
    }
    return solver::beamSearch(position, options);
  }

  bool pass(bool beam, long long perDeal, long long msLimit, long long statesLimit) {
    long long last = 0;
    const bool won = passOver(beam, perDeal, msLimit, statesLimit, last);
    if (last >= limits_.first)
      tried_.push_back(std::string(beam ? "a beam of " + std::to_string(limits_.beam) : "depth first") + " on deals " +
                       std::to_string(limits_.first) + ".." + std::to_string(last) + ", at most " +
                       std::to_string(perDeal) + " positions each");
    return won;
  }

  bool passOver(bool beam, long long perDeal, long long msLimit, long long statesLimit, long long& last) {
    for (long long deal = limits_.first; deal <= limits_.last; ++deal) {
      const long long spent = spentMs();
      if (spent >= msLimit || states_ >= statesLimit) break;
      const std::string dealNumber = *normalizeDealNumber(std::to_string(deal));
      solver::SolveResult r = search(dealNumber, beam, std::min(limits_.maxMs, msLimit - spent),
                                     std::min(perDeal, statesLimit - states_));
      last = deal;
      states_ += r.states;
      const bool won = r.verdict == solver::Verdict::Won;
      if (won || !best_.any || r.bestScore > best_.result.bestScore) best_ = {dealNumber, std::move(r), true};
      if (won) return true;
    }
    return false;
  }

  const GameParams& params_;
  SweepLimits limits_;
  Clock::time_point start_;
  long long states_ = 0;
  std::vector<std::string> tried_;
  Found best_;
};

}  // namespace

// "--shorten LIST": a list found before, with its detours cut out.
int shortenList(CliContext& ctx, const GameParams& params, int game, const std::string& file) {
  std::ifstream in(file);
  std::string error;
  auto demo = in ? parseDemoMoves(in, error) : std::nullopt;
  if (!demo || demo->game != game) {
    ctx.err << "demo-search: " << file << ": " << (demo ? "a list of another game" : in ? error : "cannot be read")
            << "\n";
    return kExitFailure;
  }
  std::vector<solver::SolverMove> line;
  for (const std::string& text : demo->moves) {
    const auto move = solver::moveFromText(text);
    if (!move) {
      ctx.err << "demo-search: " << file << ": not a move: '" << text << "'\n";
      return kExitFailure;
    }
    line.push_back(*move);
  }
  solver::Position position;
  if (const std::string failure = position.deal(params, *normalizeDealNumber(demo->dealNumber)); !failure.empty()) {
    ctx.err << "demo-search: " << failure << "\n";
    return kExitFailure;
  }
  demo->moves.clear();
  for (const solver::SolverMove& m : solver::shortenLine(position, line)) demo->moves.push_back(solver::commandText(m));
  writeDemoMoves(ctx.out, *demo);
  return kExitOk;
}

int runDemoSearch(CliContext& ctx) {
  bool bad = false;
  long long maxMs = 60000, gameMs = 180000, maxStates = 80000, gameStates = 200000, first = 1, last = 100;
  long long beam = kDefaultBeam, beamStates = kDefaultBeamStates;
  takeCount(ctx, "--beam-states", beamStates, bad);
  if (std::string text; takeOption(ctx.args, "--beam", text)) {
    if (text == "0")
      beam = 0;
    else if (!parseCount(text, beam) || beam > kMaxBeam) {
      ctx.err << "demo-search: --beam needs a width of 0 to " << kMaxBeam << ": '" << text << "'\n";
      bad = true;
    }
  }
  takeCount(ctx, "--max-ms", maxMs, bad);
  takeCount(ctx, "--game-ms", gameMs, bad);
  takeCount(ctx, "--max-states", maxStates, bad);
  takeCount(ctx, "--game-states", gameStates, bad);
  std::string shorten;
  takeOption(ctx.args, "--shorten", shorten);
  std::string range;
  if (takeOption(ctx.args, "--deals", range)) {
    const auto dots = range.find("..");
    if (dots == std::string::npos || !parseCount(range.substr(0, dots), first) ||
        !parseCount(range.substr(dots + 2), last) || first > last) {
      ctx.err << "demo-search: --deals needs FIRST..LAST, two game numbers with FIRST <= LAST: '" << range << "'\n";
      return kExitUsage;
    }
  }
  if (bad) return kExitUsage;
  if (ctx.args.size() != 1) {
    ctx.err << kUsage;
    return kExitUsage;
  }
  const auto params = loadGameForCommand(ctx, ctx.args[0], "demo-search");
  if (!params) return kExitUsage;
  const int game = std::stoi(ctx.args[0]);
  if (!shorten.empty()) return shortenList(ctx, *params, game, shorten);

  SweepLimits limits{first, last, maxMs, maxStates, static_cast<int>(beam), beamStates, gameMs, gameStates};
  DemoSweep sweep(*params, limits);
  const bool won = sweep.run();
  const Found& found = sweep.found();
  if (!found.any) {
    ctx.err << "demo-search: no deal was tried within --game-ms\n";
    return kExitFailure;
  }
  DemoMoves demo = listOf(*params, game, found, won);
  const std::string heading = "Demo of game " + std::to_string(game) + ": ";
  const std::string regenerate = "Regenerate with tools/demo_moves/find_demo_moves (kestrova-cli demo-search).";
  if (won) {
    demo.comments = {heading + "a winning line the solver found on deal " + found.deal + ".", regenerate};
  } else {
    std::string tried = "NO WIN FOUND (";
    for (const std::string& pass : sweep.tried()) tried += pass + "; ";
    demo.comments = {heading + tried + std::to_string(gameStates) + " positions in all).",
                     "This is the most advanced game the solver met, on deal " + found.deal + ".", regenerate};
  }
  writeDemoMoves(ctx.out, demo);
  return kExitOk;
}

}  // namespace kes::cli
