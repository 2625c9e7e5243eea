#include <algorithm>
#include <fstream>

#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/game_categories.h"
#include "datafiles/game_list.h"
#include "test_temp_dir.h"

namespace kes {
namespace {

using test::catalogue;
using test::gameLine;
using test::paramLine;
using test::stored;

TEST(CatalogueText, RestoresEachCharacterByItsCode) {
  EXPECT_EQ(restoreCatalogueChar('P'), ' ');   // 80 -> 32
  EXPECT_EQ(restoreCatalogueChar('`'), '0');   // 96 -> 48
  EXPECT_EQ(restoreCatalogueChar(']'), '-');   // 93 -> 45
  EXPECT_EQ(restoreCatalogueChar('0'), '`');   // below 80: 48 -> 96
  EXPECT_EQ(restoreCatalogueChar('\x4f'), '\x7f');
  EXPECT_EQ(restoreCatalogueChar(static_cast<char>(0x91)), 'a');  // 145 -> 97
  EXPECT_EQ(restoreCatalogueText("d`a"), "401");
}

TEST(CatalogueText, StoringIsUndoneByRestoringForEveryStorableCharacter) {
  for (int c = 32; c <= 207; ++c) {
    const char plain = static_cast<char>(c);
    const auto s = storeCatalogueChar(plain);
    ASSERT_TRUE(s) << c;
    EXPECT_GE(static_cast<unsigned char>(*s), 80) << c;
    EXPECT_EQ(restoreCatalogueChar(*s), plain) << c;
  }
  EXPECT_FALSE(storeCatalogueChar('\t'));
  EXPECT_FALSE(storeCatalogueChar(static_cast<char>(208)));
  EXPECT_FALSE(storeCatalogueText("Fan\n"));
}

TEST(CatalogueText, NumbersMayBePaddedAndSigned) {
  EXPECT_EQ(parseCatalogueNumber("        -1"), -1);
  EXPECT_EQ(parseCatalogueNumber("13   "), 13);
  EXPECT_EQ(parseCatalogueNumber("+7"), 7);
  for (const char* bad : {"", "          ", "-", "1 2", "12a", "0x10", "99999999999999999999999"})
    EXPECT_FALSE(parseCatalogueNumber(bad)) << bad;
}

TEST(CatalogueSections, RepeatedHeadersJoinTheirBodiesInFileOrder) {
  const std::vector<std::string> lines{"[Sect1]", "a", "b", "[Sect2]", "x", "[Sect1]", "c", "[Other", "d", "[Sect1] more", "e"};
  EXPECT_EQ(sectionLines(lines, "[Sect1]"), (std::vector<std::string>{"a", "b", "c", "e"}));
  EXPECT_EQ(sectionLines(lines, "[Sect2]"), (std::vector<std::string>{"x"}));
  EXPECT_TRUE(sectionLines(lines, "[SectS]").empty());
}

TEST(CatalogueFile, ReadsLinesWithEitherLineEndAndReportsAMissingFile) {
  TempDir dir;
  const auto file = catalogueFile(dir.path());
  EXPECT_FALSE(readCatalogue(file));
  EXPECT_EQ(missingCatalogueMessage("/x/GAMES.DAT"),
            "Cannot find file:\r/x/GAMES.DAT\rCopy the file into the directory that above is specified\r"
            "or reinstall the program.");
  std::ofstream(file, std::ios::binary) << "[Sect1]\r\nab\ncd\r\n";
  const auto text = readCatalogue(file);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->lines, (std::vector<std::string>{"[Sect1]", "ab", "cd"}));
  // An empty line is kept, and a last line needs no line end.
  std::ofstream(file, std::ios::binary | std::ios::trunc) << "ab\r\n\ncd";
  EXPECT_EQ(readCatalogue(file)->lines, (std::vector<std::string>{"ab", "", "cd"}));
  std::ofstream(file, std::ios::binary | std::ios::trunc) << "";
  EXPECT_TRUE(readCatalogue(file)->lines.empty());
}

class GameListTest : public ::testing::Test {
 protected:
  // Not one line per game: game 5 sits at index 1, and index 2 holds game 9.
  GameList list{loadGameList(catalogue({"[Sect1]", gameLine(4, 1, "FreeCell"), gameLine(3, 5, "Forty Thieves"),
                                        gameLine(6, 9, "La Belle Lucie"), "[Sect2]", "0001",
                                        "[Sect1]", gameLine(12, 2, "Baker's Dozen")}))};
};

TEST_F(GameListTest, LooksUpByIndexThenByScan) {
  EXPECT_EQ(list.name(5), "Forty Thieves");
  EXPECT_EQ(list.category(5), 3);
  EXPECT_EQ(list.name(2), "Baker's Dozen");  // from the second "[Sect1]" body, found by scanning
  EXPECT_EQ(list.category(2), 12);
  EXPECT_EQ(list.name(1), "FreeCell");
  EXPECT_EQ(list.name(3), "");
  EXPECT_EQ(list.category(3), -1);
  EXPECT_EQ(list.category(-4), -1);
}

TEST_F(GameListTest, ListsEntriesInFileOrder) {
  const auto e = list.entries();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].number, 1);
  EXPECT_EQ(e[2].name, "La Belle Lucie");
  EXPECT_EQ(e[3].category, 12);
}

