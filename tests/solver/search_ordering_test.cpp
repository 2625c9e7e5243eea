// What makes the searches find wins in the games a plain depth-first
// search got lost in: positions that differ only by how many moves led to
// them are one position; the beam search wins long games and its lines
// replay; the poker grid is searched by the hands it promises; Golf's
// search clears the piles before it spends the stock.

#include <gtest/gtest.h>

#include <optional>

#include "engine/deal_generator.h"
#include "solver/beam_search.h"
#include "solver/move_generator.h"
#include "solver/solver_position.h"
#include "solver/solver_test_support.h"
#include "solver/state_key.h"
#include "solver/table_score.h"

namespace kes::solver {
namespace {

constexpr int kFreeCell = 1;
constexpr int kGolf = 12;
constexpr int kPokerSquare = 15;
constexpr int kCalculation = 16;

BeamOptions beamWithin(std::int64_t states) {
  BeamOptions o;
  o.width = 100;
  o.budget.maxStates = states;
  o.budget.maxMs = 120000;
  return o;
}

// A card that one move lays on another tableau pile.
std::optional<SolverMove> tableauToTableau(Position& position) {
  for (const SolverMove& m : legalMoves(position)) {
    const auto from = position.state().locateCard(m.card);
    if (m.kind == MoveKind::Drag && m.target.family == PileFamily::Tableau && from &&
        from->family == PileFamily::Tableau)
      return m;
  }
  return std::nullopt;
}

// In Golf a press on the stock deals its card onto the discard pile: it
// must score below every card cleared from the piles, or the search would
// deal out the stock before it clears anything.
TEST(GolfOrder, aCardClearedFromThePilesScoresAboveAPressOnTheStock) {
  int plays = 0;
  for (const char* deal : {"1", "2", "3", "4", "5", "6"}) {
    Position position;
    ASSERT_EQ(position.deal(catalogueGame(kGolf), *normalizeDealNumber(deal)), "");
    const Position::Saved start = position.save();
    ScoreTable table;
    const auto scoreAfter = [&](const SolverMove& m) {
      EXPECT_TRUE(position.apply(m));
      fillScoreTable(position.state(), table);
      const int score = tableScore(table);
      position.restore(start);
      return score;
    };
    const int press = scoreAfter(SolverMove{MoveKind::Stock, 0, {}});
    for (const SolverMove& m : legalMoves(position)) {
      if (m.kind == MoveKind::Stock) continue;
      EXPECT_GT(scoreAfter(m), press) << "deal " << deal << " " << commandText(m);
      ++plays;
    }
  }
  EXPECT_GT(plays, 0) << "some deal opens with a card that fits the discard";
}

// The same table by two roads: a card straight into a free cell, or first
// onto another pile and from there into the cell. The second counts one
// tableau move more, which FreeCell's rules never read.
TEST(StateKey, theMovesThatLedToATableAreNotPartOfItsPosition) {
  const GameParams params = catalogueGame(kFreeCell);
  for (int deal = 1; deal <= 20; ++deal) {
    const std::string number = *normalizeDealNumber(std::to_string(deal));
    Position direct, detour;
    ASSERT_EQ(direct.deal(params, number), "");
    ASSERT_EQ(detour.deal(params, number), "");
    const auto step = tableauToTableau(detour);
    if (!step) continue;
    const SolverMove toCell{MoveKind::Drag, step->card, PileId::reserve(0)};
    ASSERT_TRUE(detour.apply(*step));
    ASSERT_TRUE(detour.apply(toCell));
    ASSERT_TRUE(direct.apply(toCell));
    EXPECT_EQ(exactKey(direct.state()), exactKey(detour.state())) << "deal " << deal;
    return;
  }
  FAIL() << "no deal of 1..20 opens with a move from pile to pile";
}

// Calculation's deal 6: won by the beam, not by a small depth-first search.
TEST(BeamSearch, winsALongDealAndItsLineReplaysToAWonGame) {
  Position position;
  ASSERT_EQ(position.deal(catalogueGame(kCalculation), *normalizeDealNumber("6")), "");
  const std::string before = exactKey(position.state());
  const SolveResult r = beamSearch(position, beamWithin(200000));
  ASSERT_EQ(r.verdict, Verdict::Won) << r.reason;
  EXPECT_EQ(replayFailure(kCalculation, 6, r), "");
  EXPECT_EQ(exactKey(position.state()), before) << "the search leaves the position as it was";
}

TEST(BeamSearch, sameInputSameLineAndNeverALoss) {
  const GameParams p = catalogueGame(kCalculation);
  Position a, b;
  ASSERT_EQ(a.deal(p, *normalizeDealNumber("1")), "");
  ASSERT_EQ(b.deal(p, *normalizeDealNumber("1")), "");
  const SolveResult first = beamSearch(a, beamWithin(200000));
  const SolveResult second = beamSearch(b, beamWithin(200000));
  EXPECT_EQ(first.moves, second.moves);
  EXPECT_EQ(first.states, second.states);
  // Cut short, it says nothing about the deal; what it met still plays.
  Position c;
  ASSERT_EQ(c.deal(p, *normalizeDealNumber("1")), "");
  const SolveResult cut = beamSearch(c, beamWithin(50));
  EXPECT_EQ(cut.verdict, Verdict::Unknown) << cut.reason;
  for (const SolverMove& m : cut.bestMoves) ASSERT_TRUE(c.apply(m)) << commandText(m);
}

// Scored only by cards played off, every placement of the grid looks the
// same and the search fills it blindly; by the hands the lines promise, it
// reaches the 100 points of a win on this deal within a small budget.
TEST(PokerGrid, theSearchFollowsTheHandsToAWin) {
  SolveOptions o;
  o.budget.maxStates = 20000;
  o.budget.maxMs = 120000;
  const SolveResult r = solveDeal(catalogueGame(kPokerSquare), *normalizeDealNumber("23"), o);
  ASSERT_EQ(r.verdict, Verdict::Won) << r.reason;
  EXPECT_EQ(replayFailure(kPokerSquare, 23, r), "");
}

}  // namespace
}  // namespace kes::solver
