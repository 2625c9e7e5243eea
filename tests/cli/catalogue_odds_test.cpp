// The solver's odds written into a catalogue source.
#include <gtest/gtest.h>

#include "cli/catalogue_odds.h"

namespace kes::cli {
namespace {

constexpr const char* kSource =
    "# A game.\n"
    "\n"
    "number = 7\n"
    "rules = Build down.\n"
    "  Odds are long.\n"
    "difficulty = medium\n"
    "chance-of-winning = medium\n"
    "odds.wins = 9999                  # nearly every deal\n"
    "odds.games = 10000\n";

OddsFigures figures(int won, int lost, int unknown) {
  return {1, won + lost + unknown, won, lost, unknown, 1000, 60000};
}

TEST(CatalogueOdds, WritesTheChanceTheOddsAndTheirFigures) {
  const std::string out = withOdds(kSource, figures(27, 2, 1));
  EXPECT_EQ(out,
            "# A game.\n"
            "\n"
            "number = 7\n"
            "rules = Build down.\n"
            "  Odds are long.\n"
            "difficulty = medium\n"
            "# Odds from the solver: deals 1-30, 27 won, 2 lost, 1 undecided; at most 1000 positions and 60000 "
            "ms a deal\n"
            "chance-of-winning = very-high\n"
            "odds.wins = 27\n"
            "odds.games = 30\n");
}

TEST(CatalogueOdds, ASecondRunReplacesTheFirst) {
  const std::string once = withOdds(kSource, figures(10, 20, 0));
  EXPECT_EQ(withOdds(once, figures(10, 20, 0)), once);
  const std::string again = withOdds(once, figures(5, 25, 0));
  EXPECT_EQ(again.find("10 won"), std::string::npos);
  EXPECT_NE(again.find("chance-of-winning = low\n"), std::string::npos);
  EXPECT_NE(again.find("odds.wins = 5\nodds.games = 30\n"), std::string::npos);
}

// Undecided deals count as not won, so with many of them the share says
// little: the chance the source had stays and no odds are shown.
TEST(CatalogueOdds, TooManyUndecidedKeepTheChanceAndClearTheOdds) {
  const std::string out = withOdds(kSource, figures(20, 6, 4));
  EXPECT_NE(out.find("chance-of-winning = medium\n"), std::string::npos);
  EXPECT_NE(out.find("odds.wins = 0\nodds.games = 0\n"), std::string::npos);
  EXPECT_NE(out.find("4 undecided; at most 1000 positions and 60000 ms a deal; too many undecided for odds\n"),
            std::string::npos);
  EXPECT_EQ(out.find("9999"), std::string::npos);
}

TEST(CatalogueOdds, OddsSetByNumberAreReplacedToo) {
  const std::string source = "number = 7\nparam-344 = 3\nparam-345 = 4\nchance-of-winning = low\n";
  const std::string out = withOdds(source, figures(30, 0, 0));
  EXPECT_EQ(out.find("param-34"), std::string::npos);
  EXPECT_NE(out.find("chance-of-winning = very-high\nodds.wins = 30\nodds.games = 30\n"), std::string::npos);
}

TEST(CatalogueOdds, ASourceWithoutAChanceGetsOneAtTheEnd) {
  const std::string out = withOdds("number = 7\n\n\n", figures(15, 15, 0));
  EXPECT_EQ(out.substr(0, 11), "number = 7\n");
  EXPECT_NE(out.find("\nchance-of-winning = medium\nodds.wins = 15\nodds.games = 30\n"), std::string::npos);
}

TEST(CatalogueOdds, ChanceThresholds) {
  EXPECT_EQ(chanceSymbolFor(1.0), "very-high");
  EXPECT_EQ(chanceSymbolFor(0.9), "very-high");
  EXPECT_EQ(chanceSymbolFor(0.89), "high");
  EXPECT_EQ(chanceSymbolFor(0.7), "high");
  EXPECT_EQ(chanceSymbolFor(0.4), "medium");
  EXPECT_EQ(chanceSymbolFor(0.39), "low");
  EXPECT_EQ(chanceSymbolFor(0.15), "low");
  EXPECT_EQ(chanceSymbolFor(0.0), "very-low");
}

TEST(CatalogueOdds, SourceFileNames) {
  EXPECT_EQ(sourceGameNumber("001-freecell.game"), 1);
  EXPECT_EQ(sourceGameNumber("244-lightweight.game"), 244);
  EXPECT_FALSE(sourceGameNumber("FORMAT.md"));
  EXPECT_FALSE(sourceGameNumber("000-none.game"));
  EXPECT_FALSE(sourceGameNumber("01-short.game"));
  EXPECT_FALSE(sourceGameNumber("001-freecell.game~"));
  EXPECT_FALSE(sourceGameNumber("0a1-x.game"));
}

}  // namespace
}  // namespace kes::cli
