#include "engine/game_end.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace kes {
namespace {

TEST(GameWon, ClearedPlayingAreaWinsWhateverTheFoundationsHold) {
  GameState g;
  test::setParams(g, {{Param::CardCount, 52}, {Param::TableauCount, 2}, {Param::ReserveCount, 1}});
  g.table.appendCard(PileId::secondWaste(), 5, true);
  EXPECT_TRUE(checkGameWon(g));
  g.table.appendCard(PileId::reserve(0), 6, true);
  EXPECT_FALSE(checkGameWon(g));
  g.table.pile(PileId::reserve(0)).clear();
  g.table.appendCard(PileId::waste(), 6, true);
  EXPECT_FALSE(checkGameWon(g));
}

TEST(GameWon, FamilyRules) {
  GameState pyramid;
  test::setParams(pyramid, {{Param::Family, 4}, {Param::TableauCount, 2}});
  pyramid.table.pile(PileId::tableau(0)).setCodes("000000");
  EXPECT_TRUE(checkGameWon(pyramid));
  pyramid.table.pile(PileId::tableau(1)).setCodes("000012");
  EXPECT_FALSE(checkGameWon(pyramid));

  GameState poker;
  test::setParams(poker, {{Param::Family, 9}, {Param::TableauCount, 2}});
  poker.table.appendCard(PileId::tableau(0), 1);
  EXPECT_FALSE(checkGameWon(poker));
  poker.table.appendCard(PileId::tableau(1), 2);
  EXPECT_TRUE(checkGameWon(poker));

  GameState row;
  test::setParams(row, {{Param::Family, 21}});
  row.table.pile(PileId::tableau(0)).setCodes("001002003004");
  EXPECT_TRUE(checkGameWon(row));
  row.table.appendCard(PileId::tableau(0), 5);
  EXPECT_FALSE(checkGameWon(row));
}

TEST(Score, FivePointsPerPlayedCardLessThePack) {
  GameState g;
  test::setParams(g, {{Param::CardCount, 52}});
  updateScore(g);
  EXPECT_EQ(g.score, -52);
  for (int c = 1; c <= 52; ++c) g.table.appendCard(PileId::foundation((c - 1) / 13), c, true);
  updateScore(g);
  EXPECT_EQ(g.score, 208);
  g.table.pile(PileId::foundation(3)).takeTop(1);
  updateScore(g);
  EXPECT_EQ(g.score, 203);
}

TEST(Score, BonusCardsAndSecondWasteCount) {
  GameState g;
  test::setParams(g, {{Param::CardCount, 104}, {Param::CardsPlayedAtDeal, 2}});
  g.table.appendCard(PileId::secondWaste(), 7, true);
  EXPECT_EQ(scoreOf(g), 10 + 5 - 104);
}

TEST(Score, SelectionListDoesNotScore) {
  GameState g;
  test::setParams(g, {{Param::CardCount, 52}});
  g.history.foundationOneIsSelection = true;
  g.table.appendCard(PileId::foundation(0), 7, true);
  EXPECT_EQ(scoreOf(g), -52);
}

}  // namespace
}  // namespace kes
