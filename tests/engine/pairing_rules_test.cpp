#include "engine/pairing_rules.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace kes {
namespace {

constexpr int card(int rank, int suit) { return suit * 13 + rank; }

// A pyramid of three rows: row r is tableau pile r with r + 1 slots.
GameState pyramid(std::vector<std::vector<int>> rows) {
  GameState g;
  test::setParams(g, {{Param::Family, 4}, {Param::TableauCount, static_cast<int>(rows.size())}});
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int c : rows[r]) g.table.appendCard(PileId::tableau(static_cast<int>(r)), c, true);
  return g;
}

TEST(PairingRules, PyramidKingAloneAndPairsOfThirteen) {
  GameState g = pyramid({{card(1, 0)}, {card(2, 0), card(3, 0)}, {card(13, 1), card(6, 1), card(7, 2)}});
  EXPECT_EQ(pairingPress(g, card(13, 1)), PairingOutcome::Completed);
  g.table.pile(PileId::foundation(0)).clear();
  EXPECT_EQ(pairingPress(g, card(6, 1)), PairingOutcome::Marked);
  EXPECT_EQ(pairingPress(g, card(7, 2)), PairingOutcome::Completed);
  EXPECT_EQ(selectedCards(g), (std::vector<int>{card(6, 1), card(7, 2)}));
}

TEST(PairingRules, ThirdPressBeforeCompletionIsRefused) {
  GameState g = pyramid({{card(1, 0)}, {card(2, 0), card(3, 0)}, {card(5, 1), card(9, 1), card(4, 2)}});
  EXPECT_EQ(pairingPress(g, card(5, 1)), PairingOutcome::Marked);
  EXPECT_EQ(pairingPress(g, card(9, 1)), PairingOutcome::Marked);
  EXPECT_EQ(pairingPress(g, card(4, 2)), PairingOutcome::Refused);
  EXPECT_EQ(selectedCards(g).size(), 2u);
}

TEST(PairingRules, CoveredPyramidCardsCannotBeSelected) {
  GameState g = pyramid({{card(1, 0)}, {card(12, 0), card(3, 0)}, {card(5, 1), card(9, 1), card(4, 2)}});
  EXPECT_FALSE(isFreePyramidCard(g, card(12, 0)));
  EXPECT_EQ(pairingPress(g, card(12, 0)), PairingOutcome::Refused);
  g.table.pile(PileId::tableau(2)).setCodes("000000004");
  EXPECT_TRUE(isFreePyramidCard(g, card(12, 0)));
  EXPECT_FALSE(isFreePyramidCard(g, card(3, 0)));
  g.table.pile(PileId::tableau(2)).setCodes("000000000");
  EXPECT_TRUE(isFreePyramidCard(g, card(3, 0)));
}

TEST(PairingRules, PressingASelectedCardUnmarksIt) {
  GameState g = pyramid({{card(1, 0)}, {card(2, 0), card(3, 0)}, {card(5, 1), card(9, 1), card(4, 2)}});
  pairingPress(g, card(5, 1));
  EXPECT_EQ(pairingPress(g, card(5, 1)), PairingOutcome::Unmarked);
  EXPECT_TRUE(selectedCards(g).empty());
}

TEST(PairingRules, StockCardOnlyJoinsAStartedSelection) {
  GameState g = pyramid({{card(1, 0)}, {card(2, 0), card(3, 0)}, {card(5, 1), card(9, 1), card(4, 2)}});
  g.table.appendCard(PileId::stock(), card(8, 3), false);
  EXPECT_EQ(pairingPress(g, card(8, 3)), PairingOutcome::Refused);
  pairingPress(g, card(5, 1));
  EXPECT_EQ(pairingPress(g, card(8, 3)), PairingOutcome::Completed);
}

TEST(PairingRules, GridPairsMustBeNeighbours) {
  GameState g;
  test::setParams(g, {{Param::Family, 8}, {Param::TableauCount, 25}});
  const int filler[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12};
  for (int i = 0; i < 25; ++i) g.table.appendCard(PileId::tableau(i), card(filler[i % 11], i / 11) + 52, true);
  g.table.pile(PileId::tableau(0)).setCodes(cardCodeText(card(7, 0)));
  g.table.pile(PileId::tableau(6)).setCodes(cardCodeText(card(7, 1)));   // diagonal neighbour of cell 0
  g.table.pile(PileId::tableau(3)).setCodes(cardCodeText(card(7, 2)));   // three cells away
  EXPECT_EQ(pairingPress(g, card(7, 0)), PairingOutcome::Marked);
  EXPECT_EQ(pairingPress(g, card(7, 2)), PairingOutcome::Refused);
  EXPECT_EQ(pairingPress(g, card(7, 1)), PairingOutcome::Completed);
}

TEST(PairingRules, NeighbourCells) {
  EXPECT_TRUE(areNeighbourCells(0, 6));
  EXPECT_TRUE(areNeighbourCells(12, 18));
  EXPECT_FALSE(areNeighbourCells(4, 5));  // end of one row, start of the next
  EXPECT_FALSE(areNeighbourCells(0, 3));
  EXPECT_FALSE(areNeighbourCells(7, 7));
}

TEST(PairingRules, ElevensAndCourtTriples) {
  GameState g;
  test::setParams(g, {{Param::Family, 17}, {Param::TableauCount, 6}});
  const int cards[] = {card(4, 0), card(7, 1), card(11, 2), card(12, 3), card(13, 0), card(5, 1)};
  for (int i = 0; i < 6; ++i) g.table.appendCard(PileId::tableau(i), cards[i], true);
  EXPECT_EQ(pairingPress(g, card(4, 0)), PairingOutcome::Marked);
  EXPECT_EQ(pairingPress(g, card(11, 2)), PairingOutcome::Refused);  // pictures never mix with numbers
  EXPECT_EQ(pairingPress(g, card(7, 1)), PairingOutcome::Completed);
  g.table.pile(PileId::foundation(0)).clear();
  EXPECT_EQ(pairingPress(g, card(11, 2)), PairingOutcome::Marked);
  EXPECT_EQ(pairingPress(g, card(12, 3)), PairingOutcome::Marked);
  EXPECT_EQ(pairingPress(g, card(13, 0)), PairingOutcome::Completed);
}

TEST(PairingRules, RowSelectionsMustBeAdjacent) {
  GameState g;
  test::setParams(g, {{Param::Family, 23}, {Param::TableauCount, 1}});
  for (int c : {card(3, 0), card(4, 1), card(9, 2), card(5, 3)}) g.table.appendCard(PileId::tableau(0), c, true);
  EXPECT_EQ(pairingPress(g, card(3, 0)), PairingOutcome::Marked);
  EXPECT_EQ(pairingPress(g, card(9, 2)), PairingOutcome::Refused);
  EXPECT_EQ(pairingPress(g, card(4, 1)), PairingOutcome::Completed);  // 3 + 4 = 7
}

}  // namespace
}  // namespace kes
