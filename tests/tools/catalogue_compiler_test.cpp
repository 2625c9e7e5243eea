#include <gtest/gtest.h>

#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/source_printer.h"
#include "datafiles/catalogue_codec.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"

namespace kes::catalogue {
namespace {

// A small valid game; tests append or replace lines to break it.
const std::string kGame = R"(# a comment
number = 7
name = Test Game
category = 12
selected = yes
rules = Build down. # comment after a value
  Second line of the rules.
cards = 52
family = standard
tableau.count = 3
tableau.deal = 5*2 7
tableau.face = all-up top-up, 2
tableau.empty = king*3
foundation.count = 4
foundation.base = ace*4
foundation.deal = card-040 none own-ace first-king
stock.deal = 30
stock.passes = unlimited
run-limit = -5
tableau.placement = special-061
second-waste.start-card = card-104
param-9 = 12
)";

ParsedSource parse(const std::string& text) { return parseGameSource(text, "007-test.game"); }

std::string firstError(const std::string& text) {
  const ParsedSource p = parse(text);
  return p.errors.empty() ? std::string("(no error)") : p.errors.front().text();
}

// kGame with one key's line replaced (or added when absent).
std::string with(const std::string& key, const std::string& line) {
  std::string text = kGame;
  const std::size_t at = text.find("\n" + key + " = ");
  if (at == std::string::npos) return text + line + "\n";
  const std::size_t end = text.find('\n', at + 1);
  return text.replace(at + 1, end - at - 1, line);
}

TEST(CatalogueSource, ReadsNamesListsSymbolsAndNumbers) {
  const ParsedSource p = parse(kGame);
  ASSERT_TRUE(p.ok()) << p.errors.front().text();
  const GameSource& g = p.game;
  EXPECT_EQ(g.number, 7);
  EXPECT_EQ(g.name, "Test Game");
  EXPECT_EQ(g.category, 12);
  EXPECT_TRUE(g.selected);
  EXPECT_EQ(g.rules, "Build down. Second line of the rules.");
  const auto at = [&](int e) { return static_cast<int>(g.params[static_cast<std::size_t>(e)]); };
  EXPECT_EQ(at(Param::tableauDealCount(0)), 5);
  EXPECT_EQ(at(Param::tableauDealCount(1)), 5);
  EXPECT_EQ(at(Param::tableauDealCount(2)), 7);
  EXPECT_EQ(at(Param::tableauDealFace(0)), 104);
  EXPECT_EQ(at(Param::tableauDealFace(1)), 1);
  EXPECT_EQ(at(Param::tableauDealFace(2)), 2);
  EXPECT_EQ(at(Param::tableauEmptyBase(2)), 13);
  EXPECT_EQ(at(Param::tableauEmptyBase(3)), 0);
  EXPECT_EQ(at(Param::foundationDealCode(0)), 140);
  EXPECT_EQ(at(Param::foundationDealCode(2)), 1);
  EXPECT_EQ(at(Param::foundationDealCode(3)), 63);
  EXPECT_EQ(at(Param::StockPasses), -1);
  EXPECT_EQ(at(Param::RunLimitMode), -5);
  EXPECT_EQ(at(Param::TableauPlacementVariant), 61);
  EXPECT_EQ(at(Param::SecondWasteDealCard), 204);
  EXPECT_EQ(at(9), 12);
}

TEST(CatalogueSource, ListsMayCoverEverySlot) {
  const ParsedSource p = parse(with("tableau.wrap", "tableau.wrap = no*3 yes*4 no*19"));
  ASSERT_TRUE(p.ok()) << p.errors.front().text();
  EXPECT_EQ(p.game.params[static_cast<std::size_t>(Param::tableauWrap(5))], 1);
}

TEST(CatalogueSource, ErrorsNameTheFileAndLine) {
  EXPECT_EQ(firstError(with("colour", "colour = red")), "007-test.game:23: unknown key 'colour'");
  EXPECT_EQ(firstError(with("family", "family = klondikeish")),
            "007-test.game:9: unknown symbol 'klondikeish' for family (a number or a family symbol)");
  EXPECT_EQ(firstError(with("stock.deal", "stock.deal = 32768")), "007-test.game:17: value 32768 of stock.deal is outside 16 bits");
  EXPECT_EQ(firstError(with("stock.deal", "stock.deal = -32769")), "007-test.game:17: value -32769 of stock.deal is outside 16 bits");
  EXPECT_EQ(firstError(with("tableau.deal", "tableau.deal = 5*2")),
            "007-test.game:11: tableau.deal gives 2 values but tableau.count is 3 (give 3, or all 26)");
  EXPECT_EQ(firstError(with("param-346", "param-346 = 1")), "007-test.game:23: parameter 346 is above 345");
  EXPECT_EQ(firstError(with("category", "category = 1")), "007-test.game:4: category '1' does not exist");
  EXPECT_EQ(firstError(with("category", "category = 800")), "007-test.game:4: category '800' does not exist");
  EXPECT_EQ(firstError(kGame + "cards = 104\n"), "007-test.game:23: 'cards' is given twice (also on line 8)");
  EXPECT_EQ(firstError(with("param-35", "param-35 = 2")), "007-test.game:23: entry 35 is set both by family and by param-35");
  EXPECT_EQ(firstError("  stray\n" + kGame), "007-test.game:1: a continuation line with no key above it");
  EXPECT_EQ(firstError(kGame + "just words\n"), "007-test.game:23: expected 'key = value'");
  EXPECT_EQ(firstError(with("tableau.count", "tableau.count = 27")), "007-test.game:10: tableau.count must be 0 to 26");
  EXPECT_EQ(firstError(with("number", "number = 1000")), "007-test.game:2: the game number must be 1 to 999: '1000'");
  EXPECT_EQ(firstError(with("stock.deal", "stock.deal = 40")), "007-test.game:8: the deal needs 57 cards but the game has 52");
  EXPECT_EQ(firstError(with("tableau.face", "tableau.face = up*0")), "007-test.game:12: bad repeat count in 'up*0' of tableau.face");
  EXPECT_EQ(firstError(with("foundation.deal", "foundation.deal = card-105*4")),
            "007-test.game:16: unknown symbol 'card-105' for foundation.deal (a number or a foundation-deal symbol)");
  EXPECT_EQ(firstError(with("tableau.placement", "tableau.placement = special-102")),
            "007-test.game:20: unknown symbol 'special-102' for tableau.placement (a number or a tableau-placement symbol)");
  const std::string noName = with("name", "# no name");
  EXPECT_EQ(firstError(noName), "007-test.game: no 'name' is given");
}

TEST(CatalogueSource, SymbolsBelongToTheirKind) {
  // "ace" is a base, not a build rule.
  EXPECT_NE(firstError(with("tableau.build", "tableau.build = ace*3")).find("unknown symbol 'ace'"), std::string::npos);
  EXPECT_TRUE(parse(with("tableau.build", "tableau.build = alternate-colours*3")).ok());
}

GameSource game(int number, const std::string& name) {
  ParsedSource p = parse(with("name", "name = " + name));
  p.game.number = number;
  p.game.file = std::to_string(number) + ".game";
  return p.game;
}

TEST(CatalogueWriter, RefusesTwoGamesWithOneNumberOrOneName) {
  const CompiledCatalogue numbers = compileCatalogue({game(3, "A"), game(3, "B")});
  ASSERT_EQ(numbers.errors.size(), 1u);
  EXPECT_EQ(numbers.errors[0].text(), "3.game:2: game number 3 is also used by 3.game");
  const CompiledCatalogue names = compileCatalogue({game(3, "Spider"), game(4, "SPIDER")});
  ASSERT_EQ(names.errors.size(), 1u);
  EXPECT_EQ(names.errors[0].text(), "4.game:3: the name 'SPIDER' is also used by 3.game");
}

CatalogueText asText(const std::string& bytes) {
  CatalogueText t{"GAMES.DAT", {}};
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    t.lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return t;
}

TEST(CatalogueWriter, WritesTheStoredLayout) {
  GameSource four = game(4, "Four");
  four.params[static_cast<std::size_t>(Param::StockPasses)] = -1;
  four.selected = false;
  const CompiledCatalogue c = compileCatalogue({four, game(2, "Two")});
  ASSERT_TRUE(c.ok());
  const CatalogueText t = asText(c.bytes);
  ASSERT_EQ(t.lines.size(), 1u + 2 + 1 + 345 + 1 + 1);
  EXPECT_EQ(t.lines[0], "[Sect1]");
  EXPECT_EQ(restoreCatalogueText(t.lines[1]), "12  002   Two" + std::string(47, ' '));
  EXPECT_EQ(t.lines[3], "[Sect2]");
  const std::string passes = t.lines[3 + Param::StockPasses];
  EXPECT_EQ(passes.substr(0, 4), "0013");
  const std::string plain = restoreCatalogueText(passes);
  // Columns for games 0 .. 4 at 17 + 11 g (1-based), 10 characters each.
  ASSERT_EQ(plain.size(), 16u + 5 * 11 - 1);
  EXPECT_EQ(plain.substr(16 + 11 * 0, 10), "         0");
  EXPECT_EQ(plain.substr(16 + 11 * 2, 10), "        -1");
  EXPECT_EQ(plain.substr(16 + 11 * 3, 10), "         0");  // no game 3
  EXPECT_EQ(plain.substr(16 + 11 * 4, 10), "        -1");
  EXPECT_EQ(t.lines[349], "[SectS]");
  EXPECT_EQ(restoreCatalogueText(t.lines[350]), "2");

  // Read back through the program's reader.
  GameParams p;
  SavedPileParams saved;
  ASSERT_TRUE(loadGameParams(t, 4, std::nullopt, p, saved).ok());
  EXPECT_EQ(p[Param::StockPasses], -1);
  EXPECT_EQ(p[Param::foundationDealCode(0)], 140);
  EXPECT_EQ(loadGameList(t).name(4), "Four");
  EXPECT_EQ(loadGameList(t).category(3), -1);
}

TEST(CataloguePrinter, PrintsSymbolsListsAndRawEntries) {
  const ParsedSource p = parse(kGame);
  const std::string text = printGameSource(p.game);
  EXPECT_NE(text.find("\ntableau.deal = 5*2 7\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\ntableau.face = all-up top-up 2\n"), std::string::npos);
  EXPECT_NE(text.find("\nfoundation.deal = card-040 none own-ace first-king\n"), std::string::npos);
  EXPECT_NE(text.find("\nstock.passes = unlimited\n"), std::string::npos);
  EXPECT_NE(text.find("\ntableau.placement = special-061\n"), std::string::npos);
  EXPECT_NE(text.find("\nsecond-waste.start-card = card-104\n"), std::string::npos);
  EXPECT_NE(text.find("\nparam-9 = 12\n"), std::string::npos);
  EXPECT_EQ(text.find("reserve.kind"), std::string::npos);  // no reserves in use
}

}  // namespace
}  // namespace kes::catalogue
