// Spider and Spiderette played through the command driver on fixed deals.
// The cards named below are where these deals put them.

#include <gtest/gtest.h>

#include "game_play.h"

namespace kes::cli {
namespace {

constexpr int kSpider = 4;
constexpr int kSpiderette = 17;

std::string fila(int n) { return "Fila" + std::to_string(n); }

// The cards of one suit from the King down to the rank given.
std::vector<std::string> kingDownTo(int lowestRank, const std::string& suit) {
  static const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  std::vector<std::string> cards;
  for (int r = 13; r >= lowestRank; --r) cards.push_back(ranks[r - 1] + suit);
  return cards;
}

// Deal 1: Fila1 ... JC'; Fila2 ... AC' 7D'; Fila3 ... 9S 10C 6C (9S face
// down); Fila6 ... 8S'; Fila8 ... JS; Fila10 ... 6S 7S.
TEST(Spider, DealsTenPilesWithTheTopCardUpAndFiftyCardsToTheStock) {
  GamePlay play(kSpider, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(t.size(fila(i)), i <= 4 ? 6 : 5);
    EXPECT_EQ(t.faceUpCount(fila(i)), 1);
  }
  EXPECT_EQ(t.size("Mazzo"), 50);
  EXPECT_EQ(t.faceUpCount("Mazzo"), 0);
  EXPECT_EQ(t.size("Mazzo_Vis"), 0);
  EXPECT_EQ(t.score, -104);
}

TEST(Spider, BuildsDownRegardlessOfSuitButLiftsOnlyRunsOfOneSuit) {
  GamePlay play(kSpider, 1);
  EXPECT_EQ(play.move("6C", "Fila2"), "ok");       // club on diamond
  EXPECT_EQ(play.move("7D'", "Fila6"), "refused");  // 7D' fits on 8S', but 6C on it is a club
  EXPECT_EQ(play.move("7S", "Fila6"), "ok");
  EXPECT_EQ(play.move("6S", "Fila2"), "refused");  // 6S on 6C
  EXPECT_EQ(play.move("10C", "Fila8"), "ok");
  ShownTable t = play.table();
  EXPECT_EQ(t.top("Fila3"), card("9S"));
  EXPECT_TRUE(t.pile("Fila3").back().faceUp);
  // A spade run of both packs moves as a unit.
  EXPECT_EQ(play.move("8S'", "Fila3"), "ok");
  t = play.table();
  EXPECT_EQ(t.size("Fila3"), 6);
  EXPECT_EQ(t.top("Fila3"), card("7S"));
  EXPECT_EQ(t.size("Fila6"), 4);
}

TEST(Spider, AStockPressDealsACardToEveryPileButNotWhileAPileIsEmpty) {
  GamePlay play(kSpider, 1);
  play.arrange("Fila5", {});
  EXPECT_EQ(play.run("stock"), "refused");
  EXPECT_EQ(play.takeMessages(), std::vector<std::string>{"message: Before deal, fill any gaps in the tableau"});
  EXPECT_EQ(play.move("JS", "Fila5"), "ok");  // any card fills a space
  const ShownTable before = play.table();
  EXPECT_EQ(play.run("stock"), "ok");
  const ShownTable after = play.table();
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(after.size(fila(i)), before.size(fila(i)) + 1) << i;
    EXPECT_TRUE(after.pile(fila(i)).back().faceUp) << i;
  }
  EXPECT_EQ(after.size("Mazzo"), before.size("Mazzo") - 10);
}

TEST(Spider, ACompleteRunOfOneSuitLeavesForAFoundationAtOnceAndUndoBringsItBack) {
  GamePlay play(kSpider, 1);
  play.arrange("Fila1", kingDownTo(2, "S"));
  play.arrange("Fila2", {"AS"});
  play.arrange("Fila3", kingDownTo(2, "H"));
  play.arrange("Fila4", {"AD"});
  EXPECT_EQ(play.move("AD", "Dest1"), "refused");  // nothing is dropped on a foundation
  EXPECT_EQ(play.move("AS", "Fila1"), "ok");
  ShownTable t = play.table();
  EXPECT_EQ(t.size("Fila1"), 0);
  ASSERT_EQ(t.size("Dest1"), 13);
  EXPECT_EQ(t.top("Dest1"), card("KS"));
  EXPECT_EQ(t.score, -104 + 13 * 5);
  // King to Ace of mixed suits stays.
  EXPECT_EQ(play.move("AD", "Fila3"), "ok");
  t = play.table();
  EXPECT_EQ(t.size("Fila3"), 13);
  EXPECT_EQ(t.size("Dest2"), 0);

  EXPECT_EQ(play.run("undo"), "ok");
  EXPECT_EQ(play.run("undo"), "ok");
  t = play.table();
  EXPECT_EQ(t.size("Fila1"), 12);
  EXPECT_EQ(t.codes("Fila2"), std::vector<int>{card("AS")});
  EXPECT_EQ(t.size("Dest1"), 0);
}

// Deal 7: Fila1 7H, Fila2 8S over a face-down card, Fila4 QC on top.
TEST(Spiderette, ASpaceStopsTheStockAndTheLastPressDealsThreeCards) {
  GamePlay play(kSpiderette, 7);
  ASSERT_EQ(play.startError(), "");
  ShownTable t = play.table();
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(t.size(fila(i)), i);
  EXPECT_EQ(t.size("Mazzo"), 24);
  EXPECT_EQ(t.size("Dest4"), 0);

  EXPECT_EQ(play.move("7H", "Fila2"), "ok");
  EXPECT_EQ(play.run("stock"), "refused");
  EXPECT_EQ(play.takeMessages(), std::vector<std::string>{"message: Before deal, fill any gaps in the tableau"});
  EXPECT_EQ(play.move("QC", "Fila1"), "ok");
  for (int press = 1; press <= 3; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  const ShownTable before = play.table();
  ASSERT_EQ(before.size("Mazzo"), 3);
  EXPECT_EQ(play.run("stock"), "ok");
  t = play.table();
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(t.size(fila(i)), before.size(fila(i)) + (i <= 3 ? 1 : 0)) << i;
  EXPECT_EQ(t.size("Mazzo"), 0);
  EXPECT_EQ(play.run("stock"), "refused");
}

TEST(Spiderette, ACompleteRunOfOneSuitLeavesForTheFirstEmptyFoundation) {
  GamePlay play(kSpiderette, 7);
  std::vector<std::string> removed = kingDownTo(1, "C");
  play.arrange("Dest1", {removed.rbegin(), removed.rend()});  // one run already removed, Ace first
  play.arrange("Fila5", kingDownTo(2, "D"));
  play.arrange("Fila6", {"AD"});
  EXPECT_EQ(play.move("AD", "Fila5"), "ok");
  const ShownTable t = play.table();
  EXPECT_EQ(t.size("Fila5"), 0);
  EXPECT_EQ(t.size("Dest2"), 13);
  EXPECT_EQ(t.top("Dest2"), card("KD"));
}

}  // namespace
}  // namespace kes::cli
