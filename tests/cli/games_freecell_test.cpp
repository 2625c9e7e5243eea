// FreeCell, Baker's Game, Eight Off and Seahaven Towers played through the
// command driver on fixed deals. The cards named below are where these deals
// put them.

#include <gtest/gtest.h>

#include "game_play.h"

namespace kes::cli {
namespace {

constexpr int kFreeCell = 1;
constexpr int kBakersGame = 18;
constexpr int kEightOff = 19;
constexpr int kSeahaven = 20;

std::string fila(int n) { return "Fila" + std::to_string(n); }
std::string cell(int n) { return "Appogg" + std::to_string(n); }

// Deal 1: Fila1 ... 6H 3D; Fila2 ... 10S JH; Fila3 ... 4C 9S; Fila4 ... 2H 2S
// 3H; Fila6 ... KS 9D; Fila7 ... 2C 8H 3C; Fila8 8S 5C 7D JS 10C AH.
TEST(FreeCell, DealsTheWholePackFaceUpIntoEightPiles) {
  GamePlay play(kFreeCell, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(t.size(fila(i)), i <= 4 ? 7 : 6);
    EXPECT_EQ(t.faceUpCount(fila(i)), t.size(fila(i)));
  }
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(t.size(cell(i)), 0);
  EXPECT_EQ(t.size("Mazzo"), 0);
}

TEST(FreeCell, ACellHoldsOneCardAndADoubleClickUsesTheFirstFreeOne) {
  GamePlay play(kFreeCell, 1);
  EXPECT_EQ(play.move("3D", "Appogg1"), "ok");
  EXPECT_EQ(play.move("9S", "Appogg1"), "refused");
  EXPECT_EQ(play.doubleClick("9S"), "ok");  // no foundation takes it
  EXPECT_EQ(play.doubleClick("AH"), "ok");
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Appogg1"), std::vector<int>{card("3D")});
  EXPECT_EQ(t.codes("Appogg2"), std::vector<int>{card("9S")});
  EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("AH")});
  // A card in a cell plays back to the piles.
  EXPECT_EQ(play.move("3D", "Fila3"), "ok");  // red 3 on black 4
}

TEST(FreeCell, BuildsDownInAlternateColoursAndLiftsOnlyRunsThatDoSo) {
  GamePlay play(kFreeCell, 1);
  EXPECT_EQ(play.move("AH", "Dest1"), "ok");
  EXPECT_EQ(play.move("9S", "Fila8"), "refused");  // black 9 on black 10
  EXPECT_EQ(play.move("10C", "Fila2"), "ok");
  EXPECT_EQ(play.move("9D", "Fila2"), "ok");
  // 8H fits on 9S, but 3C lies on it out of sequence.
  EXPECT_EQ(play.move("8H", "Fila3"), "refused");
  EXPECT_EQ(play.move("3C", "Appogg1"), "ok");
  EXPECT_EQ(play.move("8H", "Fila3"), "ok");
}

// Fila8 emptied, three cells in use: one free cell and one empty pile.
void emptyTheLastPileLeavingOneFreeCell(GamePlay& play) {
  for (const auto& [c, pile] : std::vector<std::pair<std::string, std::string>>{
           {"AH", "Dest1"}, {"10C", "Fila2"}, {"JS", "Appogg1"}, {"7D", "Appogg2"}, {"5C", "Appogg3"},
           {"8S", "Fila6"}, {"7D", "Fila6"}, {"3H", "Appogg2"}})
    ASSERT_EQ(play.move(c, pile), "ok") << c << " to " << pile;
}

// Cards moved together: (free cells + 1) doubled for every empty pile, the
// pile moved onto not counted.
TEST(FreeCell, ARunMovesAsFarAsFreeCellsAndEmptyPilesAllow) {
  GamePlay play(kFreeCell, 1);
  emptyTheLastPileLeavingOneFreeCell(play);
  const ShownTable t = play.table();
  ASSERT_EQ(t.size("Fila8"), 0);
  ASSERT_EQ(t.size("Appogg4"), 0);
  // Fila6 ends 9D 8S 7D; Fila2 ends 10C.
  EXPECT_EQ(play.move("9D", "Fila8"), "refused");  // 3 cards into the empty pile: at most 2
  EXPECT_EQ(play.move("8S", "Fila8"), "ok");
  EXPECT_EQ(play.run("undo"), "ok");
  EXPECT_EQ(play.move("9D", "Fila2"), "ok");  // 3 cards onto a card: at most 3
  EXPECT_EQ(play.table().size("Fila6"), 5);

  // Without the empty pile one free cell moves two cards, not three.
  EXPECT_EQ(play.run("undo"), "ok");
  EXPECT_EQ(play.move("3D", "Fila8"), "ok");  // any card fills an empty pile
  EXPECT_EQ(play.move("9D", "Fila2"), "refused");
}

