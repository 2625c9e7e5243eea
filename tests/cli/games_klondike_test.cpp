// Klondike, Klondike (3 cards) and Yukon played through the command driver
// on fixed deals. The cards named below are where these deals put them.

#include <gtest/gtest.h>

#include "game_play.h"

namespace kes::cli {
namespace {

constexpr int kKlondike = 2;
constexpr int kKlondikeThree = 3;
constexpr int kYukon = 11;

std::string fila(int n) { return "Fila" + std::to_string(n); }

// Deal 7: Fila1 7H, Fila2 8S, Fila4 QC over three face-down cards (3H under
// it), Fila7 AC; the stock turns 5D, KD, 10H, 9S, 3D, 6S, ...
TEST(Klondike, DealsSevenPilesOfOneToSevenCardsWithOnlyTheTopCardUp) {
  GamePlay play(kKlondike, 7);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(t.size(fila(i)), i);
    EXPECT_EQ(t.faceUpCount(fila(i)), 1);
    EXPECT_TRUE(t.pile(fila(i)).back().faceUp);
  }
  EXPECT_EQ(t.size("Mazzo"), 24);
  EXPECT_EQ(t.faceUpCount("Mazzo"), 0);
  EXPECT_EQ(t.size("Mazzo_Vis"), 0);
  EXPECT_EQ(t.score, -52);
  EXPECT_EQ(t.pass, 1);
}

TEST(Klondike, BuildsDownInAlternateColoursAndOnlyAKingFillsASpace) {
  GamePlay play(kKlondike, 7);
  EXPECT_EQ(play.move("7C", "Fila2"), "refused");  // black on black
  EXPECT_EQ(play.move("7H", "Fila2"), "ok");
  EXPECT_EQ(play.table().size("Fila1"), 0);
  EXPECT_EQ(play.move("QC", "Fila1"), "refused");  // a Queen never fills a space

  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.table().top("Mazzo_Vis"), card("KD"));
  EXPECT_EQ(play.move("KD", "Fila7"), "refused");  // nothing goes on an Ace
  EXPECT_EQ(play.move("KD", "Fila1"), "ok");
  EXPECT_EQ(play.move("QC", "Fila1"), "ok");
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Fila1"), (std::vector<int>{card("KD"), card("QC")}));
  // The card QC covered comes clear and is turned up.
  EXPECT_EQ(t.top("Fila4"), card("3H"));
  EXPECT_TRUE(t.pile("Fila4").back().faceUp);
}

