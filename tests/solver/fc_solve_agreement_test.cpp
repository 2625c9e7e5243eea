// Verdicts on FreeCell, Baker's Game, Eight Off and Seahaven Towers agree
// with Debian's fc-solve (freecell-solver-bin, installed by
// scripts/install-deps), asked with an iteration cap: where both decide,
// they decide alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "cli/game_play.h"
#include "engine/card.h"
#include "solver/solver_test_support.h"
#include "test_temp_dir.h"

namespace kes::solver {
namespace {

constexpr const char* kFcSolve = "/usr/bin/fc-solve";
constexpr int kIterationCap = 300000;

struct OutsideGame {
  int game;
  const char* preset;
  int piles, cells;
};

std::string cardText(int code) {
  static const char* ranks = "A23456789TJQK";
  static const char* suits = "HDCS";
  return {ranks[cardRank(code) - 1], suits[suitIndex(code)]};
}

std::string board(const cli::ShownTable& t, const OutsideGame& g) {
  static const char* ranks = "0A23456789TJQK";
  int top[4] = {0, 0, 0, 0};
  for (int f = 1; f <= 4; ++f)
    for (const cli::ShownCard& c : t.pile("Dest" + std::to_string(f)))
      top[suitIndex(c.code)] = std::max(top[suitIndex(c.code)], cardRank(c.code));
  std::ostringstream out;
  out << "Foundations: H-" << ranks[top[0]] << " C-" << ranks[top[2]] << " D-" << ranks[top[1]] << " S-"
      << ranks[top[3]] << "\nFreecells:";
  for (int i = 1; i <= g.cells; ++i) {
    const std::string cell = "Appogg" + std::to_string(i);
    out << " " << (t.size(cell) ? cardText(t.top(cell)) : "-");
  }
  out << "\n";
  for (int i = 1; i <= g.piles; ++i) {
    out << ":";
    for (const cli::ShownCard& c : t.pile("Fila" + std::to_string(i))) out << " " << cardText(c.code);
    out << "\n";
  }
  return out.str();
}

// "won", "lost" or "unknown" as fc-solve finds it.
std::string outsideVerdict(const std::string& boardText, const OutsideGame& g) {
  TempDir dir;
  const std::string file = (dir.path() / "board.txt").string();
  std::ofstream(file) << boardText;
  const std::string command = std::string(kFcSolve) + " --game " + g.preset + " -mi " +
                              std::to_string(kIterationCap) + " " + file + " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return "unknown";
  std::string all;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe.get())) all += buffer;
  if (all.find("This game is solveable") != std::string::npos) return "won";
  // It says it could not solve a game both when it searched everything and
  // when the cap stopped it; only the first is a loss.
  const bool capped = all.find("states checked is " + std::to_string(kIterationCap)) != std::string::npos;
  if (all.find("I could not solve this game") != std::string::npos && !capped) return "lost";
  return "unknown";
}

class AgreesWithFcSolve : public ::testing::TestWithParam<OutsideGame> {};

TEST_P(AgreesWithFcSolve, onTheFirstDeals) {
  if (!std::filesystem::exists(kFcSolve)) GTEST_SKIP() << "fc-solve is not installed (scripts/install-deps)";
  const OutsideGame g = GetParam();
  const GameParams params = catalogueGame(g.game);
  int bothDecided = 0;
  for (long long deal = 1; deal <= 3; ++deal) {
    cli::GamePlay play(g.game, deal);
    ASSERT_EQ(play.startError(), "");
    const std::string theirs = outsideVerdict(board(play.table(), g), g);
    SolveOptions o;
    o.budget.maxStates = 3000;
    o.budget.maxMs = 120000;
    const SolveResult ours = solveDeal(params, *normalizeDealNumber(std::to_string(deal)), o);
    const std::string ourWord = verdictWord(ours.verdict);
    if (theirs == "unknown" || ourWord == "unknown") continue;
    ++bothDecided;
    EXPECT_EQ(ourWord, theirs) << "deal " << deal << ": " << ours.reason;
  }
  EXPECT_GT(bothDecided, 0);
}

INSTANTIATE_TEST_SUITE_P(Games, AgreesWithFcSolve,
                         ::testing::Values(OutsideGame{1, "freecell", 8, 4}, OutsideGame{18, "bakers_game", 8, 4},
                                           OutsideGame{19, "eight_off", 8, 8},
                                           OutsideGame{20, "seahaven_towers", 10, 4}));

}  // namespace
}  // namespace kes::solver