// One free cell and one empty pile move four cards onto a card, not five,
// and two into the empty pile, not three.
TEST(FreeCell, OneFreeCellAndOneEmptyPileMoveFourCards) {
  GamePlay play(kFreeCell, 1);
  play.arrange("Fila1", {"9S", "8H", "7C", "6D", "5S"});
  play.arrange("Fila2", {"10H"});
  play.arrange("Fila3", {"9C"});
  play.arrange("Fila8", {});
  play.arrange("Appogg1", {"KS"});
  play.arrange("Appogg2", {"KH"});
  play.arrange("Appogg3", {"KD"});
  ASSERT_EQ(play.table().size("Appogg4"), 0);
  EXPECT_EQ(play.move("9S", "Fila2"), "refused");  // five cards
  EXPECT_EQ(play.move("8H", "Fila3"), "ok");       // four cards
  EXPECT_EQ(play.table().codes("Fila3"), (std::vector<int>{card("9C"), card("8H"), card("7C"), card("6D"), card("5S")}));
  EXPECT_EQ(play.move("7C", "Fila8"), "refused");  // three cards into the empty pile
  EXPECT_EQ(play.move("6D", "Fila8"), "ok");       // two
}

TEST(FreeCell, AutoplayPlaysAcesAndWhatFollowsFromTheCellsToo) {
  GamePlay play(kFreeCell, 1, {.autoplay = true});
  EXPECT_EQ(play.table().codes("Dest1"), std::vector<int>{card("AH")});
  EXPECT_EQ(play.move("3H", "Appogg1"), "ok");
  EXPECT_EQ(play.move("2S", "Appogg2"), "ok");  // frees 2H: 2H, then 3H from its cell
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), (std::vector<int>{card("AH"), card("2H"), card("3H")}));
  EXPECT_EQ(t.size("Appogg1"), 0);
  EXPECT_EQ(t.codes("Appogg2"), std::vector<int>{card("2S")});
}

// Deal 11: Fila1 ... 2S KC; Fila2 ... 8C 7C 6C 9S; Fila3 ... 6H 4D; Fila4 ...
// 2C 2H; Fila5 ... AS 5H 4S; Fila6 ... 9D QH; Fila8 ... JH 9C.
TEST(BakersGame, BuildsDownInSuitAndLiftsOnlyRunsInSuit) {
  GamePlay play(kBakersGame, 11);
  ASSERT_EQ(play.startError(), "");
  EXPECT_EQ(play.move("QH", "Fila1"), "refused");  // alternate colours are not enough
  EXPECT_EQ(play.move("9S", "Appogg1"), "ok");
  EXPECT_EQ(play.move("4D", "Appogg2"), "ok");
  EXPECT_EQ(play.move("2H", "Appogg3"), "ok");
  // One free cell, no empty pile: two cards at a time, not 8C 7C 6C.
  EXPECT_EQ(play.move("8C", "Fila8"), "refused");
  // 5H fits on 6H, but 4S on it is of another suit.
  EXPECT_EQ(play.move("5H", "Fila3"), "refused");
  EXPECT_EQ(play.run("undo"), "ok");  // 2H back: two free cells, three cards
  EXPECT_EQ(play.move("8C", "Fila8"), "ok");
  EXPECT_EQ(play.move("4S", "Appogg3"), "ok");
  EXPECT_EQ(play.move("5H", "Fila3"), "ok");
  const ShownTable t = play.table();
  EXPECT_EQ(t.top("Fila8"), card("6C"));
  EXPECT_EQ(t.top("Fila3"), card("5H"));
}

