// The FreeCell type games added to the catalogue (category 4) played
// through the command driver: the deal, the build rules, spaces, cells,
// runs and the win, one table row per game.

#include <gtest/gtest.h>

#include "catalogue_probes.h"

namespace kes::cli {
namespace {

using namespace probe;

constexpr int kRelaxedFreeCell = 64, kKingOnlyBakersGame = 65, kRelaxedSeahaven = 66, kForeCell = 67,
              kSevenByFour = 68, kSevenByFive = 69, kBath = 70, kKingCell = 71, kRepair = 72, kDoubleFreeCell = 73, kDoubleEightOff = 75,
              kStalactites = 76, kCanCan = 77, kSpidercells = 78, kRetinue = 79;

const DealShape kShapes[] = {
    {kRelaxedFreeCell, 0, "7*4 6*4", "-1*8", "0*4"},
    {kKingOnlyBakersGame, 0, "7*4 6*4", "-1*8", "0*4"},
    {kRelaxedSeahaven, 0, "5*10", "-1*10", "0 1 1 0"},
    {kForeCell, 0, "6*8", "-1*8", "1*4"},
    {kSevenByFour, 0, "8*3 7*4", "-1*7", "0*4"},
    {kSevenByFive, 0, "8*3 7*4", "-1*7", "0*5"},
    {kBath, 0, "1 2 3 4 5 6 7 8 8 8", "-1*10", "0*2"},
    {kKingCell, 0, "7*4 6*4", "-1*8", "0*4"},
    {kRepair, 0, "10*10", "-1*10", "1*4"},
    {kDoubleFreeCell, 0, "11*4 10*6", "-1*10", "0*6"},
    {kDoubleEightOff, 0, "8*12", "-1*12", "1*8"},
    {kStalactites, 0, "6*8", "-1*8", "0*2", 4},
    {kCanCan, 0, "4*10 3*3", "-1*13", "1*3"},
    {kSpidercells, 0, "7*4 6*4", "-1*8", "0*4"},
    // Piles of any length, each headed by a King; what went up at the deal's
    // end is counted with the tableau.
    {kRetinue, 0, "13*8", "-1*8", "", 0, true},
};

TEST(FreeCellTypes, DealShapes) {
  for (const DealShape& s : kShapes)
    for (long long deal : {1LL, 2LL, 1000LL}) expectDealShape(s, deal);
}

const BuildProbe kBuilds[] = {
    {kRelaxedFreeCell, "8H", "7S", "7D"},     {kRelaxedFreeCell, "", "7D", ""},
    {kKingOnlyBakersGame, "8H", "7H", "7S"},  {kKingOnlyBakersGame, "", "KS", "QS"},
    {kRelaxedSeahaven, "8C", "7C", "7S"},     {kRelaxedSeahaven, "", "KC", "JC"},
    {kForeCell, "8H", "7C", "7D"},            {kForeCell, "", "KD", "QD"},
    {kSevenByFour, "8D", "7S", "7H"},         {kSevenByFour, "", "7H", ""},
    {kSevenByFive, "8S", "7D", "7C"},         {kBath, "8H", "7S", "7D"},
    {kBath, "", "KH", "QH"},                  {kKingCell, "8H", "7H", "6H"},
    {kKingCell, "", "KH", "QH"},              {kRepair, "8H", "7S'", "7D'"},
    {kRepair, "", "7D'", ""},                 {kDoubleEightOff, "8H'", "7H", "7D"},
    {kDoubleEightOff, "", "KH'", "QH'"},      {kStalactites, "8H", "", "7H"},  // nothing is built on the piles
    {kStalactites, "", "", "KH"},             {kCanCan, "8H", "7S", "7D"},
    {kCanCan, "", "KS", "QS"},                {kSpidercells, "8H", "7S", "7D"},
    {kDoubleFreeCell, "8H'", "7S", "7D'"},    {kDoubleFreeCell, "", "7D'", ""},
    {kRetinue, "8H", "7C'", "7D"},            {kRetinue, "", "", "KS"},  // a space is never filled
    // A free cell takes one card while empty.
    {kRelaxedFreeCell, "", "7D", "", "Appogg1"},  {kRelaxedFreeCell, "9C", "", "7D", "Appogg1"},
    {kStalactites, "", "7D", "", "Appogg2"},      {kDoubleEightOff, "9C", "", "7D", "Appogg8"},
    {kDoubleFreeCell, "", "7D", "", "Appogg6"},   {kDoubleFreeCell, "9C", "", "7D", "Appogg6"},
    {kRetinue, "", "7H'", "", "Appogg8"},
};

TEST(FreeCellTypes, BuildsSpacesAndCells) {
  for (const BuildProbe& p : kBuilds) expectBuildProbe(p);
}

// With the four cells free: the relaxed games move any run, the others at
// most the free cells + 1 (no pile is empty here).
const std::vector<std::string> kLongRun{"8S", "7H", "6S", "5H", "4S", "3H"};
const std::vector<std::string> kLongRunInSuit{"8H", "7H", "6H", "5H", "4H", "3H"};
const RunProbe kRuns[] = {
    {kRelaxedFreeCell, "9H", kLongRun, true},
    {kSevenByFour, "9H", kLongRun, false},
    {kSevenByFour, "9H", {"8S", "7H", "6S", "5H", "4S"}, true},
    {kRelaxedSeahaven, "9H", kLongRunInSuit, true},
    {kKingOnlyBakersGame, "9H", kLongRunInSuit, false},
    {kKingOnlyBakersGame, "9H", {"8H", "7H", "6H", "5H", "4H"}, true},
    {kKingCell, "9S", {"8H", "7D", "6C", "5S", "4H", "3D"}, false},
    {kRepair, "9H", kLongRun, true},  // its cells start full: only the relaxed rule allows this
    {kForeCell, "9H", {"8S", "7H"}, false},  // its cells start full: one card
    {kStalactites, "9H", {"8S", "7H"}, false},
    // Six free cells and no space: seven cards, not eight.
    {kDoubleFreeCell, "9H", {"8S", "7H", "6S", "5H", "4S", "3H", "2S"}, true},
    {kDoubleFreeCell, "10H", {"9S", "8H", "7S", "6H", "5S", "4H", "3S", "2H"}, false},
    // Eight free cells: nine cards, not ten.
    {kRetinue, "KH", {"QS", "JH", "10S", "9H", "8S", "7H", "6S", "5H", "4S"}, true},
    {kRetinue, "KH", {"QS", "JH", "10S", "9H", "8S", "7H", "6S", "5H", "4S", "3H"}, false},
};

TEST(FreeCellTypes, Runs) {
  for (const RunProbe& p : kRuns) expectRunProbe(p);
}

TEST(FreeCellTypes, WonWhenTheLastCardGoesUp) {
  for (int game : {kRelaxedFreeCell, kKingOnlyBakersGame, kRelaxedSeahaven, kForeCell, kSevenByFour, kSevenByFive, kBath,
                   kKingCell, kRepair, kDoubleFreeCell, kDoubleEightOff, kStalactites, kCanCan, kRetinue})
    expectWinProbe({game});
  expectWinProbe({kSpidercells, true, true});
}

// Stalactites: each foundation builds up from its own dealt card regardless
// of suit, round the corner from King to Ace, to 13 cards.
TEST(FreeCellTypes, StalactitesFoundationsBuildUpRegardlessOfSuitFromTheirOwnCard) {
  static const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  const auto named = [](int rank, const char* suit) { return std::string(ranks[(rank + 12) % 13]) + suit; };
  for (long long deal = 1; deal <= 3; ++deal) {
    GamePlay play(kStalactites, deal);
    const int base = (play.table().top("Dest1") - 1) % 13 + 1;
    const int next = base % 13 + 1;
    // Two cards of the next rank in other suits than the base card's and
    // each other's, and one of the rank after.
    play.arrange("Fila1", {named(next, "S")});
    play.arrange("Fila2", {named(next % 13 + 2, "C")});
    play.arrange("Fila3", {named(next, "D")});
    EXPECT_EQ(play.move(named(next % 13 + 2, "C"), "Dest1"), "refused") << deal;
    EXPECT_EQ(play.move(named(next, "S"), "Dest1"), "ok") << deal;
    EXPECT_EQ(play.move(named(next, "D"), "Dest1"), "refused") << deal;  // one card of each rank
    // Round the corner from King to Ace, unless the foundation began with an
    // Ace and so ends with the King.
    std::vector<std::string> toKing;
    for (int r = base; toKing.empty() || r != 1; r = r % 13 + 1) toKing.push_back(named(r, r % 2 ? "H" : "C"));
    play.arrange("Dest1", toKing);
    play.arrange("Fila4", {"AD"});
    EXPECT_EQ(play.move("AD", "Dest1"), base == 1 ? "refused" : "ok") << deal;
    EXPECT_EQ(play.table().size("Dest1"), base == 1 ? 13 : 15 - base) << deal;
  }
}

// Spidercells: nothing goes to a foundation by hand; a King-to-Ace run in
// alternate colours leaves the table at once.
TEST(FreeCellTypes, SpidercellsRemovesCompleteRunsInAlternateColours) {
  GamePlay play(kSpidercells, 1);
  play.arrange("Fila3", {"AH"});
  EXPECT_EQ(play.move("AH", "Dest1"), "refused");
  play.arrange("Fila1", {"KS", "QH", "JS", "10H", "9S", "8H", "7S", "6H", "5S", "4H", "3S", "2H"});
  play.arrange("Fila2", {"AS"});
  EXPECT_EQ(play.move("AS", "Fila1"), "ok");
  const ShownTable t = play.table();
  EXPECT_EQ(t.size("Fila1"), 0);
  EXPECT_EQ(t.size("Dest1"), 13);
}

// Retinue: every King starts a pile of its own, and (the named compromise)
// the foundations take what they can at the deal's end, wherever it lies, so
// no Ace is left in the piles.
TEST(FreeCellTypes, RetinueDealsKingHeadedPilesAndBringsUpEveryAce) {
  for (long long deal : {1LL, 2LL, 1000LL}) {
    GamePlay play(kRetinue, deal);
    const ShownTable t = play.table();
    int aces = 0;
    for (int i = 1; i <= 8; ++i) {
      const std::string pile = "Fila" + std::to_string(i);
      ASSERT_GT(t.size(pile), 0) << deal << " " << pile;
      const std::vector<int> codes = t.codes(pile);
      EXPECT_EQ((codes.front() - 1) % 13 + 1, 13) << deal << " " << pile << " is not headed by a King";
      for (std::size_t k = 1; k < codes.size(); ++k) {
        EXPECT_NE((codes[k] - 1) % 13 + 1, 13) << deal << " " << pile << ": a second King";
        EXPECT_NE((codes[k] - 1) % 13 + 1, 1) << deal << " " << pile << ": an Ace left in the pile";
      }
    }
    for (int f = 1; f <= 8; ++f) {
      const std::vector<int> codes = t.codes("Dest" + std::to_string(f));
      if (!codes.empty() && (codes.front() - 1) % 13 + 1 == 1) ++aces;
    }
    EXPECT_EQ(aces, 8) << deal;
  }
}

}  // namespace
}  // namespace kes::cli
