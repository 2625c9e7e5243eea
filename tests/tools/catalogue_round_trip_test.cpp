#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/param_keys.h"
#include "catalogue_compiler/source_printer.h"

namespace kes::catalogue {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = KESTROVA_CATALOGUE_SOURCE_DIR;

std::string readText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<GameSource> catalogueSources() {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(kSourceDir))
    if (e.path().extension() == ".game") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  std::vector<GameSource> games;
  for (const fs::path& f : files) {
    const ParsedSource p = parseGameSource(readText(f), f.filename().string());
    for (const Diagnostic& d : p.errors) ADD_FAILURE() << d.text();
    games.push_back(p.game);
  }
  return games;
}

CatalogueText linesOf(const std::string& bytes) {
  CatalogueText t{"GAMES.DAT", {}};
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    t.lines.push_back(line);
  }
  return t;
}

void expectSameGame(const GameSource& a, const GameSource& b) {
  EXPECT_EQ(a.number, b.number);
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(a.category, b.category);
  EXPECT_EQ(a.selected, b.selected);
  for (int e = 1; e <= Param::kLast; ++e)
    EXPECT_EQ(a.params[static_cast<std::size_t>(e)], b.params[static_cast<std::size_t>(e)])
        << a.file << " entry " << e;
}

TEST(CatalogueRoundTrip, EveryGamePrintsBackToItsSource) {
  const std::vector<GameSource> sources = catalogueSources();
  ASSERT_GE(sources.size(), 20u);
  const CompiledCatalogue compiled = compileCatalogue(sources);
  ASSERT_TRUE(compiled.ok());
  const CatalogueText catalogue = linesOf(compiled.bytes);
  for (const GameSource& source : sources) {
    const GameFromCatalogue read = readCatalogueGame(catalogue, source.number);
    ASSERT_TRUE(read.ok()) << read.error;
    const ParsedSource printed = parseGameSource(printGameSource(read.game), "printed " + source.file);
    for (const Diagnostic& d : printed.errors) ADD_FAILURE() << d.text();
    expectSameGame(printed.game, source);
  }
}

TEST(CatalogueRoundTrip, TheBuiltCatalogueIsCompiledFromTheSources) {
  const char* dataDir = std::getenv("KESTROVA_TEST_DATA");
  ASSERT_NE(dataDir, nullptr);
  const std::string built = readText(fs::path(dataDir) / "GAMES.DAT");
  EXPECT_EQ(built, compileCatalogue(catalogueSources()).bytes);
}

TEST(CatalogueRoundTrip, TheFirstGamesAreThoseOfTheCatalogue) {
  const std::vector<GameSource> sources = catalogueSources();
  const std::vector<std::pair<int, std::string>> expected{
      {1, "FreeCell"}, {2, "Klondike"}, {3, "Klondike (3 cards)"}, {4, "Spider"}, {5, "Forty Thieves"},
      {6, "Canfield"}, {7, "Baker's Dozen"}, {8, "Fan"}, {9, "La Belle Lucie"}, {10, "Beleaguered Castle"},
      {11, "Yukon"}, {12, "Golf"}, {13, "Pyramid"}, {14, "Monte Carlo"}, {15, "Poker Square"},
      {16, "Calculation"}, {17, "Spiderette"}, {18, "Baker's Game"}, {19, "Eight Off"}, {20, "Seahaven Towers"}};
  std::set<int> selected;
  for (const auto& [number, name] : expected) {
    const auto it = std::find_if(sources.begin(), sources.end(), [&](const GameSource& g) { return g.number == number; });
    ASSERT_NE(it, sources.end()) << number;
    EXPECT_EQ(it->name, name);
    EXPECT_FALSE(it->rules.empty()) << name;
    if (it->selected) selected.insert(number);
  }
  EXPECT_EQ(selected, (std::set<int>{1, 2, 4, 6, 12, 13}));
}

// Some line shows the symbol in backticks followed by its value.
bool documentsValue(const std::string& doc, const Symbol& s) {
  const std::string name = "`" + std::string(s.name) + "`";
  const std::regex value("(^|[^0-9-])" + std::to_string(s.value) + "($|[^0-9])");
  for (std::size_t at = doc.find(name); at != std::string::npos; at = doc.find(name, at + 1)) {
    const std::size_t end = doc.find('\n', at);
    if (std::regex_search(doc.substr(at + name.size(), end - at - name.size()), value)) return true;
  }
  return false;
}

// The format description is what people write sources from: it must name
// every key and every symbol the compiler knows.
TEST(CatalogueFormat, DocumentsEveryKeyAndSymbol) {
  const std::string doc = readText(kSourceDir / "FORMAT.md");
  for (const ParamKey& key : allParamKeys())
    EXPECT_NE(doc.find("`" + std::string(key.name) + "`"), std::string::npos) << key.name;
  for (const ValueKind* kind : allValueKinds()) {
    EXPECT_NE(doc.find(kind->name), std::string::npos) << kind->name;
    for (const Symbol& s : kind->symbols)
      EXPECT_TRUE(documentsValue(doc, s)) << kind->name << " " << s.name << " " << s.value;
  }
}

}  // namespace
}  // namespace kes::catalogue
