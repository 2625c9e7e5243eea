// The Row type games added to the catalogue (category 13) played through
// the command driver: the deal, the build rules, spaces, cells, runs, the
// foundations' base and the win, one table row per game.

#include <gtest/gtest.h>

#include "catalogue_probes.h"

namespace kes::cli {
namespace {

using namespace probe;

constexpr int kStreetsAndAlleys = 230, kStronghold = 231, kPenelopesWeb = 232, kSelectiveCastle = 233,
              kCitadel = 234, kFortress = 235, kChessboard = 236, kLasker = 237, kBastion = 238, kCastlesEnd = 239,
              kSomerset = 240, kMorehead = 241, kCanister = 242, kBritishCanister = 243, kLightweight = 244;

const DealShape kShapes[] = {
    {kStreetsAndAlleys, 0, "7*4 6*4", "-1*8"},  {kStronghold, 0, "7*4 6*4", "-1*8", "0"},
    {kPenelopesWeb, 0, "7*4 6*4", "-1*8"},      {kSelectiveCastle, 0, "7*4 6*4", "-1*8"},
    {kCitadel, 0, "7*4 6*4", "-1*8", "", 0, true}, {kFortress, 0, "6*2 5*8", "-1*10"},
    {kChessboard, 0, "6*2 5*8", "-1*10"},       {kLasker, 0, "6*2 5*8", "-1*10"},
    {kBastion, 0, "5*10", "-1*10", "1*2"},       {kCastlesEnd, 0, "5*10", "-1*10", "1*2"},
    {kSomerset, 0, "1 2 3 4 5 6 7 8 8 8", "-1*10"}, {kMorehead, 0, "1 2 3 4 5 6 7 8 8 8", "-1*10"},
    {kCanister, 0, "6*4 7*4", "-1*8"},          {kBritishCanister, 0, "6*4 7*4", "-1*8"},
    {kLightweight, 0, "8*12", "-1*12", "", 8},
};

TEST(RowTypes, DealShapes) {
  for (const DealShape& s : kShapes)
    for (long long deal : {1LL, 2LL, 1000LL}) expectDealShape(s, deal);
}

const BuildProbe kBuilds[] = {
    {kStreetsAndAlleys, "8H", "7H", "6H"},  {kStreetsAndAlleys, "", "6H", ""},
    {kStronghold, "8H", "7S", "9S"},        {kStronghold, "", "7D", "", "Appogg1"},
    {kStronghold, "9C", "", "7D", "Appogg1"},
    {kPenelopesWeb, "8H", "7D", "8D"},      {kPenelopesWeb, "", "KD", "QD"},
    {kSelectiveCastle, "8H", "7C", "6C"},   {kSelectiveCastle, "AH", "KS", "QS"},  // round the corner
    {kCitadel, "8H", "7S", "9S"},           {kCitadel, "", "9S", ""},
    {kFortress, "8H", "9H", "9D"},          {kFortress, "8H", "7H", "7C"},  // up or down in suit
    {kFortress, "", "7C", ""},              {kChessboard, "KH", "AH", "AD"},
    {kChessboard, "8H", "7H", "7S"},        {kLasker, "AS", "KS", "KH"},
    {kBastion, "8D", "9D", "9H"},           {kBastion, "", "5H", ""},
    {kBastion, "", "7D", "", "Appogg1"},    {kSomerset, "8H", "7S", "7D"},
    {kSomerset, "", "7D", ""},              {kMorehead, "8H", "7D", "7H"},  // any suit but its own
    {kCanister, "8H", "7H", "6H"},          {kCanister, "", "6H", ""},
    {kBritishCanister, "8H", "7S", "7D"},   {kBritishCanister, "", "KD", "QD"},
    {kLightweight, "8H", "7H'", "6H"},      {kLightweight, "", "KD'", "QD'"},
};

TEST(RowTypes, BuildsSpacesAndCells) {
  for (const BuildProbe& p : kBuilds) expectBuildProbe(p);
}

const RunProbe kRuns[] = {
    {kStreetsAndAlleys, "9H", {"8S", "7S"}, false}, {kFortress, "9H", {"8H", "7H"}, false},
    {kChessboard, "9H", {"8H", "7H"}, false},       {kLasker, "9H", {"8H", "7H"}, true},
    {kLasker, "7H", {"8H", "9H"}, true},            {kSomerset, "9H", {"8S", "7D"}, false},
    {kCanister, "9H", {"8S", "7D"}, true},          {kBritishCanister, "9H", {"8S", "7D"}, false},
    {kLightweight, "9H", {"8S", "7D"}, true},
};

TEST(RowTypes, Runs) {
  for (const RunProbe& p : kRuns) expectRunProbe(p);
}

TEST(RowTypes, WonWhenTheLastCardGoesUp) {
  for (int game = kStreetsAndAlleys; game <= kLightweight; ++game) expectWinProbe({game});
}

// The first card played to a foundation fixes every foundation's base rank.
TEST(RowTypes, TheFirstFoundationCardFixesTheBase) {
  for (int game : {kSelectiveCastle, kChessboard, kLasker}) {
    GamePlay play(game, 1);
    play.arrange("Fila1", {"6H"});
    play.arrange("Fila2", {"6C"});
    play.arrange("Fila3", {"5D"});
    EXPECT_EQ(play.move("6H", "Dest1"), "ok") << game;
    EXPECT_EQ(play.move("5D", "Dest2"), "refused") << game;
    EXPECT_EQ(play.move("6C", "Dest2"), "ok") << game;
  }
}

// Castles End: before any other move a card must start the foundations.
TEST(RowTypes, CastlesEndOpensWithAFoundationCard) {
  GamePlay play(kCastlesEnd, 1);
  play.arrange("Fila1", {"8H"});
  play.arrange("Fila2", {"7S"});
  play.arrange("Fila3", {"JD"});
  EXPECT_EQ(play.move("7S", "Fila1"), "refused");
  EXPECT_EQ(play.move("JD", "Dest1"), "ok");
  EXPECT_EQ(play.move("7S", "Fila1"), "ok");   // down in alternate colours
  EXPECT_EQ(play.move("8H", "Fila2"), "refused");  // 8H lies under 7S now
  play.arrange("Fila4", {"9C"});
  play.arrange("Fila5", {"10H"});
  EXPECT_EQ(play.move("10H", "Fila4"), "ok");  // up in alternate colours
}

// Citadel deals every card before the scan: the cards that went up leave
// their rows short (the named compromise).
TEST(RowTypes, CitadelScansAfterTheWholeDeal) {
  int shortRows = 0;
  for (long long deal = 1; deal <= 10; ++deal) {
    GamePlay play(kCitadel, deal);
    const ShownTable t = play.table();
    for (int i = 1; i <= 8; ++i) {
      const int size = t.size("Fila" + std::to_string(i));
      shortRows += size < (i <= 4 ? 7 : 6) ? 1 : 0;
      const int top = t.top("Fila" + std::to_string(i));
      if (top > 0 && (top - 1) % 13 == 0) ADD_FAILURE() << "deal " << deal << ": an Ace left on top of Fila" << i;
    }
  }
  EXPECT_GT(shortRows, 0);
}

}  // namespace
}  // namespace kes::cli