TEST_F(GameListTest, NamesMatchRegardlessOfCaseAndTrailingBlanks) {
  EXPECT_EQ(list.numberByName("freecell"), 1);
  EXPECT_EQ(list.numberByName("LA BELLE LUCIE   "), 9);
  EXPECT_EQ(list.numberByName("Free"), -1);
  EXPECT_EQ(list.numberByName("Nowhere"), -1);
}

TEST_F(GameListTest, CustomGamesComeFromTheCustomLookupOnly) {
  int listedAsked = 0;
  CustomGameNames custom{[&](int n) {
                           ++listedAsked;
                           return n == 8000 ? std::string("My Cell") : std::string();
                         },
                         [](std::string_view name) { return name == "My Cell" ? 8000 : -1; }};
  EXPECT_EQ(list.name(8000, custom), "My Cell");
  EXPECT_EQ(list.name(8001, custom), "");
  EXPECT_EQ(listedAsked, 2);
  EXPECT_EQ(list.name(8000), "");
  EXPECT_EQ(list.category(8000), kCustomGamesCategory);
  EXPECT_EQ(list.category(9999), 800);
  EXPECT_EQ(list.numberByName("My Cell", custom), 8000);
  EXPECT_EQ(list.numberByName("FreeCell", custom), 1);
}

TEST(GameCategories, IconNamesAndTheUnknownCategoryMessage) {
  std::vector<std::string> shown;
  const auto show = [&](const std::string& m) { shown.push_back(m); };
  EXPECT_EQ(categoryIconName(4, show), "TREE5_FREECELL_TYPE");
  EXPECT_EQ(categoryIconName(12, show), "TREE5_BAKERSDOZEN_TYPE");
  EXPECT_EQ(categoryIconName(800, show), "TREE5_CUSTOMIZED_GAMES");
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(categoryIconName(1, show), "");
  EXPECT_EQ(categoryIconName(14, show), "");
  EXPECT_EQ(shown, (std::vector<std::string>{"GameCategory not found (1)", "GameCategory not found (14)"}));
  EXPECT_EQ(gameCategories().size(), 13u);
}

// Games 0..2 of a small matrix; the lines stand out of number order.
CatalogueText matrix() {
  return catalogue({
      "[Sect1]", gameLine(4, 1, "One"), gameLine(5, 2, "Two"),
      "[Sect2]",
      paramLine("0001", {"0", "10", "20"}),
      paramLine("0013", {"0", "-1", "3"}),       // second line of the section, parameter 13
      paramLine("0262", {"0", "2", "7"}),
      paramLine("0100", {"0", "13", "13"}),
      paramLine("0101", {"0", "13", "13"}),
      paramLine("0107", {"0", "0", "5"}),       // pile 8, beyond the 7 piles in use
      paramLine("0019", {"0", "1", "1"}),
      paramLine("0036", {"0", "1", "1"}),
      "[SectS]", stored("2  "), stored("x"), stored("1"),
  });
}

// The matrix where game 2 lets the player change all three rules, game 1 none.
CatalogueText customizableMatrix() {
  CatalogueText c = matrix();
  const auto at = std::find(c.lines.begin(), c.lines.end(), "[SectS]");
  c.lines.insert(at, {paramLine("0337", {"0", "0", "1"}), paramLine("0338", {"0", "0", "1"}),
                      paramLine("0339", {"0", "0", "1"})});
  return c;
}

TEST(ReadParameters, ReadsTheLineAtThePositionAndSkipsMinusOne) {
  const CatalogueText c = matrix();
  const std::vector<int> wanted{1, 2, -1, 7};
  const ParametersRead r = readParameters(c, 2, wanted);
  ASSERT_TRUE(r.ok()) << r.error;
  // Parameter 2 is the section's second line, whatever number it carries.
  EXPECT_EQ(r.values, (std::vector<int>{20, 3, kParameterNotRead, 1}));
}

