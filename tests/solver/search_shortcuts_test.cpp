// The shortcuts a search takes instead of asking the engine or building a
// key: a press on the stock left out is one the engine refuses, a move left
// out leads to a position the search meets anyway, a move back is known for
// the position before it only when nothing the key reads differs, and a
// drag's score estimated on the copy of the table is the score of the table
// the engine leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>

#include "engine/deal_generator.h"
#include "engine/pick_up_rules.h"
#include "solver/move_generator.h"
#include "solver/solver_position.h"
#include "solver/solver_test_support.h"
#include "solver/state_key.h"
#include "solver/table_score.h"

namespace kes::solver {
namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr int kGolf = 12;
constexpr int kCalculation = 16;
constexpr int kEightOff = 19;
constexpr int kSeahavenTowers = 20;
constexpr int kLastGameNumber = 999;

std::optional<GameParams> catalogued(int game) {
  try {
    return catalogueGame(game);
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
}

bool offersPress(const std::vector<SolverMove>& moves) {
  return std::any_of(moves.begin(), moves.end(), [](const SolverMove& m) { return m.kind == MoveKind::Stock; });
}

// Every catalogued game, its stock and waste emptied: where a press would
// be a press on the stock but the generator leaves it out, the engine must
// refuse it, or a search would miss a move and could call a deal lost.
TEST(IdlePress, aPressTheGeneratorLeavesOutIsOneTheEngineRefuses) {
  int leftOut = 0, games = 0;
  for (int game = 1; game <= kLastGameNumber; ++game) {
    const std::optional<GameParams> params = catalogued(game);
    if (!params) continue;
    ++games;
    Position position;
    ASSERT_EQ(position.deal(*params, *normalizeDealNumber("5")), "") << "game " << game;
    GameState emptied = position.state();
    emptied.table.pile(PileId::stock()).clear();
    emptied.table.pile(PileId::waste()).clear();
    position.setState(emptied);
    const PickUp press = canPickUp(position.state(), 0, PileId::stock(), PressButton::Left);
    if (press.outcome != PickUpOutcome::StockPress || offersPress(candidateMoves(position.mutableState()))) continue;
    ++leftOut;
    EXPECT_FALSE(position.apply(SolverMove{})) << "game " << game << ": the press left out changed the game";
  }
  EXPECT_GT(games, 100);
  EXPECT_GT(leftOut, 10) << "the games without a waste to turn back (FreeCell and its kin) leave the press out";
}

// Along walks through games with free cells, foundations a card may leave
// and columns a whole pile may move to: every legal move the search leaves
// out (a twin drop onto an empty pile, a whole pile onto an empty pile alike)
// leads to the position itself or to one a move it keeps leads to, so no
// position is lost to a search that proves a deal lost.
TEST(LeftOutMoves, everyLegalMoveLeftOutLeadsToAPositionTheSearchMeets) {
  int leftOut = 0;
  for (const int game : {kFreeCell, kKlondike, kEightOff, kSeahavenTowers}) {
    Position position;
    ASSERT_EQ(position.deal(catalogueGame(game), *normalizeDealNumber("11")), "");
    for (int step = 0; step < 60 && !position.over(); ++step) {
      const Position::Saved saved = position.save();
      std::set<std::string> met{canonicalKey(position.state())};
      for (const SolverMove& m : searchMoves(position, false, false)) {
        if (position.apply(m)) met.insert(canonicalKey(position.state()));
        position.restore(saved);
      }
      const std::vector<SolverMove> legal = legalMoves(position);
      if (legal.empty()) break;
      for (const SolverMove& m : legal) {
        ASSERT_TRUE(position.apply(m));
        const bool covered = met.count(canonicalKey(position.state())) > 0;
        EXPECT_TRUE(covered) << "game " << game << " step " << step << " " << commandText(m);
        position.restore(saved);
      }
      leftOut += static_cast<int>(legal.size() + 1 - met.size());
      // Foundations first, so that aces reach them and may leave again.
      const auto home = std::find_if(legal.begin(), legal.end(),
                                     [](const SolverMove& m) { return m.target.family == PileFamily::Foundation; });
      ASSERT_TRUE(position.apply(home != legal.end() ? *home : legal[static_cast<std::size_t>(step * 7) % legal.size()]));
    }
  }
  EXPECT_GT(leftOut, 50) << "the walks meet moves the search leaves out";
}

// Which foundation holds which suit is no part of the position where the
// foundations are alike, and is where their rules differ.
TEST(StateKey, foundationsAlikeAreListedInOneOrder) {
  const auto acesOnFoundations = [](int game, bool swapped) {
    Position position;
    EXPECT_EQ(position.deal(catalogueGame(game), *normalizeDealNumber("3")), "");
    GameState g = position.state();
    const int first = swapped ? 14 : 1, second = swapped ? 1 : 14;  // two aces
    for (const int card : {first, second}) {
      const auto at = g.locateCard(card);
      EXPECT_TRUE(at.has_value());
      g.table.pile(*at).remove(card);
    }
    g.table.appendCard(PileId::foundation(1), first, true);
    g.table.appendCard(PileId::foundation(2), second, true);
    return g;
  };
  for (const int game : {kFreeCell, kKlondike}) {
    const GameState a = acesOnFoundations(game, false), b = acesOnFoundations(game, true);
    EXPECT_NE(exactKey(a), exactKey(b));
    EXPECT_EQ(canonicalKey(a), canonicalKey(b)) << "game " << game;
  }
  const GameState a = acesOnFoundations(kCalculation, false), b = acesOnFoundations(kCalculation, true);
  EXPECT_NE(canonicalKey(a), canonicalKey(b)) << "each foundation of Calculation builds its own sequence";
}

// The discard pile gives no card back: the same cards discarded in another
// order under the same top card are one position; another top card is not.
TEST(StateKey, theDiscardsUnderTheTopCardAreReadByTheirCountOnly) {
  Position position;
  ASSERT_EQ(position.deal(catalogueGame(kGolf), *normalizeDealNumber("4")), "");
  const auto discarding = [&position](std::initializer_list<int> order) {
    GameState g = position.state();
    for (const int card : order) {
      const auto at = g.locateCard(card);
      EXPECT_TRUE(at.has_value());
      g.table.pile(*at).remove(card);
      g.table.appendCard(PileId::secondWaste(), card, true);
    }
    return g;
  };
  const std::vector<int> tops = {position.state().table.pile(PileId::tableau(0)).top(),
                                 position.state().table.pile(PileId::tableau(1)).top(),
                                 position.state().table.pile(PileId::tableau(2)).top()};
  const GameState a = discarding({tops[0], tops[1], tops[2]});
  const GameState b = discarding({tops[1], tops[0], tops[2]});
  const GameState c = discarding({tops[0], tops[2], tops[1]});
  EXPECT_NE(exactKey(a), exactKey(b));
  EXPECT_EQ(canonicalKey(a), canonicalKey(b));
  EXPECT_NE(canonicalKey(a), canonicalKey(c)) << "another card on top";
}

// A card moved from one free cell to another and straight back, once the
// count of moves made has stopped at its "more than one".
TEST(MoveBack, aCardMovedAndMovedBackIsThePositionBefore) {
  Position position;
  ASSERT_EQ(position.deal(catalogueGame(kFreeCell), *normalizeDealNumber("1")), "");
  const int card = position.state().table.pile(PileId::tableau(0)).top();
  ASSERT_TRUE(position.apply({MoveKind::Drag, card, PileId::reserve(0)}));
  ASSERT_TRUE(position.apply({MoveKind::Drag, card, PileId::reserve(1)}));
  const Position::Saved before = position.save();
  const std::string key = canonicalKey(position.state());
  ASSERT_TRUE(position.apply({MoveKind::Drag, card, PileId::reserve(0)}));
  EXPECT_FALSE(position.sameAs(before));
  ASSERT_TRUE(position.apply({MoveKind::Drag, card, PileId::reserve(1)}));
  EXPECT_TRUE(position.sameAs(before));
  EXPECT_EQ(canonicalKey(position.state()), key);
}

// A card's face or a counter that differs makes another position.
TEST(MoveBack, aTurnedCardOrAnotherPassIsAnotherPosition) {
  Position position;
  ASSERT_EQ(position.deal(catalogueGame(kKlondike), *normalizeDealNumber("1")), "");
  const Position::Saved before = position.save();
  ASSERT_TRUE(position.sameAs(before));
  const int hidden = position.state().table.pile(PileId::tableau(6)).cardAt(0);
  ASSERT_FALSE(position.state().table.isFaceUp(hidden));
  position.mutableState().table.cards.setFaceUp(hidden, true);
  EXPECT_FALSE(position.sameAs(before)) << "a card turned up";
  position.restore(before);
  ++position.mutableState().passNumber;
  EXPECT_FALSE(position.sameAs(before)) << "another pass";
  position.restore(before);
  EXPECT_TRUE(position.sameAs(before));
}

// Along a walk through FreeCell and Klondike, each drag's estimated score
// is the score of the table after the engine played it (Klondike turning up
// the card a drag uncovers, as the estimate takes it).
TEST(TableScore, aDragIsScoredAsTheTableTheEngineLeaves) {
  for (const int game : {kFreeCell, kKlondike}) {
    Position position;
    ASSERT_EQ(position.deal(catalogueGame(game), *normalizeDealNumber("7")), "");
    ScoreTable table, after;
    int drags = 0;
    for (int step = 0; step < 12 && !position.over(); ++step) {
      const std::vector<SolverMove> legal = legalMoves(position);
      if (legal.empty()) break;
      const Position::Saved saved = position.save();
      for (const SolverMove& m : legal) {
        if (m.kind != MoveKind::Drag) continue;
        fillScoreTable(position.state(), table);
        const int now = tableScore(table);
        const int estimated = dragScore(table, m);
        EXPECT_EQ(tableScore(table), now) << "the estimate leaves the copy as it was";
        ASSERT_TRUE(position.apply(m));
        fillScoreTable(position.state(), after);
        EXPECT_EQ(estimated, tableScore(after)) << "game " << game << " step " << step << " " << commandText(m);
        position.restore(saved);
        ++drags;
      }
      ASSERT_TRUE(position.apply(legal[static_cast<std::size_t>(step * 5) % legal.size()]));
    }
    EXPECT_GT(drags, 20) << "game " << game;
  }
}

}  // namespace
}  // namespace kes::solver
