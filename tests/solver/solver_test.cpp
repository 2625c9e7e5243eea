// The solver's verdicts: won lines replay through the command driver to a
// won game, limits give "unknown" and never "lost", a position with no way
// out is proved lost with and without the safe moves, and the search is
// deterministic.

#include <gtest/gtest.h>

#include "engine/card.h"
#include "solver/line_shortener.h"
#include "solver/solver_position.h"
#include "solver/state_key.h"
#include "cli/game_play.h"
#include "solver/solver_test_support.h"

namespace kes::solver {
namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr int kGolf = 12;
constexpr int kMonteCarlo = 14;
constexpr int kBakersGame = 18;
constexpr int kEightOff = 19;

SolveOptions withBudget(std::int64_t states) {
  SolveOptions o;
  o.budget.maxStates = states;
  o.budget.maxMs = 120000;
  return o;
}

struct ReplayCase {
  int game;
  long long deal;
};

class WonLines : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(WonLines, replayToAWonGameWithEveryLineAccepted) {
  const ReplayCase c = GetParam();
  const SolveResult r = solveDeal(catalogueGame(c.game), *normalizeDealNumber(std::to_string(c.deal)), withBudget(100000));
  ASSERT_EQ(r.verdict, Verdict::Won) << r.reason;
  ASSERT_FALSE(r.moves.empty());
  EXPECT_EQ(replayFailure(c.game, c.deal, r), "");
}

// FreeCell, Baker's Game and Eight Off deals the solver wins in a few
// hundred positions; Golf and Monte Carlo, whose discards the key reads
// only by their top card, in a few hundred to a thousand.
INSTANTIATE_TEST_SUITE_P(Games, WonLines,
                         ::testing::Values(ReplayCase{kFreeCell, 1}, ReplayCase{kFreeCell, 3}, ReplayCase{kBakersGame, 3},
                                           ReplayCase{kBakersGame, 4}, ReplayCase{kEightOff, 1},
                                           ReplayCase{kEightOff, 2}, ReplayCase{kGolf, 26}, ReplayCase{kMonteCarlo, 2}));

TEST(SolverBudget, aTinyBudgetGivesUnknownNeverLost) {
  for (int game : {kFreeCell, kKlondike, kGolf}) {
    const SolveResult r = solveDeal(catalogueGame(game), *normalizeDealNumber("5"), withBudget(2));
    EXPECT_EQ(r.verdict, Verdict::Unknown) << game << ": " << r.reason;
    EXPECT_TRUE(r.moves.empty());
  }
  SolveOptions fast;
  fast.budget.maxMs = 1;
  fast.budget.maxStates = 1000000000;
  const SolveResult r = solveDeal(catalogueGame(kKlondike), *normalizeDealNumber("7"), fast);
  EXPECT_NE(r.verdict, Verdict::Lost) << r.reason;
}

// The table of positions met counts against the memory cap: FreeCell's
// deal 617, which no search wins quickly, runs out of a 1 MB cap long
// before its million positions.
TEST(SolverBudget, aSmallMemoryCapEndsTheSearchUnknown) {
  SolveOptions small = withBudget(1000000);
  small.budget.maxMb = 1;
  const SolveResult r = solveDeal(catalogueGame(kFreeCell), *normalizeDealNumber("617"), small);
  EXPECT_EQ(r.verdict, Verdict::Unknown);
  EXPECT_NE(r.reason.find("memory"), std::string::npos) << r.reason;
  EXPECT_LT(r.states, 20000);
}

// A search cut short keeps the line to the most advanced table it met, for
// the demo of a game it cannot win: every move of it plays.
TEST(SolverBudget, anUnfinishedSearchKeepsItsBestLineAndItPlays) {
  for (int game : {kKlondike, kGolf}) {
    const SolveResult r = solveDeal(catalogueGame(game), *normalizeDealNumber("5"), withBudget(300));
    ASSERT_EQ(r.verdict, Verdict::Unknown) << game;
    ASSERT_FALSE(r.bestMoves.empty()) << game;
    cli::GamePlay play(game, 5);
    ASSERT_EQ(play.startError(), "");
    for (const SolverMove& m : r.bestMoves) ASSERT_EQ(play.run(commandText(m)), "ok") << game << ": " << commandText(m);
    EXPECT_NE(play.table().state, "won");
  }
}

// A winning line with the search's detours cut out still wins, and is no
// longer; every move reads back from its command text.
TEST(LineShortener, aShortenedLineStillWinsAndIsNoLonger) {
  for (int game : {kFreeCell, kBakersGame, kEightOff}) {
    const GameParams params = catalogueGame(game);
    SolveResult r = solveDeal(params, *normalizeDealNumber("1"), withBudget(100000));
    ASSERT_EQ(r.verdict, Verdict::Won) << game;
    for (const SolverMove& m : r.moves) ASSERT_EQ(moveFromText(commandText(m)), m);
    Position position;
    ASSERT_EQ(position.deal(params, *normalizeDealNumber("1")), "");
    const std::size_t before = r.moves.size();
    r.moves = shortenLine(position, r.moves);
    EXPECT_LE(r.moves.size(), before) << game;
    EXPECT_EQ(replayFailure(game, 1, r), "") << game;
  }
}

TEST(SolverBudget, sameInputSameLineAndCount) {
  const GameParams p = catalogueGame(kFreeCell);
  const SolveResult a = solveDeal(p, *normalizeDealNumber("9"), withBudget(100000));
  const SolveResult b = solveDeal(p, *normalizeDealNumber("9"), withBudget(100000));
  EXPECT_EQ(a.verdict, b.verdict);
  EXPECT_EQ(a.states, b.states);
  EXPECT_EQ(a.moves, b.moves);
}

// FreeCell with the red suits up to 3 and the black ones up to 9 on the
// foundations, three red and black Kings in the cells and one cell free.
// Every pile shows two red cards that take nothing and go nowhere; the 4s
// lie at the bottom. Each top card can go into the free cell, and from
// there nowhere: eight moves, none leading out.
GameState lostFreeCell() {
  Position deal;
  EXPECT_EQ(deal.deal(catalogueGame(kFreeCell), *normalizeDealNumber("1")), "");
  GameState g = deal.state();
  for (int o = 0; o < kPileCount; ++o) g.table.pileAt(o).clear();
  auto code = [](int suit, int rank) { return suit * kRanksPerSuit + rank; };
  const int h = 0, d = 1, c = 2, s = 3;
  for (int rank = 1; rank <= 3; ++rank) {
    g.table.appendCard(PileId::foundation(0), code(h, rank), true);
    g.table.appendCard(PileId::foundation(1), code(d, rank), true);
  }
  for (int rank = 1; rank <= 9; ++rank) {
    g.table.appendCard(PileId::foundation(2), code(c, rank), true);
    g.table.appendCard(PileId::foundation(3), code(s, rank), true);
  }
  const std::vector<std::vector<int>> piles{
      {code(h, 4), code(c, 10), code(h, 5), code(d, 5)}, {code(d, 4), code(h, 6), code(d, 6)},
      {code(c, 11), code(h, 7), code(d, 7)},              {code(c, 12), code(h, 8), code(d, 8)},
      {code(s, 10), code(h, 9), code(d, 9)},              {code(s, 11), code(h, 10), code(d, 10)},
      {code(s, 12), code(h, 11), code(d, 11)},            {code(s, 13), code(h, 12), code(d, 12)},
  };
  for (std::size_t i = 0; i < piles.size(); ++i)
    for (int card : piles[i]) g.table.appendCard(PileId::tableau(static_cast<int>(i)), card, true);
  g.table.appendCard(PileId::reserve(0), code(h, 13), true);
  g.table.appendCard(PileId::reserve(1), code(d, 13), true);
  g.table.appendCard(PileId::reserve(2), code(c, 13), true);
  return g;
}

TEST(SolverLoss, aPositionWithNoWayOutIsProvedLostWithAndWithoutSafeMoves) {
  for (bool safe : {true, false}) {
    Position position;
    position.setState(lostFreeCell());
    SolveOptions o = withBudget(1000000);
    o.safeMoves = safe;
    const std::string before = exactKey(position.state());
    const SolveResult r = solvePosition(position, o);
    EXPECT_EQ(r.verdict, Verdict::Lost) << "safe moves " << safe << ": " << r.reason;
    EXPECT_GT(r.states, 1) << "the position should offer some moves";
    EXPECT_EQ(exactKey(position.state()), before) << "the search leaves the position as it was";
  }
}

}  // namespace
}  // namespace kes::solver
