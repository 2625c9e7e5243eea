// Golf, Pyramid, Monte Carlo, Poker Square and Calculation played through the
// command driver on fixed deals. The cards named below are where these deals
// put them.

#include <gtest/gtest.h>

#include "game_play.h"

namespace kes::cli {
namespace {

constexpr int kGolf = 12;
constexpr int kPyramid = 13;
constexpr int kMonteCarlo = 14;
constexpr int kPokerSquare = 15;
constexpr int kCalculation = 16;

std::string fila(int n) { return "Fila" + std::to_string(n); }

// Deal 3: the discard pile starts with AC; the exposed cards are 9S, 4C, AD,
// 9H, QC, 2S, 10C; the stock deals QD, then KC.
TEST(Golf, DealsSevenPilesOfFiveAndOneCardToTheDiscardPile) {
  GamePlay play(kGolf, 3);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(t.size(fila(i)), 5);
    EXPECT_EQ(t.faceUpCount(fila(i)), 5);
  }
  EXPECT_EQ(t.codes("Mazzo_Waste"), std::vector<int>{card("AC")});
  EXPECT_EQ(t.size("Mazzo"), 16);
  EXPECT_EQ(t.score, -47);
}

TEST(Golf, AClickSendsAnExposedCardOneRankAwayWithoutTurningTheCorner) {
  GamePlay play(kGolf, 3);
  EXPECT_EQ(play.click("9S"), "refused");
  EXPECT_EQ(play.click("AD"), "refused");  // same rank
  EXPECT_EQ(play.click("2C"), "refused");  // one above the Ace, but covered
  EXPECT_EQ(play.click("2S"), "ok");
  EXPECT_EQ(play.table().top("Mazzo_Waste"), card("2S"));
  EXPECT_EQ(play.table().score, -42);
}

TEST(Golf, TheStockDealsOntoTheDiscardPileAndAKingTakesNoAce) {
  GamePlay play(kGolf, 3);
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.table().top("Mazzo_Waste"), card("KC"));
  EXPECT_EQ(play.click("AD"), "refused");
  EXPECT_EQ(play.click("QC"), "ok");
  for (int press = 3; press <= 16; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  const ShownTable t = play.table();
  EXPECT_EQ(t.size("Mazzo"), 0);
  EXPECT_EQ(t.size("Mazzo_Waste"), 18);
  EXPECT_EQ(play.run("stock"), "refused");  // one pass
}

// Deal 1: the bottom row is 3C 8S 5C 7D JS 10C AH; row 6 ends 2C 8H; the
// stock turns 6C, QH, 10H, 9S, 4C, 7S, AC, KD, ... with its top card showing.
TEST(Pyramid, DealsSevenRowsAndAStockWhoseTopCardShows) {
  GamePlay play(kPyramid, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(t.size(fila(i)), i);
    EXPECT_EQ(t.faceUpCount(fila(i)), i);
  }
  EXPECT_EQ(t.size("Mazzo"), 24);
  EXPECT_TRUE(t.pile("Mazzo").back().faceUp);
}

TEST(Pyramid, FreeCardsTotallingThirteenLeaveInPairsAndACoveredCardTakesNoPart) {
  GamePlay play(kPyramid, 1);
  EXPECT_EQ(play.click("8H"), "refused");  // covered by 10C and JS
  EXPECT_EQ(play.click("8S"), "ok");
  EXPECT_EQ(play.click("5C"), "ok");
  ShownTable t = play.table();
  EXPECT_EQ(t.codes("Mazzo_Waste"), (std::vector<int>{card("8S"), card("5C")}));
  EXPECT_EQ(t.codes("Fila7"), (std::vector<int>{card("3C"), 0, 0, card("7D"), card("JS"), card("10C"), card("AH")}));
  EXPECT_EQ(t.size("Dest1"), 0);

  // A pair that does not total 13 stays selected; a third card is refused.
  EXPECT_EQ(play.click("3C"), "ok");
  EXPECT_EQ(play.click("JS"), "ok");
  EXPECT_EQ(play.click("10C"), "refused");
  EXPECT_EQ(play.click("JS"), "ok");  // taken out again
  EXPECT_EQ(play.click("10C"), "ok");
  t = play.table();
  EXPECT_EQ(t.size("Mazzo_Waste"), 4);
  EXPECT_EQ(t.size("Dest1"), 0);
  EXPECT_EQ(t.score, -32);
}

TEST(Pyramid, TheWasteAndTheStockTopCardsPairWithFreeCardsAndAKingGoesAlone) {
  GamePlay play(kPyramid, 1);
  EXPECT_EQ(play.run("stock"), "ok");  // 6C to the waste
  EXPECT_EQ(play.click("7D"), "ok");
  EXPECT_EQ(play.click("6C"), "ok");
  EXPECT_EQ(play.click("AH"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");  // selects the stock's QH: 1 + 12
  ShownTable t = play.table();
  EXPECT_EQ(t.codes("Mazzo_Waste"), (std::vector<int>{card("7D"), card("6C"), card("AH"), card("QH")}));
  EXPECT_EQ(t.size("Mazzo"), 22);
  EXPECT_EQ(t.size("Dest1"), 0);

  for (int press = 1; press <= 6; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  ASSERT_EQ(play.table().top("Mazzo_Vis"), card("KD"));
  EXPECT_EQ(play.click("KD"), "ok");
  t = play.table();
  EXPECT_EQ(t.top("Mazzo_Waste"), card("KD"));
  EXPECT_EQ(t.size("Dest1"), 0);
}

TEST(Pyramid, TheStockIsGoneThroughThreeTimes) {
  GamePlay play(kPyramid, 1);
  for (int press = 1; press <= 24; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  EXPECT_EQ(play.table().size("Mazzo"), 0);
  for (int pass = 2; pass <= 3; ++pass) {
    EXPECT_EQ(play.run("stock"), "ok");  // turned over, its top card turned at once
    const ShownTable t = play.table();
    EXPECT_EQ(t.pass, pass);
    EXPECT_EQ(t.size("Mazzo"), 23);
    EXPECT_EQ(t.faceUpCount("Mazzo"), 23);
    for (int press = 1; press <= 23; ++press) ASSERT_EQ(play.run("stock"), "ok") << pass << "/" << press;
  }
  EXPECT_EQ(play.run("stock"), "refused");
}

// Deal 1, rows of five: 3H 3S 5H AD 5S / 4D KH 7C 9H 6D / 10D KS 9D JC QC /
// QS 2C 8H 3C 8S / 5C 7D JS 10C AH.
TEST(MonteCarlo, NeighboursOfEqualRankLeaveAndTheStockClosesTheGaps) {
  GamePlay play(kMonteCarlo, 1);
  ASSERT_EQ(play.startError(), "");
  ShownTable t = play.table();
  for (int i = 1; i <= 25; ++i) EXPECT_EQ(t.size(fila(i)), 1);
  EXPECT_EQ(t.size("Mazzo"), 27);

  EXPECT_EQ(play.click("3H"), "ok");
  EXPECT_EQ(play.click("3S"), "ok");  // side by side
  EXPECT_EQ(play.click("5H"), "ok");
  EXPECT_EQ(play.click("5S"), "refused");  // two cells apart
  EXPECT_EQ(play.click("5H"), "ok");       // taken out again
  EXPECT_EQ(play.click("9H"), "ok");
  EXPECT_EQ(play.click("9D"), "ok");  // diagonal
  t = play.table();
  EXPECT_EQ(t.codes("Mazzo_Waste"), (std::vector<int>{card("3H"), card("3S"), card("9H"), card("9D")}));
  EXPECT_EQ(t.size("Fila1"), 0);
  EXPECT_EQ(t.size("Fila9"), 0);
  EXPECT_EQ(t.size("Dest1"), 0);

  EXPECT_EQ(play.run("stock"), "ok");
  t = play.table();
  EXPECT_EQ(t.codes("Fila1"), std::vector<int>{card("5H")});
  EXPECT_EQ(t.codes("Fila7"), std::vector<int>{card("6D")});  // 9H's gap closed
  EXPECT_EQ(t.codes("Fila20"), std::vector<int>{card("10C")});
  for (int i = 1; i <= 25; ++i) EXPECT_EQ(t.size(fila(i)), 1) << i;
  EXPECT_EQ(t.size("Mazzo"), 23);
  EXPECT_EQ(play.run("stock"), "refused");  // no gap
}

// Deal 1: the stock turns AH, 10C, JS, 7D, 5C, 8S, 3C, 8H, 2C, QS, QC, JC, 9D,
// KS, 10D, 6D, 9H, 7C, KH, 4D, 5S, AD, 5H, 3S, 3H, ...
TEST(PokerSquare, EachCardGoesIntoAnEmptyCellAndStaysThere) {
  GamePlay play(kPokerSquare, 1);
  ASSERT_EQ(play.startError(), "");
  EXPECT_EQ(play.table().size("Mazzo"), 52);
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.run("stock"), "refused");  // the turned card must be placed first
  EXPECT_EQ(play.move("AH", "Fila1"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.move("10C", "Fila1"), "refused");
  EXPECT_EQ(play.move("10C", "Fila2"), "ok");
  EXPECT_EQ(play.move("AH", "Fila3"), "refused");  // a placed card stays
  EXPECT_EQ(play.table().codes("Fila1"), std::vector<int>{card("AH")});
}

TEST(PokerSquare, RowsAndColumnsScoreAsPokerHandsAndAFullSquareEndsTheGame) {
  GamePlay play(kPokerSquare, 1);
  // Cards 1-4 to the first row, 5-11 to cells 6-12, the twelfth (JC) ends the
  // first row with a pair of Jacks, the rest fill the square in order.
  auto place = [&](int cellNumber) {
    ASSERT_EQ(play.run("stock"), "ok");
    const int turned = play.table().top("Mazzo_Vis");
    ASSERT_EQ(play.run("move " + std::to_string(turned) + " " + fila(cellNumber)), "ok") << cellNumber;
  };
  for (int c = 1; c <= 4; ++c) place(c);
  for (int c = 6; c <= 12; ++c) place(c);
  EXPECT_EQ(play.table().score, 2);  // the second row, full, has a pair of Eights
  place(5);
  EXPECT_EQ(play.table().score, 4);
  for (int c = 13; c <= 24; ++c) place(c);
  EXPECT_EQ(play.table().state, "playing");
  place(25);
  // Rows: pair, pair, pair, nothing, two pair; columns: pair, -, -, pair, -.
  const ShownTable t = play.table();
  EXPECT_EQ(t.score, 2 + 2 + 2 + 0 + 5 + 2 + 0 + 0 + 2 + 0);
  EXPECT_EQ(t.state, "lost");
}

// The score is the grid's: it follows undo, redo and restart, and a grid
// given up with a stale score is not a win.
TEST(PokerSquare, TheScoreFollowsTheGridThroughUndoRedoAndRestart) {
  GamePlay play(kPokerSquare, 1);
  auto place = [&](int cellNumber) {
    ASSERT_EQ(play.run("stock"), "ok");
    const int turned = play.table().top("Mazzo_Vis");
    ASSERT_EQ(play.run("move " + std::to_string(turned) + " " + fila(cellNumber)), "ok") << cellNumber;
  };
  for (int c = 1; c <= 4; ++c) place(c);
  for (int c = 6; c <= 12; ++c) place(c);
  place(5);
  ASSERT_EQ(play.table().score, 4);
  EXPECT_EQ(play.run("undo"), "ok");  // the first row is no longer full
  EXPECT_EQ(play.table().score, 2);
  EXPECT_EQ(play.run("redo"), "ok");
  EXPECT_EQ(play.table().score, 4);
  EXPECT_EQ(play.run("restart"), "ok");
  EXPECT_EQ(play.table().score, 0);
  EXPECT_EQ(play.table().state, "playing");
  play.driver().session().endGame();  // abandoned after the restart
  EXPECT_EQ(play.table().state, "lost");
}

// Deal 1: the foundations start AS, 2D, 3D, 4H; the stock turns AH, 10C, JS,
// 7D, 5C, 8S, 3C, 8H, 2C, ...
TEST(Calculation, TheFirstAceTwoThreeAndFourStartTheFoundations) {
  GamePlay play(kCalculation, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("AS")});
  EXPECT_EQ(t.codes("Dest2"), std::vector<int>{card("2D")});
  EXPECT_EQ(t.codes("Dest3"), std::vector<int>{card("3D")});
  EXPECT_EQ(t.codes("Dest4"), std::vector<int>{card("4H")});
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(t.size(fila(i)), 0);
  EXPECT_EQ(t.size("Mazzo"), 48);
  EXPECT_EQ(t.score, -32);
}

TEST(Calculation, FoundationsCountByOneToFourAndWastePilesPlayOnlyToThem) {
  GamePlay play(kCalculation, 1);
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.move("AH", "Dest1"), "refused");  // the first foundation needs a Two
  EXPECT_EQ(play.run("stock"), "refused");         // the turned card must be placed first
  EXPECT_EQ(play.move("AH", "Fila1"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.move("AH", "Fila2"), "refused");  // never from one waste pile to another
  EXPECT_EQ(play.move("10C", "Fila1"), "ok");      // any card on a waste pile
  for (const auto& [c, pile] : std::vector<std::pair<std::string, std::string>>{
           {"JS", "Fila2"}, {"7D", "Fila2"}, {"5C", "Fila3"}, {"8S", "Dest4"}, {"3C", "Fila3"}, {"8H", "Fila4"}}) {
    ASSERT_EQ(play.run("stock"), "ok");
    ASSERT_EQ(play.move(c, pile), "ok") << c << " to " << pile;
  }
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.move("2C", "Dest1"), "ok");  // regardless of suit
  EXPECT_EQ(play.move("3C", "Dest1"), "ok");  // from a waste pile's top
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), (std::vector<int>{card("AS"), card("2C"), card("3C")}));
  EXPECT_EQ(t.codes("Dest4"), (std::vector<int>{card("4H"), card("8S")}));
  EXPECT_EQ(t.codes("Fila3"), std::vector<int>{card("5C")});
}

TEST(Calculation, AutoplayPlaysATurnedCardThatAFoundationTakes) {
  GamePlay play(kCalculation, 1, {.autoplay = true});
  for (const auto& [c, pile] : std::vector<std::pair<std::string, std::string>>{
           {"AH", "Fila1"}, {"10C", "Fila1"}, {"JS", "Fila2"}, {"7D", "Fila2"}, {"5C", "Fila3"}}) {
    ASSERT_EQ(play.run("stock"), "ok");
    ASSERT_EQ(play.move(c, pile), "ok") << c << " to " << pile;
  }
  EXPECT_EQ(play.run("stock"), "ok");
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest4"), (std::vector<int>{card("4H"), card("8S")}));
  EXPECT_EQ(t.size("Mazzo_Vis"), 0);
}

}  // namespace
}  // namespace kes::cli
