// kestrova-help-pages: writes the pages of the help file and the Qt help project
// that lists them. Usage:
//   kestrova-help-pages OUTPUT_DIR HELP_SOURCE_DIR PREVIEW_DIR GAME_SOURCE...
// Each game source gives its rules page (topic 3000 + number), with the
// preview "GAME" + 4-digit number + ".png" from PREVIEW_DIR when there is
// one; HELP_SOURCE_DIR holds the dialog pages "NNNN-words.html" and the
// style sheet. A game without a rules paragraph, a page that cannot be read
// or two pages of one topic fail the run.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "catalogue_compiler/game_source.h"
#include "help_generator/dialog_pages.h"
#include "help_generator/help_book.h"
#include "help_generator/rules_page.h"

namespace {

namespace fs = std::filesystem;
using namespace kes;

bool readFile(const fs::path& file, std::string& text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

bool writeFile(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  return out && out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string previewName(int game) {
  char name[16];
  std::snprintf(name, sizeof name, "GAME%04d.png", game);
  return name;
}

// The preview copied beside the pages; its path there, or "" when none.
std::string copyPreview(const fs::path& previews, const fs::path& output, int game) {
  const fs::path from = previews / previewName(game);
  if (!fs::exists(from)) return {};
  const std::string to = "previews/" + previewName(game);
  fs::create_directories(output / "previews");
  fs::copy_file(from, output / to, fs::copy_options::overwrite_existing);
  return to;
}

bool addGames(const std::vector<std::string>& sources, const fs::path& previews, const fs::path& output,
              help::HelpBook& book) {
  bool ok = true;
  for (const std::string& source : sources) {
    std::string text;
    if (!readFile(source, text)) {
      std::cerr << source << ": cannot be read\n";
      ok = false;
      continue;
    }
    const catalogue::ParsedSource parsed = catalogue::parseGameSource(text, source);
    for (const catalogue::Diagnostic& d : parsed.errors) std::cerr << d.text() << "\n";
    if (!parsed.ok()) {
      ok = false;
      continue;
    }
    if (parsed.game.rules.empty()) {
      std::cerr << source << ": the game has no rules paragraph for its help page\n";
      ok = false;
      continue;
    }
    const std::string preview = copyPreview(previews, output, parsed.game.number);
    if (!preview.empty()) book.pictures.push_back(preview);
    book.games.push_back({parsed.game.category, help::rulesPage(parsed.game, preview)});
  }
  return ok;
}

bool addDialogs(const fs::path& folder, help::HelpBook& book) {
  std::set<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".html") files.insert(entry.path());
  bool ok = true;
  for (const fs::path& file : files) {
    std::string text, error;
    if (!readFile(file, text)) {
      std::cerr << file.string() << ": cannot be read\n";
      ok = false;
      continue;
    }
    std::optional<help::HelpPage> page = help::dialogPage(file.filename().string(), text, error);
    if (!page) {
      std::cerr << file.string() << ": " << error << "\n";
      ok = false;
      continue;
    }
    book.dialogs.push_back(std::move(*page));
  }
  return ok;
}

bool topicsUnique(const help::HelpBook& book) {
  std::set<int> seen;
  bool ok = true;
  auto check = [&](const help::HelpPage& page) {
    if (seen.insert(page.topic).second) return;
    std::cerr << "topic " << page.topic << " (" << page.title << ") is given twice\n";
    ok = false;
  };
  for (const help::HelpBook::Rules& rules : book.games) check(rules.page);
  for (const help::HelpPage& dialog : book.dialogs) check(dialog);
  return ok;
}

bool writeBook(const help::HelpBook& book, const fs::path& source, const fs::path& output) {
  bool ok = writeFile(output / help::pageFile(0), help::pageDocument(help::contentsPage(book)));
  for (const help::HelpBook::Rules& rules : book.games)
    ok = writeFile(output / help::pageFile(rules.page.topic), help::pageDocument(rules.page)) && ok;
  for (const help::HelpPage& dialog : book.dialogs)
    ok = writeFile(output / help::pageFile(dialog.topic), help::pageDocument(dialog)) && ok;
  std::error_code ec;
  fs::copy_file(source / help::kStyleSheetFile, output / help::kStyleSheetFile, fs::copy_options::overwrite_existing,
                ec);
  return ok && !ec && writeFile(output / "kestrova.qhp", help::helpProject(book));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "usage: kestrova-help-pages OUTPUT_DIR HELP_SOURCE_DIR PREVIEW_DIR GAME_SOURCE...\n";
    return 2;
  }
  const fs::path output = argv[1], source = argv[2], previews = argv[3];
  const std::vector<std::string> games(argv + 4, argv + argc);
  fs::create_directories(output);
  help::HelpBook book;
  bool ok = addGames(games, previews, output, book);
  ok = addDialogs(source, book) && ok;
  ok = ok && topicsUnique(book);
  if (!ok || !writeBook(book, source, output)) {
    std::cerr << "kestrova-help-pages: the help pages were not written\n";
    return 1;
  }
  std::printf("%zu rules pages, %zu dialog pages\n", book.games.size(), book.dialogs.size());
  return 0;
}
