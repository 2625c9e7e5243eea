// Plays of the cards the stock will bring to the waste stand in for single
// presses: on small Klondike endings, searched to the end, the verdict is
// the same with and without them, and without the safe moves (so a loss
// they prove is a loss), and their lines replay through the command driver.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/card.h"
#include "solver/move_generator.h"
#include "solver/solver_position.h"
#include "solver/solver_test_support.h"

namespace kes::solver {
namespace {

constexpr int kKlondike = 2;
constexpr int kKlondikeThree = 3;
constexpr int kTableauPiles = 7;

// A deal of the game with every suit of every pack played up to `played`;
// the other cards, shuffled by the seed, fill the stock (face down), the
// waste and the piles (face down under their top cards where the game
// deals them so).
GameState ending(int game, unsigned seed, int played, int stockCards, int wasteCards) {
  Position deal;
  EXPECT_EQ(deal.deal(catalogueGame(game), *normalizeDealNumber("1")), "");
  GameState g = deal.state();
  const int piles = g.tableauCount();
  const bool faceDown = !g.table.isFaceUp(g.table.pile(PileId::tableau(piles - 1)).cardAt(0));
  for (int o = 0; o < kPileCount; ++o) g.table.pileAt(o).clear();
  std::vector<int> rest;
  const int packs = g.params[Param::CardCount] / kCardsPerPack;
  for (int pack = 0; pack < packs; ++pack)
    for (int suit = 0; suit < 4; ++suit)
      for (int rank = 1; rank <= kRanksPerSuit; ++rank) {
        const int card = pack * kCardsPerPack + suit * kRanksPerSuit + rank;
        if (rank <= played)
          g.table.appendCard(PileId::foundation(pack * 4 + suit), card, true);
        else
          rest.push_back(card);
      }
  std::shuffle(rest.begin(), rest.end(), std::mt19937(seed));
  std::size_t next = 0;
  for (int i = 0; i < stockCards; ++i) g.table.appendCard(PileId::stock(), rest[next++], false);
  for (int i = 0; i < wasteCards; ++i) g.table.appendCard(PileId::waste(), rest[next++], true);
  for (int pile = 0; next < rest.size(); pile = (pile + 1) % piles)
    g.table.appendCard(PileId::tableau(pile), rest[next++], !faceDown);
  for (int pile = 0; pile < piles; ++pile) g.table.setTopFaces(PileId::tableau(pile), 1, true);
  return g;
}

SolveResult solveEnding(const GameState& g, bool stockPlays, bool safeMoves, std::int64_t firstSearchCap = 20,
                        int shortSearches = 6) {
  Position position;
  position.setState(g);
  SolveOptions o;
  o.budget.maxStates = 2000000;
  o.budget.maxMs = 120000;
  o.stockPlays = stockPlays;
  o.safeMoves = safeMoves;
  o.firstSearchCap = firstSearchCap;
  o.shortSearches = shortSearches;
  return solvePosition(position, o);
}

// One pass through the stock, one or three cards a press: with nine ranks
// of every suit played, fourteen cards in the stock and four on the piles,
// some of these endings are won and some lost, and each is searched to the
// end in a moment. A single search without restarts agrees too, and so do
// searches whose caps grow from the first; the others start again after 20
// positions six times before the caps grow, so most endings need several
// searches.
TEST(StockPlays, exhaustiveVerdictsAgreeWithSinglePressesAndWithoutSafeMoves) {
  int won = 0, lost = 0, restartedLosses = 0;
  for (int game : {kKlondike, kKlondikeThree}) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
      GameState g = ending(game, seed, 9, 14, 2);
      g.params[Param::StockPasses] = 0;
      const SolveResult plays = solveEnding(g, true, true);
      const SolveResult presses = solveEnding(g, false, true);
      const SolveResult unsafe = solveEnding(g, true, false);
      const SolveResult once = solveEnding(g, true, true, 0);
      const SolveResult growing = solveEnding(g, true, true, 20, 1);
      const std::string where = "game " + std::to_string(game) + " seed " + std::to_string(seed) + ": ";
      ASSERT_NE(presses.verdict, Verdict::Unknown) << where << presses.reason;
      EXPECT_EQ(plays.verdict, presses.verdict) << where << plays.reason;
      EXPECT_EQ(unsafe.verdict, presses.verdict) << where << unsafe.reason;
      EXPECT_EQ(once.verdict, presses.verdict) << where << once.reason;
      EXPECT_EQ(growing.verdict, presses.verdict) << where << growing.reason;
      won += plays.verdict == Verdict::Won;
      lost += plays.verdict == Verdict::Lost;
      // Counted over several searches, a loss was proved after a restart.
      restartedLosses += plays.verdict == Verdict::Lost && plays.states > once.states;
    }
  }
  // The endings must test both verdicts, or the agreement says little.
  EXPECT_GT(won, 0);
  EXPECT_GT(lost, 0);
  EXPECT_GT(restartedLosses, 0);
}

TEST(StockPlays, aPlayAfterPressesIsOfferedForEveryCardTheStockBringsUp) {
  Position position;
  position.setState(ending(kKlondike, 5, 8, 9, 2));
  const auto moves = searchMoves(position, false, true);
  // No single presses: each play of a card under the waste top names its presses.
  EXPECT_TRUE(std::none_of(moves.begin(), moves.end(), [](const SolverMove& m) { return m.kind == MoveKind::Stock; }));
  for (const SolverMove& m : moves) {
    if (m.presses == 0) continue;
    const Position::Saved start = position.save();
    ASSERT_TRUE(position.apply(m)) << commandText(m) << " after " << m.presses;
    // Spelt out, the same presses and drag lead to the same table.
    const Snapshot viaPlay = takeSnapshot(position.state().table);
    position.restore(start);
    for (const SolverMove& step : primitiveLine({m})) ASSERT_TRUE(position.apply(step)) << commandText(step);
    EXPECT_EQ(takeSnapshot(position.state().table), viaPlay);
    position.restore(start);
  }
}

TEST(StockPlays, klondikeWonLinesReplayMoveByMove) {
  for (long long deal : {1LL, 4LL}) {
    SolveOptions o;
    o.budget.maxStates = 200000;
    o.budget.maxMs = 120000;
    const SolveResult r = solveDeal(catalogueGame(kKlondike), *normalizeDealNumber(std::to_string(deal)), o);
    ASSERT_EQ(r.verdict, Verdict::Won) << deal << ": " << r.reason;
    EXPECT_TRUE(std::none_of(r.moves.begin(), r.moves.end(), [](const SolverMove& m) { return m.presses > 0; }));
    EXPECT_EQ(replayFailure(kKlondike, deal, r), "");
  }
}

}  // namespace
}  // namespace kes::solver
