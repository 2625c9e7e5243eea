#include "help_generator/rules_page.h"

#include "datafiles/game_categories.h"
#include "help_generator/game_facts.h"

namespace kes::help {

namespace {

std::string factTable(const std::vector<GameFact>& facts) {
  std::string html = "<table class=\"facts\">\n";
  for (const GameFact& fact : facts)
    html += "<tr><th>" + escapeHtml(fact.label) + ":</th><td>" + escapeHtml(fact.value) + "</td></tr>\n";
  return html + "</table>\n";
}

std::string categoryLine(const catalogue::GameSource& game) {
  const GameCategory* category = findGameCategory(game.category);
  std::string line = "Game " + std::to_string(game.number);
  if (category) line += " &middot; " + escapeHtml(category->label);
  return "<p class=\"category\">" + line + "</p>\n";
}

}  // namespace

HelpPage rulesPage(const catalogue::GameSource& game, const std::string& previewFile) {
  HelpPage page;
  page.topic = kRulesTopicBase + game.number;
  page.title = game.name;
  if (const GameCategory* category = findGameCategory(game.category)) page.keywords.push_back(category->label);
  std::string& body = page.body;
  body = "<h1>" + escapeHtml(game.name) + "</h1>\n" + categoryLine(game);
  if (!previewFile.empty())
    body += "<p class=\"preview\"><img src=\"" + escapeHtml(previewFile) + "\" alt=\"The opening table of " +
            escapeHtml(game.name) + "\"></p>\n";
  body += "<h2>Rules</h2>\n<p>" + escapeHtml(game.rules) + "</p>\n";
  body += "<h2>How to win</h2>\n<p>" + escapeHtml(howToWin(game)) + "</p>\n";
  body += "<h2>At a glance</h2>\n" + factTable(gameFacts(game));
  body += "<p class=\"back\"><a href=\"" + std::string(kContentsFile) + "\">All games</a></p>\n";
  return page;
}

}  // namespace kes::help
