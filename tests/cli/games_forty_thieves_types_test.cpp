// The Forty Thieves type games (category 3) played through the command
// driver: the deal, the build rules, spaces, runs, the stock, automatic
// fills and the win, one table row per game.

#include <gtest/gtest.h>

#include "catalogue_probes.h"

namespace kes::cli {
namespace {

using namespace probe;

constexpr int kLucas = 33, kMaria = 34, kStreets = 35, kNumberTen = 36, kRankAndFile = 37, kEmperor = 38,
              kIndian = 39, kNapoleonsExile = 40, kDiplomat = 41, kLadyPalk = 42, kCongress = 43, kParliament = 44,
              kBusyAces = 45, kCourtyard = 46, kLimited = 47, kWaningMoon = 48, kFamousFifty = 49, kJosephine = 50,
              kNapoleonsSquare = 51, kFortyAndEight = 52, kCorona = 53, kRedAndBlack = 54, kZebra = 55,
              kTripleLine = 56, kDoubleRail = 57, kSingleRail = 58, kDeuces = 59, kInterchange = 60, kSquadron = 61,
              kFortunesFavor = 62, kCarreNapoleon = 63;

const DealShape kShapes[] = {
    {kLucas, 57, "3*13", "-1*13", "", 8},         {kMaria, 68, "4*9", "-1*9"},
    {kStreets, 64, "4*10", "-1*10"},              {kNumberTen, 64, "4*10", "2*10"},
    {kRankAndFile, 64, "4*10", "1*10"},           {kEmperor, 64, "4*10", "1*10"},
    {kIndian, 74, "3*10", "2*10"},                {kNapoleonsExile, 64, "4*10", "-1*10"},
    {kDiplomat, 72, "4*8", "-1*8"},               {kLadyPalk, 72, "4*8", "-1*8"},
    {kCongress, 96, "1*8", "-1*8"},               {kParliament, 88, "1*8", "-1*8", "", 8},
    {kBusyAces, 92, "1*12", "-1*12"},             {kCourtyard, 92, "1*12", "-1*12"},
    {kLimited, 68, "3*12", "-1*12"},              {kWaningMoon, 52, "4*13", "-1*13"},
    {kFamousFifty, 54, "5*10", "-1*10"},          {kJosephine, 64, "4*10", "-1*10"},
    {kNapoleonsSquare, 56, "4*12", "-1*12"},      {kFortyAndEight, 64, "5*8", "-1*8"},
    {kCorona, 68, "3*12", "-1*12"},               {kRedAndBlack, 88, "1*8", "-1*8", "", 8},
    {kZebra, 88, "1*8", "-1*8", "", 8},           {kTripleLine, 68, "3*12", "-1*12"},
    {kDoubleRail, 99, "1*5", "-1*5"},             {kSingleRail, 48, "1*4", "-1*4"},
    {kDeuces, 86, "1*10", "-1*10", "", 8},        {kInterchange, 55, "7*7", "4*7"},
    {kSquadron, 61, "4*10", "-1*10", "1*3"},      {kFortunesFavor, 36, "1*12", "-1*12", "", 4},
    {kCarreNapoleon, 56, "4*12", "-1*12", "", 0, true},
};

TEST(FortyThievesTypes, DealShapes) {
  for (const DealShape& s : kShapes)
    for (long long deal : {1LL, 2LL, 1000LL}) expectDealShape(s, deal);
}

const BuildProbe kBuilds[] = {
    {kLucas, "8H", "7H", "7D"},           {kLucas, "", "7H", ""},
    {kMaria, "8H", "7S", "7D"},           {kMaria, "", "7D", ""},
    {kStreets, "8H", "7C", "7H"},         {kNumberTen, "8C", "7D", "7S"},
    {kRankAndFile, "8H", "7S'", "7H'"},   {kEmperor, "8S", "7H", "7C"},
    {kIndian, "8H", "7D", "7H"},          // any suit but the card's own
    {kNapoleonsExile, "8H", "7H", "6H"},  {kDiplomat, "8H", "7C", "9C"},
    {kLadyPalk, "8H", "7D", "8D"},        {kCongress, "8H", "7H'", "6S"},
    {kParliament, "8H", "7S", "9S"},      {kBusyAces, "8H", "7H", "7S"},
    {kCourtyard, "8H", "7H", "7D"},       {kLimited, "8H", "7H'", "7D'"},
    {kWaningMoon, "8C", "7C", "7S"},      {kFamousFifty, "8D", "7D", "7H"},
    {kJosephine, "8S", "7S", "7C"},       {kNapoleonsSquare, "8H", "7H", "7D"},
    {kFortyAndEight, "8H", "7H", "7D"},   {kCorona, "8H", "7H", "7S"},
    {kRedAndBlack, "8H", "7S", "7D"},     {kRedAndBlack, "", "7D", ""},
    {kZebra, "8H", "7C", "7D"},           {kTripleLine, "8H", "7S", "7H"},
    {kDoubleRail, "8H", "7H", "6H"},      {kDoubleRail, "", "7D", ""},
    {kSingleRail, "8H", "7D", "9D"},      {kSingleRail, "", "9D", ""},
    {kDeuces, "8H", "7H", "7D"},          {kDeuces, "AS", "KS", "KD"},  // round the corner, in suit
    {kInterchange, "8H", "7H", "7D"},     {kInterchange, "", "KH", "QH"},
    {kSquadron, "8H", "7H", "7D"},        {kSquadron, "", "7D", "", "Appogg1"},  // a free cell
    {kSquadron, "9C", "", "7D", "Appogg1"},
    {kFortunesFavor, "8H", "7H", "7D"},   {kCarreNapoleon, "8H", "7H", "7D"},
    {kCarreNapoleon, "", "KH", "QH"},
};

TEST(FortyThievesTypes, BuildsAndSpaces) {
  for (const BuildProbe& p : kBuilds) expectBuildProbe(p);
}

const RunProbe kRuns[] = {
    {kLucas, "9H", {"8H", "7H"}, true},         {kStreets, "9H", {"8S", "7D"}, false},
    {kNumberTen, "9H", {"8S", "7D"}, true},     {kRankAndFile, "9H", {"8S", "7D"}, true},
    {kEmperor, "9H", {"8S", "7D"}, false},      {kDiplomat, "9H", {"8S", "7S"}, false},
    {kLadyPalk, "9H", {"8S", "7S"}, true},      {kJosephine, "9H", {"8H", "7H"}, true},
    {kNapoleonsSquare, "9H", {"8H", "7H"}, true}, {kCourtyard, "9H", {"8H", "7H"}, true},
    {kRedAndBlack, "9H", {"8S", "7D"}, true},   {kZebra, "9H", {"8S", "7D"}, false},
    {kTripleLine, "9H", {"8S", "7D"}, true},    {kDoubleRail, "9H", {"8H", "7S"}, true},
    {kInterchange, "9H", {"8H", "7H"}, true},   {kFamousFifty, "9H", {"8H", "7H"}, false},
};

TEST(FortyThievesTypes, Runs) {
  for (const RunProbe& p : kRuns) expectRunProbe(p);
}

TEST(FortyThievesTypes, StockPressesAndPasses) {
  for (int game = kLucas; game <= kCarreNapoleon; ++game) {
    const bool twoPasses = game == kFortyAndEight || game == kZebra || game == kTripleLine;
    expectStockProbe({game, 1, twoPasses ? 2 : 0});
  }
}

TEST(FortyThievesTypes, WonWhenTheLastCardGoesUp) {
  for (int game = kLucas; game <= kCarreNapoleon; ++game) expectWinProbe({game});
}

// A pile emptied by a move takes the waste's top card at once, or the
// stock's while the waste is empty; one undo takes back both.
TEST(FortyThievesTypes, SpacesFillAtOnceFromTheWasteThenTheStock) {
  const struct {
    int game;
    const char* onto;
  } fills[] = {{kCongress, "8H"},    {kParliament, "8D"}, {kCourtyard, "8C"},    {kCorona, "8C"},
               {kZebra, "8H"},       {kTripleLine, "8D"}, {kFortunesFavor, "8C"}};
  for (const auto& f : fills) {
    GamePlay play(f.game, 1);
    play.arrange("Fila1", {f.onto});
    play.arrange("Fila2", {"7C"});
    const int stockTop = play.table().top("Mazzo");
    ASSERT_EQ(play.move("7C", "Fila1"), "ok") << f.game;
    ShownTable t = play.table();
    EXPECT_EQ(t.codes("Fila2"), std::vector<int>{stockTop}) << f.game << ": from the stock";
    EXPECT_TRUE(t.pile("Fila2").back().faceUp) << f.game;
    EXPECT_EQ(play.run("undo"), "ok") << f.game;
    EXPECT_EQ(play.table().codes("Fila2"), std::vector<int>{card("7C")}) << f.game;

    ASSERT_EQ(play.run("stock"), "ok") << f.game;
    const int wasteTop = play.table().top("Mazzo_Vis");
    ASSERT_EQ(play.move("7C", "Fila1"), "ok") << f.game;
    t = play.table();
    EXPECT_EQ(t.codes("Fila2"), std::vector<int>{wasteTop}) << f.game << ": from the waste";
    EXPECT_EQ(t.size("Mazzo_Vis"), 0) << f.game;
  }
}

// Carre Napoleon deals every card before the scan: the cards that went up
// leave their piles short (the named compromise), and no pile top that the
// foundations would take is left behind.
TEST(FortyThievesTypes, CarreNapoleonScansAfterTheWholeDeal) {
  bool someShort = false;
  for (long long deal = 1; deal <= 20; ++deal) {
    GamePlay play(kCarreNapoleon, deal);
    const ShownTable t = play.table();
    int foundationCards = 0;
    for (int f = 1; f <= 8; ++f) foundationCards += t.size("Dest" + std::to_string(f));
    int tableau = 0;
    for (int i = 1; i <= 12; ++i) {
      tableau += t.size("Fila" + std::to_string(i));
      someShort = someShort || t.size("Fila" + std::to_string(i)) < 4;
    }
    EXPECT_EQ(tableau + foundationCards, 48) << deal;
    for (int i = 1; i <= 12; ++i) {
      const int top = t.top("Fila" + std::to_string(i));
      if (top > 0 && (top - 1) % 13 == 0) ADD_FAILURE() << "deal " << deal << ": an Ace left on Fila" << i;
    }
  }
  EXPECT_TRUE(someShort);
}

}  // namespace
}  // namespace kes::cli
