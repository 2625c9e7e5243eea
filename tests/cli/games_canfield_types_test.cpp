// The Canfield type games (category 2) played through the command driver:
// the deal, the build rules, spaces, runs, the stock and the win, one table
// row per game.

#include <gtest/gtest.h>

#include "catalogue_probes.h"

namespace kes::cli {
namespace {

using namespace probe;

constexpr int kStorehouse = 21, kRainbow = 22, kChameleon = 23, kSuperiorCanfield = 24, kDoubleCanfield = 25,
              kAmericanToad = 26, kAcme = 27, kDuke = 28, kMinerva = 29, kMunger = 30, kMystique = 31,
              kDuchess = 32;

const DealShape kShapes[] = {
    {kStorehouse, 31, "1*4", "-1*4", "13", 4},      {kRainbow, 34, "1*4", "-1*4", "13", 1},
    {kChameleon, 36, "1*3", "-1*3", "12", 1},       {kSuperiorCanfield, 34, "1*4", "-1*4", "13", 1},
    {kDoubleCanfield, 85, "1*5", "-1*5", "13", 1},  {kAmericanToad, 75, "1*8", "-1*8", "20", 1},
    {kAcme, 31, "1*4", "-1*4", "13", 4},            {kDuke, 36, "1*4", "-1*4", "3*4", 0},
    {kMinerva, 13, "4*7", "2*7", "11", 0},          {kMunger, 17, "4*7", "2*7", "7", 0},
    {kMystique, 15, "4*7", "2*7", "9", 0},          {kDuchess, 36, "3*4 1*4", "-1*8", "", 0},
};

TEST(CanfieldTypes, DealShapes) {
  for (const DealShape& s : kShapes)
    for (long long deal : {1LL, 2LL, 1000LL}) expectDealShape(s, deal);
}

// On a card: the accepted card fits the game's rule, the refused one has the
// right rank and breaks the rule. On a space (empty onto): what may fill it.
const BuildProbe kBuilds[] = {
    {kStorehouse, "8H", "7H", "7D"},        {kStorehouse, "AS", "KS", "KH"},  // in suit, King on Ace
    {kRainbow, "8H", "7H", "6H"},           {kRainbow, "AD", "KD", "QD"},
    {kChameleon, "8H", "7S", "9S"},
    {kSuperiorCanfield, "8H", "7S", "7D"},  {kSuperiorCanfield, "", "7S", ""},  // any card, by choice
    {kDoubleCanfield, "8H", "7S'", "7D'"},  {kAmericanToad, "8H'", "7H", "7D"},
    {kAcme, "8H", "7H", "7D"},              {kAcme, "AH'", "", "KH"},  // no King on an Ace
    {kDuke, "8H", "7S", "7D"},              {kDuke, "", "7S", ""},
    {kMinerva, "8H", "7S", "7D"},           {kMinerva, "", "KS", "QS"},
    {kMunger, "8C", "7D", "7S"},            {kMunger, "", "KD", "JD"},
    {kMystique, "8C", "7H", "7C"},          {kMystique, "", "7H", ""},
};

TEST(CanfieldTypes, BuildsAndSpaces) {
  for (const BuildProbe& p : kBuilds) expectBuildProbe(p);
}

const RunProbe kRuns[] = {
    {kRainbow, "9H", {"8S", "7S"}, true},  {kStorehouse, "9H", {"8H", "7H"}, true},
    {kAcme, "9H", {"8H", "7H"}, false},    {kDuke, "9H", {"8S", "7D"}, true},
    {kMinerva, "9H", {"8S", "7D"}, true},
};

TEST(CanfieldTypes, Runs) {
  for (const RunProbe& p : kRuns) expectRunProbe(p);
}

const StockProbe kStocks[] = {
    {kStorehouse, 1, 3},        {kRainbow, 1, 0}, {kChameleon, 1, 0}, {kSuperiorCanfield, 3, -1},
    {kDoubleCanfield, 3, -1},   {kAmericanToad, 1, 2}, {kAcme, 1, 2}, {kDuke, 1, 3},
    {kMinerva, 1, 2},           {kMunger, 1, 0},  {kMystique, 1, 0},
};

TEST(CanfieldTypes, StockPressesAndPasses) {
  for (const StockProbe& p : kStocks) expectStockProbe(p);
}

TEST(CanfieldTypes, WonWhenTheLastCardGoesUp) {
  for (int game : {kStorehouse, kRainbow, kChameleon, kSuperiorCanfield, kDoubleCanfield, kAmericanToad, kAcme, kDuke,
                   kMinerva, kMunger, kMystique})
    expectWinProbe({game});
}

// A space is filled at once from the reserve, and after it only by a card
// of the stock or the waste.
TEST(CanfieldTypes, SpacesTakeTheReservesTopCardThenOnlyAStockCard) {
  for (int game : {kStorehouse, kRainbow, kChameleon, kDoubleCanfield, kAmericanToad, kAcme}) {
    GamePlay play(game, 1);
    play.arrange("Fila1", {"9C"});
    play.arrange("Fila2", {"8H"});
    play.arrange("Appogg1", {"2S", "5D"});
    if (game == kStorehouse || game == kAmericanToad || game == kAcme) play.arrange("Fila1", {"9H"});
    ASSERT_EQ(play.move("8H", "Fila1"), "ok") << game;
    EXPECT_EQ(play.table().codes("Fila2"), std::vector<int>{card("5D")}) << game;
    play.arrange("Appogg1", {});
    play.arrange("Fila3", {"4C"});
    play.arrange("Fila2", {});
    EXPECT_EQ(play.move("4C", "Fila2"), "refused") << game;
    ASSERT_EQ(play.run("stock"), "ok") << game;
    const int wasteTop = play.table().top("Mazzo_Vis");
    EXPECT_EQ(play.run("move " + std::to_string(wasteTop) + " Fila2"), "ok") << game;
  }
}

// Storehouse: the Twos start the foundations, which go round from King to Ace.
TEST(CanfieldTypes, StorehouseFoundationsRunFromTwoToAce) {
  GamePlay play(kStorehouse, 1);
  const ShownTable t = play.table();
  for (int f = 1; f <= 4; ++f) EXPECT_EQ((t.top("Dest" + std::to_string(f)) - 1) % 13 + 1, 2) << f;
  play.arrange("Dest1", {"2H", "3H", "4H", "5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH", "KH"});
  play.arrange("Fila1", {"AH"});
  EXPECT_EQ(play.move("AH", "Dest1"), "ok");
  EXPECT_EQ(play.table().size("Dest1"), 13);
}

// Duchess: the first move must start a foundation; the fans (piles 1-4)
// take nothing. The compromise: the opening card may also come from one of
// the four tableau piles, not only from a fan.
TEST(CanfieldTypes, DuchessOpensWithAFoundationCardFromAFanOrAPile) {
  GamePlay play(kDuchess, 1);
  play.arrange("Fila5", {"8H"});
  play.arrange("Fila6", {"7S"});
  EXPECT_EQ(play.move("7S", "Fila5"), "refused");  // nothing but a foundation card first
  play.arrange("Fila1", {"2D", "4D", "9C"});
  EXPECT_EQ(play.move("9C", "Dest1"), "ok");  // from a fan: Nines start every foundation
  EXPECT_EQ(play.move("7S", "Fila5"), "ok");
  EXPECT_EQ(play.move("4D", "Fila5"), "refused");
  EXPECT_EQ(play.move("7S", "Fila1"), "refused");  // nothing goes on a fan
  play.arrange("Fila7", {"9H"});
  EXPECT_EQ(play.move("9H", "Dest2"), "ok");
  play.arrange("Fila8", {"8H"});
  EXPECT_EQ(play.move("8H", "Dest3"), "refused");  // the base is a Nine

  GamePlay fromPile(kDuchess, 1);
  fromPile.arrange("Fila6", {"QS"});
  EXPECT_EQ(fromPile.move("QS", "Dest1"), "ok");  // the named compromise
}

}  // namespace
}  // namespace kes::cli
