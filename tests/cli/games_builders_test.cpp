// Forty Thieves, Baker's Dozen, Fan, La Belle Lucie, Beleaguered Castle and
// Canfield played through the command driver on fixed deals. The cards named
// below are where these deals put them.

#include <gtest/gtest.h>

#include "game_play.h"

namespace kes::cli {
namespace {

constexpr int kFortyThieves = 5;
constexpr int kCanfield = 6;
constexpr int kBakersDozen = 7;
constexpr int kFan = 8;
constexpr int kLaBelleLucie = 9;
constexpr int kBeleagueredCastle = 10;

std::string fila(int n) { return "Fila" + std::to_string(n); }

void playAll(GamePlay& play, const std::vector<std::pair<std::string, std::string>>& moves) {
  for (const auto& [c, pile] : moves) ASSERT_EQ(play.move(c, pile), "ok") << c << " to " << pile;
}

// Deal 28: Fila4 QD AH' 3S 4C'; Fila5 ... KC 5C; Fila3 ... KD'; Fila7 ... AS
// 3C; Fila9 ... 4S'; Fila10 ... 8C AC; the stock turns 5H', AS', 6D, ... and
// AC' at the 22nd press.
TEST(FortyThieves, DealsTenPilesOfFourFaceUpAndSixtyFourToTheStock) {
  GamePlay play(kFortyThieves, 28);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(t.size(fila(i)), 4);
    EXPECT_EQ(t.faceUpCount(fila(i)), 4);
  }
  EXPECT_EQ(t.size("Mazzo"), 64);
  EXPECT_EQ(t.faceUpCount("Mazzo"), 0);
}

TEST(FortyThieves, BuildsDownInSuitOneCardAtATimeAndAnyCardFillsASpace) {
  GamePlay play(kFortyThieves, 28);
  EXPECT_EQ(play.move("3C", "Fila9"), "refused");  // 3C on 4S'
  playAll(play, {{"4C'", "Fila5"}, {"3S", "Fila9"}, {"AH'", "Dest1"}, {"QD", "Fila3"}});
  ASSERT_EQ(play.table().size("Fila4"), 0);
  EXPECT_EQ(play.move("5C", "Fila4"), "refused");  // 5C with 4C' on it: two cards
  EXPECT_EQ(play.move("4C'", "Fila4"), "ok");
  EXPECT_EQ(play.move("3C", "Fila4"), "ok");
}

TEST(FortyThieves, TheStockGoesRoundOnceAndEitherAceOfASuitStartsAFoundation) {
  GamePlay play(kFortyThieves, 28);
  EXPECT_EQ(play.doubleClick("AC"), "ok");
  for (int press = 1; press <= 22; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  EXPECT_EQ(play.table().top("Mazzo_Vis"), card("AC'"));
  EXPECT_EQ(play.move("AC'", "Dest1"), "refused");
  EXPECT_EQ(play.doubleClick("AC'"), "ok");
  ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("AC")});
  EXPECT_EQ(t.codes("Dest2"), std::vector<int>{card("AC'")});
  for (int press = 23; press <= 64; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  t = play.table();
  EXPECT_EQ(t.size("Mazzo"), 0);
  EXPECT_EQ(t.size("Mazzo_Vis"), 63);
  EXPECT_EQ(play.run("stock"), "refused");
}

TEST(FortyThieves, AutoplayTakesEitherPacksCardsOfASuitUpTogether) {
  GamePlay play(kFortyThieves, 28, {.autoplay = true});
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), (std::vector<int>{card("AC"), card("2C'"), card("3C"), card("4C'"), card("5C")}));
  EXPECT_EQ(t.codes("Dest2"), std::vector<int>{card("AS")});
}

