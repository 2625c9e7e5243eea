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
    "tries the deals in order (1..100 unless given) with the depth-first search, each for at most\n"
    "--max-states positions (default 80000) and --max-ms (default 60000), with half of --game-states\n"
    "(default 200000) and --game-ms (default 180000); when none is won, again with a beam search of\n"
    "WIDTH positions (default 100; 0 for none), each for at most --beam-states positions (default\n"
    "150000), with the rest. Prints the demo's move list: the first winning line, or when none is\n"
    "found the most advanced line met. Positions, unlike time, do not depend on how busy the machine is\n"
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

// The deals in order, in two passes: the depth-first search, quick on the
// deals a few choices decide, over every deal with half the game's budget;
// then, when none was won, the beam search, which wins the long games the
// first gets lost in, deal after deal with the rest.
class DemoSweep {
 public:
  DemoSweep(const GameParams& params, const SweepLimits& limits)
      : params_(params), limits_(limits), start_(Clock::now()) {}

  // True with the won deal in found().
  bool run() {
    if (pass(false, limits_.gameMs / 2, limits_.gameStates / 2)) return true;
    return limits_.beam > 0 && pass(true, limits_.gameMs, limits_.gameStates);
  }
  const Found& found() const { return best_; }
  long long lastDepthFirst() const { return lastDepthFirst_; }
  long long lastBeam() const { return lastBeam_; }

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

  bool pass(bool beam, long long msLimit, long long statesLimit) {
    for (long long deal = limits_.first; deal <= limits_.last; ++deal) {
      const long long spent = spentMs();
      if (spent >= msLimit || states_ >= statesLimit) break;
      const long long perDeal = beam ? limits_.beamStates : limits_.maxStates;
      const std::string dealNumber = *normalizeDealNumber(std::to_string(deal));
      solver::SolveResult r = search(dealNumber, beam, std::min(limits_.maxMs, msLimit - spent),
                                     std::min(perDeal, statesLimit - states_));
      (beam ? lastBeam_ : lastDepthFirst_) = deal;
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
  long long lastDepthFirst_ = 0, lastBeam_ = 0;
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
    std::string tried = "NO WIN FOUND on deals " + std::to_string(first) + ".." +
                        std::to_string(sweep.lastDepthFirst()) + " (at most " + std::to_string(maxStates) +
                        " positions each";
    if (sweep.lastBeam() >= first)
      tried += "; then a beam of " + std::to_string(beam) + " on deals " + std::to_string(first) + ".." +
               std::to_string(sweep.lastBeam()) + ", at most " + std::to_string(beamStates) + " positions each";
    demo.comments = {heading + tried + "; " + std::to_string(gameStates) + " in all).",
                     "This is the most advanced game the solver met, on deal " + found.deal + ".", regenerate};
  }
  writeDemoMoves(ctx.out, demo);
  return kExitOk;
}

}  // namespace kes::cli
