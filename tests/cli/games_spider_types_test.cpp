// The Spider type games added to the catalogue (category 8) played through
// the command driver: the deal, the build rules, spaces, runs, the stock and
// the removal of complete runs, one table row per game.

#include <gtest/gtest.h>

#include "catalogue_probes.h"

namespace kes::cli {
namespace {

using namespace probe;

constexpr int kRelaxedSpider = 148, kBlackWidow = 149, kBabySpiderette = 150, kWillOTheWisp = 151, kScorpion = 152,
              kWasp = 153, kThreeBlindMice = 154, kHowTheyRun = 156, kSimpleSimon = 157, kMrsMop = 158,
              kSpiderWeb = 159, kSpidike = 160, kTenAcross = 161;

const DealShape kShapes[] = {
    {kRelaxedSpider, 50, "6*4 5*6", "1*10"},     {kBlackWidow, 50, "6*4 5*6", "1*10"},
    {kBabySpiderette, 24, "1 2 3 4 5 6 7", "1*7"}, {kWillOTheWisp, 31, "3*7", "1*7"},
    {kScorpion, 3, "7*7", "4*4 -1*3"},           {kWasp, 3, "7*7", "4*4 -1*3"},
    {kThreeBlindMice, 0, "5*10", "2*7 -1*3", "1*2"}, {kHowTheyRun, 0, "5*10", "2*7 -1*3", "1*2"},
    {kSimpleSimon, 0, "8*3 7 6 5 4 3 2 1", "-1*10"}, {kMrsMop, 0, "8*13", "-1*13"},
    {kSpiderWeb, 28, "4*3 3*4", "-1*7", "0"},     {kSpidike, 24, "1 2 3 4 5 6 7", "1*7"},
    {kTenAcross, 0, "5*10", "5 4 3 2 1 1 2 3 4 5", "1*2"},
};

TEST(SpiderTypes, DealShapes) {
  for (const DealShape& s : kShapes)
    for (long long deal : {1LL, 2LL, 1000LL}) expectDealShape(s, deal);
}

const BuildProbe kBuilds[] = {
    {kRelaxedSpider, "8H", "7H'", "6H"},  {kRelaxedSpider, "", "7D", ""},
    {kBlackWidow, "8H", "7S", "9S"},      {kBabySpiderette, "8H", "7C", "8C"},
    {kWillOTheWisp, "8H", "7D", "6D"},    {kWillOTheWisp, "", "6D", ""},
    {kScorpion, "8H", "7H", "7D"},        {kScorpion, "", "KH", "QH"},
    {kWasp, "8S", "7S", "7C"},            {kWasp, "", "QH", ""},
    {kThreeBlindMice, "8H", "7H", "7D"},  {kThreeBlindMice, "", "KD", "QD"},
    {kHowTheyRun, "8C", "7C", "7S"},      {kSimpleSimon, "8H", "7S", "6S"},
    {kSimpleSimon, "", "6S", ""},         {kMrsMop, "8H'", "7S", "6S'"},
    {kSpiderWeb, "8H", "7S", "9S"},       {kSpiderWeb, "", "9S", ""},
    {kSpidike, "8H", "7C", "6C"},         {kSpidike, "", "KC", "QC"},
    {kTenAcross, "8D", "7D", "7H"},       {kTenAcross, "", "KH", "JH"},
    // Reserves: Three Blind Mice's take nothing back, How They Run's are free cells.
    {kThreeBlindMice, "", "", "7H", "Appogg1"},  {kHowTheyRun, "", "7H", "", "Appogg1"},
    {kSpiderWeb, "", "7H", "", "Appogg1"},       {kTenAcross, "", "7H", "", "Appogg2"},
};

TEST(SpiderTypes, BuildsSpacesAndReserves) {
  for (const BuildProbe& p : kBuilds) expectBuildProbe(p);
}

const RunProbe kRuns[] = {
    {kRelaxedSpider, "9H", {"8S", "7S"}, true},    {kRelaxedSpider, "9H", {"8S", "7H"}, false},
    {kBlackWidow, "9H", {"8S", "7H"}, true},       {kBabySpiderette, "9H", {"8S", "7H"}, true},
    {kWillOTheWisp, "9H", {"8S", "7H"}, false},    {kScorpion, "9H", {"8H", "2C", "KD"}, true},
    {kSimpleSimon, "9H", {"8S", "7S"}, true},      {kSimpleSimon, "9H", {"8S", "7H"}, false},
    {kMrsMop, "9H", {"8S", "7H"}, false},          {kSpidike, "9H", {"8S", "7S"}, true},
    {kTenAcross, "9H", {"8H", "2C"}, true},
};

TEST(SpiderTypes, Runs) {
  for (const RunProbe& p : kRuns) expectRunProbe(p);
}

const StockProbe kStocks[] = {
    {kRelaxedSpider, 10, 0, true}, {kBlackWidow, 10, 0, true}, {kBabySpiderette, 7, 0, true},
    {kWillOTheWisp, 7, 0, true},   {kScorpion, 3, 0, true},    {kWasp, 3, 0, true},
    {kSpiderWeb, 7, 0, true},      {kSpidike, 7, 0, true},
};

TEST(SpiderTypes, StockRows) {
  for (const StockProbe& p : kStocks) expectStockProbe(p);
}

// Scorpion's stock goes to the first three piles only.
TEST(SpiderTypes, ScorpionDealsItsLastThreeCardsToTheFirstThreePiles) {
  GamePlay play(kScorpion, 1);
  ASSERT_EQ(play.run("stock"), "ok");
  const ShownTable t = play.table();
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(t.size("Fila" + std::to_string(i)), i <= 3 ? 8 : 7) << i;
}

// A row is refused while a pile is empty, except in the relaxed games.
TEST(SpiderTypes, GapsStopARowOnlyWhereTheRulesSaySo) {
  for (int game : {kRelaxedSpider, kBlackWidow, kBabySpiderette, kWillOTheWisp, kScorpion, kSpiderWeb, kSpidike}) {
    GamePlay play(game, 1);
    play.arrange("Fila2", {});
    const bool relaxed = game == kRelaxedSpider || game == kScorpion || game == kSpiderWeb || game == kSpidike;
    EXPECT_EQ(play.run("stock"), relaxed ? "ok" : "refused") << game;
  }
}

TEST(SpiderTypes, WonWhenTheLastRunLeaves) {
  for (int game : {kRelaxedSpider, kBlackWidow, kBabySpiderette, kWillOTheWisp, kScorpion, kWasp, kThreeBlindMice,
                   kHowTheyRun, kSimpleSimon, kMrsMop, kSpiderWeb, kTenAcross})
    expectWinProbe({game, true});
  expectWinProbe({kSpidike});
}

}  // namespace
}  // namespace kes::cli
