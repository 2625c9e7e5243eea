// The solver's moves against the engine: in positions sampled along a
// deterministic walk through each kind of game, the moves the solver
// generates are exactly the commands the engine carries out out of all it
// could be given, and playing a move then restoring gives back the state.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/card.h"
#include "engine/pick_up_rules.h"
#include "engine/snapshot.h"
#include "solver/move_generator.h"
#include "solver/solver_position.h"
#include "solver/solver_test_support.h"
#include "solver/state_key.h"

namespace kes::solver {
namespace {

// A press on a card under the top of a squared pile (the waste) lifts the
// top card: the drag is the top card's own move under another name.
bool liftsAnotherCard(const GameState& g, int card, PileId from) {
  const PickUp p = canPickUp(g, card, from, PressButton::Left);
  return (p.outcome == PickUpOutcome::Lift || p.outcome == PickUpOutcome::LiftRun) && p.card != card;
}

// Every command the driver could be given: each card in play onto each pile
// on the table, a click on each card, the stock. A click on any card of the
// stock is the press on the stock, which "stock" names.
std::vector<SolverMove> everyCommand(const GameState& g) {
  std::vector<SolverMove> all{{MoveKind::Stock, 0, {}}};
  for (int card = 1; card <= kMaxCards; ++card) {
    if (!g.locateCard(card)) continue;
    if (*g.locateCard(card) != PileId::stock()) all.push_back({MoveKind::Click, card, {}});
    if (liftsAnotherCard(g, card, *g.locateCard(card))) continue;
    for (int o = 0; o < kPileCount; ++o)
      if (g.onTable(PileId::fromOrdinal(o))) all.push_back({MoveKind::Drag, card, PileId::fromOrdinal(o)});
  }
  return all;
}

std::vector<std::string> texts(std::vector<SolverMove> moves) {
  std::vector<std::string> t;
  for (const SolverMove& m : moves) t.push_back(commandText(m));
  std::sort(t.begin(), t.end());
  return t;
}

class MovesAgainstEngine : public ::testing::TestWithParam<int> {};

TEST_P(MovesAgainstEngine, generatedMovesAreExactlyTheAcceptedOnesAndUndoIsExact) {
  Position position;
  ASSERT_EQ(position.deal(catalogueGame(GetParam()), *normalizeDealNumber("3")), "");
  for (int step = 0; step < 6 && !position.over(); ++step) {
    const Position::Saved saved = position.save();
    const std::vector<SolverMove> legal = legalMoves(position);
    if (step == 0) {
      EXPECT_FALSE(legal.empty()) << "every sampled deal offers a first move";
    }
    std::vector<SolverMove> accepted;
    for (const SolverMove& m : everyCommand(position.state())) {
      const std::string before = exactKey(position.state());
      const Snapshot table = takeSnapshot(position.state().table);
      if (position.apply(m)) {
        accepted.push_back(m);
        position.restore(saved);
        EXPECT_EQ(exactKey(position.state()), before) << commandText(m);
        EXPECT_EQ(takeSnapshot(position.state().table), table) << commandText(m);
      }
      position.restore(saved);
    }
    // A click on a card that is only lifted changes nothing, so a drag and
    // a click never both stand for one action.
    EXPECT_EQ(texts(legal), texts(accepted)) << "step " << step;
    if (legal.empty()) break;
    ASSERT_TRUE(position.apply(legal[static_cast<std::size_t>(step * 7) % legal.size()]));
  }
}

// FreeCell, Klondike, Klondike by threes, Spider, Canfield, Golf, Pyramid,
// Monte Carlo, Poker Square, Calculation, Eight Off, Seahaven Towers.
INSTANTIATE_TEST_SUITE_P(Games, MovesAgainstEngine, ::testing::Values(1, 2, 3, 4, 6, 12, 13, 14, 15, 16, 19, 20));

}  // namespace
}  // namespace kes::solver