// Deal 30: the foundation card is 7C; Fila1 5H, Fila2 4C, Fila3 6S, Fila4 7D;
// the reserve's top cards are 5D, 8H, 3D; the stock turns 2C 5S 3H first.
TEST(Canfield, DealsAReserveOfThirteenFourPilesAndACardThatFixesTheBase) {
  GamePlay play(kCanfield, 30);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("7C")});
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(t.size(fila(i)), 1);
  EXPECT_EQ(t.size("Appogg1"), 13);
  EXPECT_EQ(t.top("Appogg1"), card("5D"));
  EXPECT_TRUE(t.pile("Appogg1").back().faceUp);
  EXPECT_EQ(t.size("Mazzo"), 34);
  EXPECT_EQ(t.score, -47);
}

TEST(Canfield, TheBaseRankStartsEveryFoundationAndASpaceTakesTheReservesTopCard) {
  GamePlay play(kCanfield, 30);
  EXPECT_EQ(play.move("5H", "Dest2"), "refused");
  EXPECT_EQ(play.move("6S", "Dest1"), "refused");
  EXPECT_EQ(play.move("7D", "Dest2"), "ok");
  ShownTable t = play.table();
  EXPECT_EQ(t.codes("Fila4"), std::vector<int>{card("5D")});
  EXPECT_EQ(t.top("Appogg1"), card("8H"));
  EXPECT_EQ(play.run("undo"), "ok");  // the fill goes back with the move
  t = play.table();
  EXPECT_EQ(t.codes("Fila4"), std::vector<int>{card("7D")});
  EXPECT_EQ(t.top("Appogg1"), card("5D"));

  EXPECT_EQ(play.move("6S", "Fila4"), "ok");  // onto the base rank: building goes round
  EXPECT_EQ(play.move("6S", "Appogg1"), "refused");  // nothing goes back to the reserve
  EXPECT_EQ(play.doubleClick("5D"), "refused");      // no foundation takes it
}

TEST(Canfield, AfterTheReserveASpaceTakesOnlyAWasteCard) {
  GamePlay play(kCanfield, 30);
  play.arrange("Appogg1", {});
  EXPECT_EQ(play.move("4C", "Fila1"), "ok");
  ASSERT_EQ(play.table().size("Fila2"), 0);
  EXPECT_EQ(play.move("6S", "Fila2"), "refused");
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.move("3H", "Fila2"), "ok");
}

TEST(Canfield, TheStockTurnsThreeAsOftenAsYouLike) {
  GamePlay play(kCanfield, 30);
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.table().codes("Mazzo_Vis"), (std::vector<int>{card("2C"), card("5S"), card("3H")}));
  for (int press = 2; press <= 12; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  ShownTable t = play.table();
  EXPECT_EQ(t.size("Mazzo"), 0);
  EXPECT_EQ(t.size("Mazzo_Vis"), 34);
  for (int pass = 2; pass <= 3; ++pass) {
    EXPECT_EQ(play.run("stock"), "ok");
    t = play.table();
    EXPECT_EQ(t.pass, pass);
    EXPECT_EQ(t.codes("Mazzo_Vis"), (std::vector<int>{card("2C"), card("5S"), card("3H")}));
    for (int press = 2; press <= 12; ++press) ASSERT_EQ(play.run("stock"), "ok") << press;
  }
}

// Deal 41: the foundation card is 5S; Fila1 AC, Fila2 5H, Fila3 4C, Fila4 KD;
// the reserve's top cards are 8S, 3S.
TEST(Canfield, AKingGoesOnAnAceAndTheFoundationsTurnTheCornerFromKingToAce) {
  GamePlay play(kCanfield, 41);
  EXPECT_EQ(play.move("KD", "Fila1"), "ok");
  EXPECT_EQ(play.move("4C", "Fila2"), "ok");
  ShownTable t = play.table();
  EXPECT_EQ(t.codes("Fila1"), (std::vector<int>{card("AC"), card("KD")}));
  EXPECT_EQ(t.codes("Fila4"), std::vector<int>{card("8S")});
  EXPECT_EQ(t.codes("Fila3"), std::vector<int>{card("3S")});

  play.arrange("Dest2", {"5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH", "KH"});
  play.arrange("Fila3", {"AH"});
  EXPECT_EQ(play.move("AH", "Dest2"), "ok");
  EXPECT_EQ(play.table().size("Dest2"), 10);
}

