// The Klondike type games added to the catalogue (category 5) played
// through the command driver: the deal, the build rules, spaces, runs, the
// stock and the win, one table row per game.

#include <gtest/gtest.h>

#include "catalogue_probes.h"

namespace kes::cli {
namespace {

using namespace probe;

constexpr int kVegas = 81, kCasino = 82, kSaratoga = 83, kWhitehead = 84, kWestcliff = 85, kEastcliff = 86,
              kEasthaven = 87, kWesthaven = 88, kThumbAndPouch = 89, kAgnesSorel = 90, kAuntMary = 91, kPasSeul = 92,
              kBlindAlleys = 93, kTrigon = 94, kKingsley = 95, kAthena = 96, kWhitehorse = 97, kBigForty = 98,
              kAliBaba = 99, kDoubleKlondike = 100, kGargantua = 101, kBigHarp = 102, kLadyJane = 103,
              kBatsford = 104, kEightByEight = 105, kRussian = 106, kOdessa = 107, kMoosehide = 108, kAlaska = 109,
              kAustralian = 110, kDoubleYukon = 111;

const char* const kSeven = "1 2 3 4 5 6 7";
const char* const kTen = "1 2 3 4 5 6 7 8 9 10";
const char* const kYukon = "1 6 7 8 9 10 11";

const DealShape kShapes[] = {
    {kVegas, 24, kSeven, "1*7"},           {kCasino, 24, kSeven, "1*7"},
    {kSaratoga, 24, kSeven, "-1*7"},       {kWhitehead, 24, kSeven, "-1*7"},
    {kWestcliff, 22, "3*10", "1*10"},      {kEastcliff, 31, "3*7", "1*7"},
    {kEasthaven, 31, "3*7", "1*7"},        {kWesthaven, 22, "3*10", "1*10"},
    {kThumbAndPouch, 24, kSeven, "1*7"},   {kAgnesSorel, 23, kSeven, "-1*7", "", 1},
    {kAuntMary, 16, "6*6", "6 5 4 3 2 1"}, {kPasSeul, 46, "1*6", "-1*6"},
    {kBlindAlleys, 30, "3*6", "1*6", "", 4}, {kTrigon, 24, kSeven, "1*7"},
    {kKingsley, 24, kSeven, "1*7"},        {kAthena, 24, "4*7", "2*7"},
    {kWhitehorse, 45, "1*7", "-1*7"},      {kBigForty, 12, "4*10", "-1*10"},
    {kAliBaba, 8, "4*10", "-1*10", "", 4}, {kDoubleKlondike, 59, "1 2 3 4 5 6 7 8 9", "1*9"},
    {kGargantua, 59, "1 2 3 4 5 6 7 8 9", "1*9"}, {kBigHarp, 49, kTen, "1*10"},
    {kLadyJane, 49, kTen, "-1*10"},        {kBatsford, 49, kTen, "1*10", "0"},
    {kEightByEight, 40, "8*8", "-1*8"},    {kRussian, 0, kYukon, "1 5*6"},
    {kOdessa, 0, "6 8*5 6", "3 5*5 3"},    {kMoosehide, 0, kYukon, "1 5*6"},
    {kAlaska, 0, kYukon, "1 5*6"},         {kAustralian, 24, "4*7", "-1*7"},
    {kDoubleYukon, 0, "5 7 8 9 10 11 12 13 14 15", "4 5*9"},
};

TEST(KlondikeTypes, DealShapes) {
  for (const DealShape& s : kShapes)
    for (long long deal : {1LL, 2LL, 1000LL}) expectDealShape(s, deal);
}

const BuildProbe kBuilds[] = {
    {kVegas, "8H", "7S", "7D"},          {kVegas, "", "KS", "QS"},
    {kCasino, "8C", "7D", "7S"},         {kSaratoga, "8H", "7C", "7H"},
    {kWhitehead, "8H", "7D", "7S"},      {kWhitehead, "", "7S", ""},  // the same colour
    {kWestcliff, "8H", "7S", "7H"},      {kWestcliff, "", "7H", ""},
    {kEastcliff, "8D", "7C", "7H"},      {kEasthaven, "8H", "7S", "7D"},
    {kEasthaven, "", "2D", ""},          {kWesthaven, "8S", "7H", "7C"},
    {kThumbAndPouch, "8H", "7D", "7H"},  {kThumbAndPouch, "", "7H", ""},  // any suit but its own
    {kAgnesSorel, "8H", "7D", "7S"},     {kAuntMary, "8H", "7S", "7D"},
    {kAuntMary, "", "KD", "QD"},         {kPasSeul, "8H", "7S", "7D"},
    {kPasSeul, "", "7D", ""},            {kBlindAlleys, "8H", "7C", "7H"},
    {kTrigon, "8H", "7H", "7D"},         {kTrigon, "", "KH", "QH"},
    {kKingsley, "8H", "9S", "9D"},       {kKingsley, "8H", "", "7S"},  // built up
    {kKingsley, "KH", "", "AS"},         {kKingsley, "", "AS", "KS"},  // nothing on a King; Aces on spaces
    {kAthena, "8H", "7S", "7D"},         {kAthena, "", "KH", "QH"},
    {kWhitehorse, "8H", "7S", "7D"},     {kBigForty, "8H", "7H", "7D"},
    {kBigForty, "", "7D", ""},           {kAliBaba, "8C", "7C", "7S"},
    {kDoubleKlondike, "8H'", "7S", "7D"}, {kDoubleKlondike, "", "KS'", "QS'"},
    {kGargantua, "8H", "7S'", "7D'"},    {kBigHarp, "8H", "7C'", "7H'"},
    {kBigHarp, "", "7H", ""},            {kLadyJane, "8H", "7H", "6H"},
    {kBatsford, "8H", "7S", "7D"},       {kBatsford, "", "KH'", "QH'"},
    {kEightByEight, "8H", "7S", "7D"},   {kEightByEight, "", "7D", ""},
    {kRussian, "8H", "7H", "7D"},        {kRussian, "", "KH", "QH"},
    {kOdessa, "8S", "7S", "7C"},         {kMoosehide, "8H", "7D", "7H"},  // any suit but its own
    {kAlaska, "8H", "9H", "9D"},         {kAlaska, "8H", "7H", "7D"},
    {kAustralian, "8H", "7H", "7D"},     {kAustralian, "", "KD", "QD"},
    {kDoubleYukon, "8H'", "7S", "7D'"},  {kDoubleYukon, "", "KS'", "QS'"},
    // Batsford's reserve takes single Kings, three at most.
    {kBatsford, "", "KS", "QS", "Appogg1"},
};

TEST(KlondikeTypes, BuildsAndSpaces) {
  for (const BuildProbe& p : kBuilds) expectBuildProbe(p);
}

const RunProbe kRuns[] = {
    {kVegas, "9H", {"8S", "7D"}, true},
    {kWhitehead, "9H", {"8D", "7D"}, true},   // a same-colour run in one suit moves
    {kWhitehead, "9H", {"8D", "7H"}, false},  // a same-colour run of two suits does not
    {kLadyJane, "9H", {"8S", "7S"}, true},    {kLadyJane, "9H", {"8S", "7H"}, false},
    {kRussian, "8H", {"7H", "2C", "9D"}, true},  // any face-up card moves with those above it
    {kMoosehide, "8H", {"7S", "KD"}, true},      {kBigForty, "9H", {"8H", "7H"}, true},
    {kDoubleYukon, "8H", {"7S'", "2C", "9D"}, true}, {kDoubleYukon, "8H", {"7D", "6S"}, false},
};

TEST(KlondikeTypes, Runs) {
  for (const RunProbe& p : kRuns) expectRunProbe(p);
}

const StockProbe kStocks[] = {
    {kVegas, 1, 0},       {kCasino, 1, 3},          {kSaratoga, 3, -1},      {kWhitehead, 1, 0},
    {kWestcliff, 1, 0},   {kEastcliff, 1, 0},       {kEasthaven, 7, 0, true}, {kWesthaven, 10, 0, true},
    {kThumbAndPouch, 1, 0}, {kAgnesSorel, 7, 0, true}, {kAuntMary, 1, 0},     {kPasSeul, 1, 0},
    {kBlindAlleys, 1, 2}, {kTrigon, 1, -1},         {kKingsley, 1, 0},       {kAthena, 1, -1},
    {kWhitehorse, 3, -1}, {kBigForty, 1, -1},       {kAliBaba, 1, -1},       {kDoubleKlondike, 1, -1},
    {kGargantua, 1, 2},   {kBigHarp, 1, 0},         {kLadyJane, 3, 2},       {kBatsford, 1, 0},
    {kEightByEight, 1, -1}, {kAustralian, 1, 0},
};

TEST(KlondikeTypes, StockPressesAndPasses) {
  for (const StockProbe& p : kStocks) expectStockProbe(p);
}

TEST(KlondikeTypes, WonWhenTheLastCardGoesUp) {
  for (int game = kVegas; game <= kDoubleYukon; ++game) expectWinProbe({game});
}

// Eastcliff lets a foundation's top card come back to the piles.
TEST(KlondikeTypes, EastcliffTakesFoundationCardsBack) {
  GamePlay play(kEastcliff, 1);
  play.arrange("Dest1", {"AH", "2H", "3H"});
  play.arrange("Fila1", {"4S"});
  EXPECT_EQ(play.move("3H", "Fila1"), "ok");
  GamePlay vegas(kVegas, 1);
  vegas.arrange("Dest1", {"AH", "2H", "3H"});
  vegas.arrange("Fila1", {"4S"});
  EXPECT_EQ(vegas.move("3H", "Fila1"), "refused");
}

// Agnes Sorel: a space takes only the rank below the base, a King when the
// base is an Ace.
TEST(KlondikeTypes, AgnesSorelSpacesTakeTheRankBelowTheBase) {
  GamePlay play(kAgnesSorel, 1);
  const int baseRank = (play.table().top("Dest1") - 1) % 13 + 1;
  const int below = baseRank == 1 ? 13 : baseRank - 1;
  static const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  const std::string fits = std::string(ranks[below - 1]) + "S";
  const std::string other = std::string(ranks[below % 13]) + "S";
  play.arrange("Fila1", {});
  play.arrange("Fila2", {other});
  EXPECT_EQ(play.move(other, "Fila1"), "refused");
  play.arrange("Fila2", {fits});
  EXPECT_EQ(play.move(fits, "Fila1"), "ok");
}

// Batsford: the King reserve holds three Kings at most, one at a time.
TEST(KlondikeTypes, BatsfordKeepsThreeKingsAtMost) {
  GamePlay play(kBatsford, 1);
  play.arrange("Appogg1", {"KH", "KS"});
  play.arrange("Fila1", {"KD"});
  play.arrange("Fila2", {"KC"});
  EXPECT_EQ(play.move("KD", "Appogg1"), "ok");
  EXPECT_EQ(play.move("KC", "Appogg1"), "refused");
  EXPECT_EQ(play.move("KD", "Fila2"), "refused");  // a King goes on nothing
  play.arrange("Fila3", {});
  EXPECT_EQ(play.move("KD", "Fila3"), "ok");  // and comes back to a space
}

// Relaxed piles: the stock deals onto every pile also over a space.
TEST(KlondikeTypes, EasthavenDealsARowOverSpaces) {
  GamePlay play(kEasthaven, 1);
  play.arrange("Fila4", {});
  EXPECT_EQ(play.run("stock"), "ok");
  EXPECT_EQ(play.table().size("Fila4"), 1);
}

// Alaska (the named compromise): with Ace-based foundations nothing goes on
// a tableau Ace, and an Ace goes on the King of its suit.
TEST(KlondikeTypes, AlaskaRefusesATwoOnAnAceAndTakesAnAceOnAKing) {
  expectBuildProbe({kAlaska, "AH", "", "2H"});
  expectBuildProbe({kAlaska, "KH", "AH", "AD"});
}

}  // namespace
}  // namespace kes::cli