TEST(Klondike, NothingIsBuiltOnTheWaste) {
  GamePlay play(kKlondike, 7);
  EXPECT_EQ(play.move("7H", "Fila2"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  // QC would fit on the waste's KD, but nothing is built on the waste.
  EXPECT_EQ(play.move("QC", "Mazzo_Vis"), "refused");
  EXPECT_EQ(play.move("KD", "Fila1"), "ok");
  EXPECT_EQ(play.table().top("Mazzo_Vis"), card("5D"));
}

TEST(Klondike, AFaceDownTopWaitsForAPressWhenAutomaticTurningIsOff) {
  GamePlay play(kKlondike, 7, {.autoplay = false, .automaticFaceUp = false});
  EXPECT_EQ(play.move("7H", "Fila2"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.move("KD", "Fila1"), "ok");
  EXPECT_EQ(play.move("QC", "Fila1"), "ok");
  EXPECT_FALSE(play.table().pile("Fila4").back().faceUp);
  // A press on it turns it up and lifts nothing.
  EXPECT_EQ(play.click("3H"), "ok");
  const ShownTable t = play.table();
  EXPECT_TRUE(t.pile("Fila4").back().faceUp);
  EXPECT_EQ(t.size("Fila4"), 3);
}

TEST(Klondike, TheStockTurnsOneCardAndTheWasteIsTurnedOverWithoutLimit) {
  GamePlay play(kKlondike, 7);
  for (int press = 1; press <= 24; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  ShownTable t = play.table();
  EXPECT_EQ(t.size("Mazzo"), 0);
  EXPECT_EQ(t.size("Mazzo_Vis"), 24);
  EXPECT_EQ(t.codes("Mazzo_Vis").front(), card("5D"));
  for (int pass = 2; pass <= 4; ++pass) {
    // The press on the empty stock turns the waste over and turns the first card again.
    EXPECT_EQ(play.run("stock"), "ok");
    t = play.table();
    EXPECT_EQ(t.pass, pass);
    EXPECT_EQ(t.size("Mazzo"), 23);
    EXPECT_EQ(t.faceUpCount("Mazzo"), 0);
    EXPECT_EQ(t.codes("Mazzo_Vis"), std::vector<int>{card("5D")});
    for (int press = 1; press <= 23; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  }
  EXPECT_EQ(play.run("undo"), "ok");
  EXPECT_EQ(play.table().size("Mazzo"), 1);
}

TEST(Klondike, AutoplayPlaysAnExposedAceAtTheDealAndADoubleClickSendsItWithoutAutoplay) {
  GamePlay autoplaying(kKlondike, 7, {.autoplay = true});
  ShownTable t = autoplaying.table();
  EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("AC")});
  EXPECT_EQ(t.size("Fila7"), 6);
  EXPECT_TRUE(t.pile("Fila7").back().faceUp);
  EXPECT_EQ(t.score, -47);

  GamePlay play(kKlondike, 7);
  EXPECT_EQ(play.table().size("Dest1"), 0);
  EXPECT_EQ(play.doubleClick("QC"), "refused");
  EXPECT_EQ(play.doubleClick("AC"), "ok");
  EXPECT_EQ(play.table().codes("Dest1"), std::vector<int>{card("AC")});
}

// As the usual rules allow, a card on a foundation may be played back onto
// the piles, in both Klondikes.
TEST(Klondike, AFoundationCardMayBePlayedBackOntoThePiles) {
  for (int game : {kKlondike, kKlondikeThree}) {
    GamePlay play(game, 7);
    play.arrange("Dest1", {"AH", "2H"});
    play.arrange("Fila1", {"3S"});
    EXPECT_EQ(play.move("2H", "Fila1"), "ok") << game;
    EXPECT_EQ(play.table().codes("Fila1"), (std::vector<int>{card("3S"), card("2H")})) << game;
    EXPECT_EQ(play.table().codes("Dest1"), std::vector<int>{card("AH")}) << game;
    EXPECT_EQ(play.table().score, -52 + 5) << game;  // the card taken back no longer counts
  }
  GamePlay freeCell(1, 1);  // where the usual rules keep the foundations
  freeCell.arrange("Dest1", {"AH", "2H"});
  freeCell.arrange("Fila1", {"3S"});
  EXPECT_EQ(freeCell.move("2H", "Fila1"), "refused");
}

// Deal 7 again: the first press turns 5D, KD, 10H; the second 9S, 3D, 6S.
TEST(KlondikeThreeCards, APressTurnsThreeCardsAndOnlyTheTopOnePlays) {
  GamePlay play(kKlondikeThree, 7);
  EXPECT_EQ(play.move("7H", "Fila2"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  ShownTable t = play.table();
  EXPECT_EQ(t.codes("Mazzo_Vis"), (std::vector<int>{card("5D"), card("KD"), card("10H")}));
  EXPECT_EQ(t.size("Mazzo"), 21);
  // A press on the waste lifts its top card: KD under 10H cannot reach the space.
  EXPECT_EQ(play.move("KD", "Fila1"), "refused");
  EXPECT_EQ(play.table().pileOf(card("KD")), "Mazzo_Vis");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.move("6S", "Fila2"), "ok");
  EXPECT_EQ(play.table().top("Mazzo_Vis"), card("3D"));
}

TEST(KlondikeThreeCards, TheTurnedOverWasteKeepsItsOrderAndAShortStockTurnsWhatIsLeft) {
  GamePlay play(kKlondikeThree, 7);
  EXPECT_EQ(play.move("7H", "Fila2"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.move("6S", "Fila2"), "ok");  // 23 cards go round from now on
  for (int press = 3; press <= 8; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  ShownTable t = play.table();
  ASSERT_EQ(t.size("Mazzo"), 0);
  ASSERT_EQ(t.size("Mazzo_Vis"), 23);

  EXPECT_EQ(play.run("stock"), "ok");
  t = play.table();
  EXPECT_EQ(t.pass, 2);
  EXPECT_EQ(t.codes("Mazzo_Vis"), (std::vector<int>{card("5D"), card("KD"), card("10H")}));
  for (int press = 2; press <= 7; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  EXPECT_EQ(play.table().size("Mazzo"), 2);
  EXPECT_EQ(play.run("stock"), "ok");
  t = play.table();
  EXPECT_EQ(t.size("Mazzo"), 0);
  EXPECT_EQ(t.size("Mazzo_Vis"), 23);
}

// Deal 1: Fila1 AS; Fila2 KC 2D 6H 3D over one face-down card; Fila3 9C 8C 7H
// 10S JH over two; Fila4 ... 10H on top; Fila6 ... 6D 10D KS 9D JC; Fila7 ...
// JS 10C AH.
TEST(Yukon, DealsOneCardAndThenSixToElevenWithTheTopFiveUp) {
  GamePlay play(kYukon, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  EXPECT_EQ(t.size("Fila1"), 1);
  EXPECT_EQ(t.faceUpCount("Fila1"), 1);
  for (int i = 2; i <= 7; ++i) {
    EXPECT_EQ(t.size(fila(i)), i + 4);
    EXPECT_EQ(t.faceUpCount(fila(i)), 5);
    EXPECT_TRUE(t.pile(fila(i)).back().faceUp);
  }
  EXPECT_EQ(t.size("Mazzo"), 0);
}

TEST(Yukon, AnyFaceUpCardMovesWithEverythingOnItWhenItFits) {
  GamePlay play(kYukon, 1);
  EXPECT_EQ(play.move("AH", "Dest1"), "ok");
  EXPECT_EQ(play.move("9D", "Fila4"), "refused");  // red 9 on red 10
  EXPECT_EQ(play.move("9D", "Fila7"), "ok");       // 9D and JC onto 10C, out of sequence
  ShownTable t = play.table();
  EXPECT_EQ(t.top("Fila7"), card("JC"));
  EXPECT_EQ(t.top("Fila6"), card("KS"));
  // Five cards from 9C onto 10H; the face-down card left on top is turned up.
  EXPECT_EQ(play.move("9C", "Fila4"), "ok");
  t = play.table();
  EXPECT_EQ(t.size("Fila4"), 13);
  EXPECT_EQ(t.top("Fila4"), card("JH"));
  EXPECT_EQ(t.top("Fila3"), card("5D"));
  EXPECT_TRUE(t.pile("Fila3").back().faceUp);
}

TEST(Yukon, OnlyAKingWithWhateverLiesOnItFillsASpace) {
  GamePlay play(kYukon, 1);
  EXPECT_EQ(play.move("AS", "Dest1"), "ok");
  EXPECT_EQ(play.move("10D", "Fila1"), "refused");
  EXPECT_EQ(play.move("KC", "Fila1"), "ok");
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Fila1"), (std::vector<int>{card("KC"), card("2D"), card("6H"), card("3D")}));
  EXPECT_EQ(t.codes("Fila2"), (std::vector<int>{card("4H"), card("4S")}));
}

TEST(Yukon, AutoplayPlaysTheExposedAcesAtTheDeal) {
  GamePlay play(kYukon, 1, {.autoplay = true});
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("AS")});
  EXPECT_EQ(t.codes("Dest2"), std::vector<int>{card("AD")});
  EXPECT_EQ(t.codes("Dest3"), std::vector<int>{card("AH")});
  EXPECT_EQ(t.size("Fila1"), 0);
}

}  // namespace
}  // namespace kes::cli