TEST(ReadParameters, ReportsBadCellsAndMissingLinesByName) {
  CatalogueText c = matrix();
  c.lines.push_back("[Sect2]");
  c.lines.push_back(paramLine("0009", {"0", "abc", "        -1"}));
  const std::vector<int> ninth{9};
  EXPECT_EQ(readParameters(c, 2, ninth).values, std::vector<int>{-1});
  const ParametersRead bad = readParameters(c, 1, ninth);
  EXPECT_FALSE(bad.ok());
  EXPECT_NE(bad.error.find("GAMES.DAT"), std::string::npos);
  EXPECT_NE(bad.error.find("parameter 9"), std::string::npos);
  EXPECT_NE(bad.error.find("game 1"), std::string::npos);
  const std::vector<int> beyond{40};
  EXPECT_FALSE(readParameters(c, 1, beyond).ok());
  EXPECT_FALSE(readParameters(c, 7, ninth).ok());  // no column for game 7
  EXPECT_FALSE(readParameters(c, -1, ninth).ok());
}

TEST(LoadGameParams, FillsEntriesByTheNumbersTheLinesCarry) {
  GameParams p;
  SavedPileParams saved;
  ASSERT_TRUE(loadGameParams(matrix(), 2, std::nullopt, p, saved).ok());
  EXPECT_EQ(p[Param::FoundationBaseFromDeal], 20);
  EXPECT_EQ(p[Param::StockPasses], 3);
  EXPECT_EQ(p[Param::TableauCount], 7);
  EXPECT_EQ(p[Param::tableauEmptyBase(7)], 5);
  EXPECT_EQ(p[2], 0);  // no line for it
}

TEST(LoadGameParams, ACustomGameTakesItsBaseColumnAndItsRules) {
  GameParams p;
  SavedPileParams saved;
  ASSERT_TRUE(loadGameParams(customizableMatrix(), 8000, CustomGameRules{2, "003-012"}, p, saved).ok());
  EXPECT_EQ(p[Param::CardsPerStockPress], 3);
  EXPECT_EQ(p[Param::StockPasses], -1);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(p[Param::tableauEmptyBase(i)], -1) << i;
  EXPECT_EQ(p[Param::tableauEmptyBase(7)], 5);
  EXPECT_EQ(p[Param::FoundationBaseFromDeal], 20);  // everything else as the base game

  // The saved bases are the custom ones, so the next deal starts from them.
  p[Param::tableauEmptyBase(0)] = 6;
  p[Param::foundationBase(0)] = 7;
  saved.restore(p);
  EXPECT_EQ(p[Param::tableauEmptyBase(0)], -1);
  EXPECT_EQ(p[Param::foundationBase(0)], 1);
}

TEST(LoadGameParams, RulesTheBaseGameDoesNotOfferStayItsOwn) {
  GameParams p;
  SavedPileParams saved;
  ASSERT_TRUE(loadGameParams(customizableMatrix(), 8001, CustomGameRules{1, "001001" "3"}, p, saved).ok());
  EXPECT_EQ(p[Param::StockPasses], -1);
  EXPECT_EQ(p[Param::tableauEmptyBase(0)], 13);
}

TEST(LoadGameParams, RefusesWhatItCannotLoadAndLeavesNoGameLoaded) {
  GameParams p;
  SavedPileParams saved;
  p[Param::CardCount] = 52;
  EXPECT_FALSE(loadGameParams(matrix(), 8000, std::nullopt, p, saved).ok());
  EXPECT_FALSE(p.loaded());
  EXPECT_FALSE(loadGameParams(matrix(), 8000, CustomGameRules{-1, "0010010"}, p, saved).ok());

  CatalogueText c = matrix();
  c.lines.push_back("[Sect2]");
  c.lines.push_back(paramLine("0265", {"0", "52", "5x"}));
  EXPECT_TRUE(loadGameParams(c, 1, std::nullopt, p, saved).ok());
  EXPECT_TRUE(p.loaded());
  const LoadResult bad = loadGameParams(c, 2, std::nullopt, p, saved);
  EXPECT_NE(bad.error.find("parameter 265 of game 2"), std::string::npos) << bad.error;
  EXPECT_FALSE(p.loaded());

  for (const char* number : {"0346", "0000", "00x1"}) {
    CatalogueText odd = matrix();
    odd.lines.push_back("[Sect2]");
    odd.lines.push_back(paramLine(number, {"0", "1", "1"}));
    EXPECT_FALSE(loadGameParams(odd, 1, std::nullopt, p, saved).ok()) << number;
  }
  CatalogueText wide = matrix();
  wide.lines.push_back("[Sect2]");
  wide.lines.push_back(paramLine("0020", {"0", "40000", "1"}));
  EXPECT_FALSE(loadGameParams(wide, 1, std::nullopt, p, saved).ok());
}

TEST(SelectedGames, AreTheNumbersOfTheirSection) {
  const auto selected = selectedGames(matrix());
  EXPECT_EQ(selected, (std::vector<int>{2, 1}));
  EXPECT_TRUE(isSelectedGame(selected, 1));
  EXPECT_FALSE(isSelectedGame(selected, 3));
}

}  // namespace
}  // namespace kes