TEST(Canfield, AutoplayPlaysABaseRankCardAndTheReserveRefillsItsPile) {
  GamePlay play(kCanfield, 41, {.autoplay = true});
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest2"), std::vector<int>{card("5H")});
  EXPECT_EQ(t.codes("Fila2"), std::vector<int>{card("8S")});
  EXPECT_EQ(t.size("Appogg1"), 12);
}

// Deal 1: Fila1 KC AS 4H 4S; Fila3 5D 9C 8C 7H; Fila7 8D 2H 2S 3H; Fila9 ...
// 9H; Fila10 ... 10D 9D; Fila13 ... 10C AH.
TEST(BakersDozen, KingsLieAtTheBottomAndCardsBuildDownRegardlessOfSuitOneAtATime) {
  GamePlay play(kBakersDozen, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  int kings = 0;
  for (int i = 1; i <= 13; ++i) {
    ASSERT_EQ(t.size(fila(i)), 4);
    EXPECT_EQ(t.faceUpCount(fila(i)), 4);
    const std::vector<int> codes = t.codes(fila(i));
    bool belowAllKings = true;
    for (int code : codes) {
      const bool king = (code - 1) % 13 == 12;
      EXPECT_FALSE(king && !belowAllKings) << "a King above another card in " << fila(i);
      belowAllKings = belowAllKings && king;
      kings += king ? 1 : 0;
    }
  }
  EXPECT_EQ(kings, 4);

  EXPECT_EQ(play.move("3H", "Fila1"), "ok");     // heart on spade
  EXPECT_EQ(play.move("8C", "Fila9"), "refused");  // 8C would fit on 9H, but 7H lies on it
  EXPECT_EQ(play.move("7H", "Fila9"), "refused");  // 7H on 9H
}

TEST(BakersDozen, AnEmptyPileStaysEmpty) {
  GamePlay play(kBakersDozen, 1);
  playAll(play, {{"3H", "Fila1"}, {"2S", "Fila1"}, {"AH", "Dest1"}, {"2H", "Dest1"}, {"8D", "Fila10"}});
  ASSERT_EQ(play.table().size("Fila7"), 0);
  EXPECT_EQ(play.move("10C", "Fila7"), "refused");
  EXPECT_EQ(play.move("9H", "Fila7"), "refused");
}

// Deal 1: seventeen fans of three and Fila18 AH; Fila3 ... 5D; Fila8 ... 6C;
// Fila10 ... 5H; Fila11 ... 4D; Fila13 ... KS; Fila16 ... 5C; Fila6 ... AC.
TEST(Fan, DealsSeventeenFansOfThreeAndOneOfOne) {
  GamePlay play(kFan, 1);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  for (int i = 1; i <= 18; ++i) {
    EXPECT_EQ(t.size(fila(i)), i <= 17 ? 3 : 1);
    EXPECT_EQ(t.faceUpCount(fila(i)), t.size(fila(i)));
  }
  EXPECT_EQ(t.codes("Fila18"), std::vector<int>{card("AH")});
}

TEST(Fan, BuildsDownInSuitAndOnlyAKingFillsAnEmptyFan) {
  GamePlay play(kFan, 1);
  EXPECT_EQ(play.move("5H", "Fila8"), "refused");  // 5H on 6C
  EXPECT_EQ(play.move("5C", "Fila8"), "ok");
  EXPECT_EQ(play.move("4D", "Fila3"), "ok");
  EXPECT_EQ(play.move("AH", "Dest1"), "ok");
  ASSERT_EQ(play.table().size("Fila18"), 0);
  EXPECT_EQ(play.move("4D", "Fila18"), "refused");
  EXPECT_EQ(play.move("KS", "Fila18"), "ok");
}

TEST(Fan, AutoplayPlaysTheExposedAcesAtTheDeal) {
  GamePlay play(kFan, 1, {.autoplay = true});
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("AC")});
  EXPECT_EQ(t.codes("Dest2"), std::vector<int>{card("AH")});
  EXPECT_EQ(t.size("Fila18"), 0);
}

