// The help generator: dialog pages read from data/help, the rules page of a
// game, the summary drawn from its parameters, and the Qt help project.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue_compiler/game_source.h"
#include "help_generator/dialog_pages.h"
#include "help_generator/game_facts.h"
#include "help_generator/help_book.h"
#include "help_generator/rules_page.h"

namespace {

using namespace kes;
using namespace kes::help;

std::string sourceText(const std::string& file) {
  std::ifstream in(std::string(KESTROVA_CATALOGUE_SOURCE_DIR) + "/" + file);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

catalogue::GameSource game(const std::string& file) {
  const catalogue::ParsedSource parsed = catalogue::parseGameSource(sourceText(file), file);
  EXPECT_TRUE(parsed.ok()) << file;
  return parsed.game;
}

std::string factOf(const catalogue::GameSource& source, const std::string& label) {
  for (const GameFact& fact : gameFacts(source))
    if (fact.label == label) return fact.value;
  return "<none>";
}

TEST(HelpDialogPages, TopicTitleAndKeywordsComeFromTheFile) {
  std::string error;
  const auto page = dialogPage("1019-customize.html",
                               "<!-- keywords: cards,  backgrounds ,sounds -->\n<h1> Customize </h1>\n<p>Text</p>\n",
                               error);
  ASSERT_TRUE(page) << error;
  EXPECT_EQ(page->topic, 1019);
  EXPECT_EQ(page->title, "Customize");
  EXPECT_EQ(page->keywords, (std::vector<std::string>{"cards", "backgrounds", "sounds"}));
  EXPECT_EQ(page->body.find("keywords"), std::string::npos);
  EXPECT_NE(page->body.find("<p>Text</p>"), std::string::npos);
}

TEST(HelpDialogPages, PagesThatCannotBeFiledAreRefused) {
  std::string error;
  EXPECT_FALSE(dialogPage("customize.html", "<h1>A</h1>", error));
  EXPECT_FALSE(dialogPage("0-contents.html", "<h1>A</h1>", error));
  EXPECT_FALSE(dialogPage("3002-klondike.html", "<h1>Klondike</h1>", error));
  EXPECT_NE(error.find("rules"), std::string::npos);
  EXPECT_FALSE(dialogPage("1019-customize.html", "<p>no title</p>", error));
  EXPECT_NE(error.find("title"), std::string::npos);
}

TEST(HelpRulesPage, KlondikeHasItsRulesSummaryAndPreview) {
  const HelpPage page = rulesPage(game("002-klondike.game"), "previews/GAME0002.png");
  EXPECT_EQ(page.topic, 3002);
  EXPECT_EQ(pageFile(page.topic), "3002.html");
  EXPECT_EQ(page.title, "Klondike");
  EXPECT_NE(page.body.find("Seven piles are dealt"), std::string::npos);
  EXPECT_NE(page.body.find("<img src=\"previews/GAME0002.png\""), std::string::npos);
  EXPECT_NE(page.body.find("Move all 52 cards to the foundations."), std::string::npos);
  EXPECT_NE(page.body.find("Klondike type"), std::string::npos);
  const std::string document = pageDocument(page);
  EXPECT_NE(document.find("<title>Klondike</title>"), std::string::npos);
  EXPECT_EQ(rulesPage(game("002-klondike.game"), "").body.find("<img"), std::string::npos);
}

TEST(HelpRulesPage, NamesAndRulesAreEscaped) {
  catalogue::GameSource source = game("002-klondike.game");
  source.name = "Cats & <Dogs>";
  source.rules = "Play \"fair\" & square.";
  const HelpPage page = rulesPage(source, "");
  EXPECT_NE(page.body.find("<h1>Cats &amp; &lt;Dogs&gt;</h1>"), std::string::npos);
  EXPECT_NE(page.body.find("Play &quot;fair&quot; &amp; square."), std::string::npos);
  EXPECT_EQ(page.title, "Cats & <Dogs>");  // escaped where it is written
  EXPECT_NE(pageDocument(page).find("<title>Cats &amp; &lt;Dogs&gt;</title>"), std::string::npos);
}

TEST(HelpGameFacts, TheSummaryFollowsTheParameters) {
  const catalogue::GameSource klondike = game("002-klondike.game");
  EXPECT_EQ(factOf(klondike, "Cards"), "One pack of 52 cards");
  EXPECT_EQ(factOf(klondike, "Stock"), "Turned one card at a time");
  EXPECT_EQ(factOf(klondike, "Redeals"), "Unlimited");
  EXPECT_EQ(factOf(klondike, "Tableau spaces"), "A King only (or a run headed by one)");
  EXPECT_EQ(factOf(klondike, "Foundations"), "4 foundations, built up from Aces");
  EXPECT_EQ(factOf(klondike, "Difficulty"), "Easy");

  const catalogue::GameSource threeCards = game("003-klondike-3-cards.game");
  EXPECT_EQ(factOf(threeCards, "Stock"), "Turned 3 cards at a time");

  // FreeCell has no stock: neither the stock nor its redeals are listed.
  const catalogue::GameSource freecell = game("001-freecell.game");
  EXPECT_EQ(factOf(freecell, "Stock"), "<none>");
  EXPECT_EQ(factOf(freecell, "Redeals"), "<none>");
  EXPECT_EQ(factOf(freecell, "Reserves"), "4 cells");
  EXPECT_EQ(factOf(freecell, "Tableau spaces"), "Any card");

  catalogue::GameSource twice = klondike;
  twice.params[Param::StockPasses] = 3;
  twice.params[Param::CardCount] = 104;
  EXPECT_EQ(factOf(twice, "Redeals"), "2");
  EXPECT_EQ(factOf(twice, "Cards"), "Two packs, 104 cards");
  twice.params[Param::StockPasses] = 1;
  EXPECT_EQ(factOf(twice, "Redeals"), "None");
}

TEST(HelpGameFacts, HowToWinFollowsTheFamily) {
  EXPECT_NE(howToWin(game("015-poker-square.game")).find("100 points"), std::string::npos);
  EXPECT_EQ(howToWin(game("013-pyramid.game")), "Remove every card of the pyramid, the stock and the waste.");
  EXPECT_EQ(howToWin(game("004-spider.game")), "Move all 104 cards to the foundations.");
  EXPECT_EQ(howToWin(game("014-monte-carlo.game")).rfind("Clear the table", 0), 0u);
}

TEST(HelpBook, TheProjectListsEveryPageWithItsTopicAndContents) {
  HelpBook book;
  book.games.push_back({5, rulesPage(game("002-klondike.game"), "previews/GAME0002.png")});
  book.games.push_back({4, rulesPage(game("001-freecell.game"), "")});
  std::string error;
  book.dialogs.push_back(*dialogPage("1019-customize.html", "<!-- keywords: sounds -->\n<h1>Customize</h1>", error));
  book.pictures.push_back("previews/GAME0002.png");
  const std::string project = helpProject(book);
  for (const char* needed :
       {"<namespace>org.kestrova.help</namespace>", "<virtualFolder>doc</virtualFolder>", "<file>index.html</file>",
        "<file>help.css</file>", "<file>3002.html</file>", "<file>3001.html</file>", "<file>1019.html</file>",
        "<file>previews/GAME0002.png</file>", "<keyword name=\"Klondike\" id=\"topic-3002\" ref=\"3002.html\"/>",
        "<keyword name=\"sounds\" ref=\"1019.html\"/>", "<section title=\"Klondike type\" ref=\"index.html#category-5\">",
        "<section title=\"Customize\" ref=\"1019.html\"/>"})
    EXPECT_NE(project.find(needed), std::string::npos) << needed;
  // Categories in the order of the game selection: FreeCell type before Klondike type.
  EXPECT_LT(project.find("FreeCell type"), project.find("Klondike type"));

  const HelpPage contents = contentsPage(book);
  EXPECT_EQ(contents.title, "Kestrova 2000 Help");
  EXPECT_NE(contents.body.find("<a href=\"3002.html\">Klondike</a>"), std::string::npos);
  EXPECT_NE(contents.body.find("<a href=\"1019.html\">Customize</a>"), std::string::npos);
}

TEST(HelpBook, EveryCatalogueSourceHasARulesParagraph) {
  int games = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KESTROVA_CATALOGUE_SOURCE_DIR)) {
    if (entry.path().extension() != ".game") continue;
    ++games;
    EXPECT_FALSE(game(entry.path().filename().string()).rules.empty()) << entry.path();
  }
  EXPECT_GT(games, 100);
}

}  // namespace