// Deal 1: cells 1, 3, 5, 7 hold 7D, JS, 10C, AH; Fila1 ... 2D 6H; Fila2 ...
// 8C 7H; Fila3 ... KD AC; Fila5 ... 3H 3S 5H; Fila6 ... KH 7C 9H; Fila7 ...
// JC QC; Fila8 ... 8S 5C.
TEST(EightOff, DealsEightPilesOfSixAndACardToEverySecondCell) {
  GamePlay play(kEightOff, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(t.size(fila(i)), 6);
    EXPECT_EQ(t.faceUpCount(fila(i)), 6);
    EXPECT_EQ(t.size(cell(i)), i % 2);
    EXPECT_EQ(t.faceUpCount(cell(i)), i % 2);
  }
}

TEST(EightOff, BuildsInSuitAndMovesOneCardMoreThanTheFreeCells) {
  GamePlay play(kEightOff, 1);
  EXPECT_EQ(play.move("5H", "Fila1"), "ok");
  EXPECT_EQ(play.doubleClick("QC"), "ok");  // the first free cell
  EXPECT_EQ(play.table().codes("Appogg2"), std::vector<int>{card("QC")});
  EXPECT_EQ(play.move("9H", "Appogg4"), "ok");
  EXPECT_EQ(play.move("3S", "Appogg6"), "ok");
  EXPECT_EQ(play.move("6H", "Fila2"), "ok");  // 6H 5H onto 7H with one free cell
  EXPECT_EQ(play.run("undo"), "ok");
  EXPECT_EQ(play.move("5C", "Appogg8"), "ok");
  EXPECT_EQ(play.move("6H", "Fila2"), "refused");  // no free cell: one card
}

TEST(EightOff, OnlyAKingFillsAnEmptyPile) {
  GamePlay play(kEightOff, 1);
  for (const auto& [c, pile] : std::vector<std::pair<std::string, std::string>>{
           {"6H", "Fila2"}, {"2D", "Appogg2"}, {"KC", "Appogg4"}, {"4S", "Appogg6"}, {"4H", "Fila5"}, {"AS", "Dest1"}})
    ASSERT_EQ(play.move(c, pile), "ok") << c << " to " << pile;
  ASSERT_EQ(play.table().size("Fila1"), 0);
  EXPECT_EQ(play.move("QC", "Fila1"), "refused");
  EXPECT_EQ(play.move("KC", "Fila1"), "ok");
}

// Deal 1: cells 2 and 3 hold 10C and AH; Fila2 ... 9C; Fila3 10S JH QD; Fila8
// ... KS 9D; Fila9 ... 8H; Fila10 ... JS.
TEST(SeahavenTowers, DealsTenPilesOfFiveAndTheLastTwoCardsToTheMiddleCells) {
  GamePlay play(kSeahaven, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(t.size(fila(i)), 5);
    EXPECT_EQ(t.faceUpCount(fila(i)), 5);
  }
  EXPECT_EQ(t.size("Appogg1"), 0);
  EXPECT_EQ(t.codes("Appogg2"), std::vector<int>{card("10C")});
  EXPECT_EQ(t.codes("Appogg3"), std::vector<int>{card("AH")});
  EXPECT_EQ(t.size("Appogg4"), 0);
}

TEST(SeahavenTowers, BuildsInSuitAndOnlyAKingFillsAnEmptyPile) {
  GamePlay play(kSeahaven, 1);
  EXPECT_EQ(play.move("QD", "Appogg1"), "ok");
  EXPECT_EQ(play.move("JH", "Appogg4"), "ok");
  EXPECT_EQ(play.move("10S", "Fila9"), "refused");  // 10S on 8H
  EXPECT_EQ(play.move("10S", "Fila10"), "ok");
  EXPECT_EQ(play.move("8C", "Fila10"), "refused");  // 8C on 10S
  EXPECT_EQ(play.move("7H", "Fila9"), "ok");
  EXPECT_EQ(play.move("8C", "Fila2"), "ok");
  ASSERT_EQ(play.table().size("Fila3"), 0);
  EXPECT_EQ(play.move("QD", "Fila3"), "refused");
  EXPECT_EQ(play.move("AH", "Dest1"), "ok");
  EXPECT_EQ(play.move("9D", "Appogg3"), "ok");
  EXPECT_EQ(play.move("KS", "Fila3"), "ok");
}

}  // namespace
}  // namespace kes::cli
