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
    "       [--max-ms N] [--game-ms N] [--beam WIDTH]\n"
    "tries the deals in order (1..100 unless given) with the solver, each for at most --max-states\n"
    "positions (default 80000) and --max-ms (default 60000), all together for at most --game-states\n"
    "(default 200000) and --game-ms (default 180000), and prints the demo's move list: the first\n"
    "winning line, or when none is found the most advanced line met. Positions, unlike time, do\n"
    "not depend on how busy the machine is. A deal the depth-first search does not decide is\n"
    "searched again by a beam of WIDTH positions (default 100; 0 for none) with the same budget\n"
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

// The depth-first search, then (with a beam width) the beam search with the
// same budget: the first is quick on the deals a few choices decide, the
// second wins the long games the first gets lost in.
solver::SolveResult searchDeal(const GameParams& params, const std::string& dealNumber,
                               const solver::SolveOptions& options, int beam, long long beamStates) {
  solver::SolveResult r = solver::solveDeal(params, dealNumber, options);
  if (r.verdict != solver::Verdict::Unknown || beam == 0) return r;
  solver::Position position;
  if (!position.deal(params, dealNumber).empty()) return r;
  solver::BeamOptions beamOptions;
  beamOptions.width = beam;
  beamOptions.budget = options.budget;
  beamOptions.budget.maxStates = beamStates;
  solver::SolveResult b = solver::beamSearch(position, beamOptions);
  b.states += r.states;
  if (b.verdict == solver::Verdict::Won || b.bestScore > r.bestScore) return b;
  r.states = b.states;
  return r;
}

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

  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  Found best;
  long long tried = 0, states = 0;
  for (long long deal = first; deal <= last; ++deal) {
    const long long spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    if (spent >= gameMs || states >= gameStates) break;
    solver::SolveOptions options;
    options.budget.maxMs = std::min(maxMs, gameMs - spent);
    options.budget.maxStates = std::min(maxStates, gameStates - states);
    const std::string dealNumber = *normalizeDealNumber(std::to_string(deal));
    solver::SolveResult r = searchDeal(*params, dealNumber, options, static_cast<int>(beam), beamStates);
    ++tried;
    states += r.states;
    if (r.verdict == solver::Verdict::Won) {
      DemoMoves demo = listOf(*params, game, {dealNumber, std::move(r), true}, true);
      demo.comments = {"Demo of game " + std::to_string(game) + ": a winning line the solver found on deal " +
                           dealNumber + ".",
                       "Regenerate with tools/demo_moves/find_demo_moves (kestrova-cli demo-search)."};
      writeDemoMoves(ctx.out, demo);
      return kExitOk;
    }
    if (!best.any || r.bestScore > best.result.bestScore) best = {dealNumber, std::move(r), true};
  }
  if (!best.any) {
    ctx.err << "demo-search: no deal was tried within --game-ms\n";
    return kExitFailure;
  }
  DemoMoves demo = listOf(*params, game, best, false);
  demo.comments = {"Demo of game " + std::to_string(game) + ": NO WIN FOUND on deals " + std::to_string(first) +
                       ".." + std::to_string(first + tried - 1) + " (at most " + std::to_string(maxStates) +
                       " positions each, " + std::to_string(gameStates) + " in all).",
                   "This is the most advanced game the solver met, on deal " + best.deal + ".",
                   "Regenerate with tools/demo_moves/find_demo_moves (kestrova-cli demo-search)."};
  writeDemoMoves(ctx.out, demo);
  return kExitOk;
}

}  // namespace kes::cli
