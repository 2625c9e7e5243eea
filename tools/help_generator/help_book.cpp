#include "help_generator/help_book.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "datafiles/game_categories.h"
#include "datafiles/product_title.h"

namespace kes::help {

namespace {

std::string lowered(const std::string& text) {
  std::string out = text;
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

bool byTitle(const HelpPage* a, const HelpPage* b) { return lowered(a->title) < lowered(b->title); }

// The games of each category in the order of the category list, each sorted
// by name; categories without games are left out.
std::vector<std::pair<const GameCategory*, std::vector<const HelpPage*>>> gamesByCategory(const HelpBook& book) {
  std::vector<std::pair<const GameCategory*, std::vector<const HelpPage*>>> groups;
  for (const GameCategory& category : gameCategories()) {
    std::vector<const HelpPage*> pages;
    for (const HelpBook::Rules& rules : book.games)
      if (rules.category == category.number) pages.push_back(&rules.page);
    if (pages.empty()) continue;
    std::sort(pages.begin(), pages.end(), byTitle);
    groups.emplace_back(&category, std::move(pages));
  }
  return groups;
}

std::vector<const HelpPage*> dialogsByTitle(const HelpBook& book) {
  std::vector<const HelpPage*> pages;
  for (const HelpPage& page : book.dialogs) pages.push_back(&page);
  std::sort(pages.begin(), pages.end(), byTitle);
  return pages;
}

std::string link(const HelpPage& page) {
  return "<a href=\"" + pageFile(page.topic) + "\">" + escapeHtml(page.title) + "</a>";
}

std::string anchorOf(const GameCategory& category) { return "category-" + std::to_string(category.number); }

std::string tocEntry(const std::string& title, const std::string& ref, int depth) {
  return std::string(static_cast<std::size_t>(depth) * 2, ' ') + "<section title=\"" + escapeHtml(title) +
         "\" ref=\"" + escapeHtml(ref) + "\"/>\n";
}

std::string keyword(const std::string& name, const std::string& id, const std::string& ref) {
  std::string line = "      <keyword name=\"" + escapeHtml(name) + "\"";
  if (!id.empty()) line += " id=\"" + id + "\"";
  return line + " ref=\"" + ref + "\"/>\n";
}

std::string keywordsOf(const HelpPage& page) {
  const std::string file = pageFile(page.topic);
  std::string lines = keyword(page.title, "topic-" + std::to_string(page.topic), file);
  for (const std::string& word : page.keywords) lines += keyword(word, "", file);
  return lines;
}

}  // namespace

HelpPage contentsPage(const HelpBook& book) {
  HelpPage page;
  page.title = std::string(kProductTitle) + " Help";
  std::string& body = page.body;
  body = "<h1>" + escapeHtml(page.title) + "</h1>\n<h2><a name=\"games\"></a>Rules of the games</h2>\n";
  for (const auto& [category, pages] : gamesByCategory(book)) {
    body += "<h3><a name=\"" + anchorOf(*category) + "\"></a>" + escapeHtml(category->label) + "</h3>\n<p>";
    for (std::size_t i = 0; i < pages.size(); ++i) body += (i ? " &middot; " : "") + link(*pages[i]);
    body += "</p>\n";
  }
  body += "<h2><a name=\"dialogs\"></a>Dialogs</h2>\n<ul>\n";
  for (const HelpPage* dialog : dialogsByTitle(book)) body += "<li>" + link(*dialog) + "</li>\n";
  body += "</ul>\n";
  return page;
}

std::string helpProject(const HelpBook& book) {
  const std::string contents = pageFile(0);
  std::string toc = "      <section title=\"" + escapeHtml(contentsPage(book).title) + "\" ref=\"" + contents + "\">\n";
  toc += "        <section title=\"Rules of the games\" ref=\"" + contents + "#games\">\n";
  for (const auto& [category, pages] : gamesByCategory(book)) {
    toc += "          <section title=\"" + escapeHtml(category->label) + "\" ref=\"" + contents + "#" +
           anchorOf(*category) + "\">\n";
    for (const HelpPage* game : pages) toc += tocEntry(game->title, pageFile(game->topic), 6);
    toc += "          </section>\n";
  }
  toc += "        </section>\n        <section title=\"Dialogs\" ref=\"" + contents + "#dialogs\">\n";
  for (const HelpPage* dialog : dialogsByTitle(book)) toc += tocEntry(dialog->title, pageFile(dialog->topic), 5);
  toc += "        </section>\n      </section>\n";

  std::string keywords;
  std::string files = "      <file>" + contents + "</file>\n      <file>" + kStyleSheetFile + "</file>\n";
  for (const HelpBook::Rules& rules : book.games) {
    keywords += keywordsOf(rules.page);
    files += "      <file>" + pageFile(rules.page.topic) + "</file>\n";
  }
  for (const HelpPage& dialog : book.dialogs) {
    keywords += keywordsOf(dialog);
    files += "      <file>" + pageFile(dialog.topic) + "</file>\n";
  }
  for (const std::string& picture : book.pictures) files += "      <file>" + escapeHtml(picture) + "</file>\n";

  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QtHelpProject version=\"1.0\">\n  <namespace>" +
         std::string(kHelpNamespace) + "</namespace>\n  <virtualFolder>" + kHelpFolder +
         "</virtualFolder>\n  <filterSection>\n    <toc>\n" + toc + "    </toc>\n    <keywords>\n" + keywords +
         "    </keywords>\n    <files>\n" + files + "    </files>\n  </filterSection>\n</QtHelpProject>\n";
}

}  // namespace kes::help