// Deal 1 as Fan.
TEST(LaBelleLucie, TwoRedealsGatherTheFansAndDealThemInThreesFaceUp) {
  GamePlay play(kLaBelleLucie, 1);
  EXPECT_EQ(play.move("AH", "Dest1"), "ok");
  EXPECT_EQ(play.move("KS", "Fila18"), "refused");  // an empty fan is never filled
  for (int pass = 2; pass <= 3; ++pass) {
    EXPECT_EQ(play.run("stock"), "ok");
    const ShownTable t = play.table();
    EXPECT_EQ(t.pass, pass);
    for (int i = 1; i <= 17; ++i) {
      EXPECT_EQ(t.size(fila(i)), 3) << i;
      EXPECT_EQ(t.faceUpCount(fila(i)), 3) << i;
    }
    EXPECT_EQ(t.size("Fila18"), 0);
    EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("AH")});
  }
  EXPECT_EQ(play.run("stock"), "refused");
  EXPECT_EQ(play.run("undo"), "ok");
  EXPECT_EQ(play.table().pass, 2);
}

// Deal 4: the Aces start the foundations; Fila1 ... 6S 2C; Fila3 ... 7H 3D;
// Fila4 ... 9C 5S; Fila5 5H 2S 2H 4S 4H 3C; Fila8 ... QS JC.
TEST(BeleagueredCastle, TheAcesStartTheFoundationsAndEightRowsOfSixAreDealt) {
  GamePlay play(kBeleagueredCastle, 4);
  ASSERT_EQ(play.startError(), "");
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), std::vector<int>{card("AH")});
  EXPECT_EQ(t.codes("Dest2"), std::vector<int>{card("AD")});
  EXPECT_EQ(t.codes("Dest3"), std::vector<int>{card("AC")});
  EXPECT_EQ(t.codes("Dest4"), std::vector<int>{card("AS")});
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(t.size(fila(i)), 6);
    EXPECT_EQ(t.faceUpCount(fila(i)), 6);
  }
  EXPECT_EQ(t.score, -32);
}

TEST(BeleagueredCastle, BuildsDownRegardlessOfSuitAndAnyCardFillsAnEmptyRow) {
  GamePlay play(kBeleagueredCastle, 4);
  EXPECT_EQ(play.move("3C", "Fila4"), "refused");  // 3C on 5S
  playAll(play, {{"2C", "Dest3"}, {"3C", "Dest3"}, {"4H", "Fila4"}, {"3D", "Fila4"}, {"6S", "Fila3"},
                 {"4S", "Fila1"}, {"2H", "Dest1"}, {"2S", "Dest4"}});
  // Fila3 ends 7H 6S; Fila5 holds 5H alone.
  EXPECT_EQ(play.move("6S", "Fila5"), "refused");  // 6S on 5H
  EXPECT_EQ(play.move("5H", "Fila3"), "ok");
  ASSERT_EQ(play.table().size("Fila5"), 0);
  EXPECT_EQ(play.move("6S", "Fila5"), "refused");  // 6S with 5H on it: one card at a time
  EXPECT_EQ(play.move("JC", "Fila5"), "ok");
  EXPECT_EQ(play.table().score, -12);
}

TEST(BeleagueredCastle, AutoplayPlaysTheTwosExposedAtTheDeal) {
  GamePlay play(kBeleagueredCastle, 1, {.autoplay = true});
  const ShownTable t = play.table();
  EXPECT_EQ(t.codes("Dest1"), (std::vector<int>{card("AH"), card("2H")}));
  EXPECT_EQ(t.size("Fila4"), 5);
  EXPECT_EQ(t.score, -27);
}

}  // namespace
}  // namespace kes::cli
