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

// The building games (Canfield, Forty Thieves, FreeCell, Klondike, Spider
// and Row types) stand at their agreed numbers, names and categories, each
// with its rules paragraph: other data (demos, odds, help pages) is keyed by
// these numbers.
struct Numbered {
  int number;
  int category;
  const char* name;
};

const Numbered kBuildingGames[] = {
    {21, 2, "Storehouse"},
    {22, 2, "Rainbow"},
    {23, 2, "Chameleon"},
    {24, 2, "Superior Canfield"},
    {25, 2, "Double Canfield"},
    {26, 2, "American Toad"},
    {27, 2, "Acme"},
    {28, 2, "Duke"},
    {29, 2, "Minerva"},
    {30, 2, "Munger"},
    {31, 2, "Mystique"},
    {32, 2, "Duchess"},
    {33, 3, "Lucas"},
    {34, 3, "Maria"},
    {35, 3, "Streets"},
    {36, 3, "Number Ten"},
    {37, 3, "Rank and File"},
    {38, 3, "Emperor"},
    {39, 3, "Indian"},
    {40, 3, "Napoleon's Exile"},
    {41, 3, "Diplomat"},
    {42, 3, "Lady Palk"},
    {43, 3, "Congress"},
    {44, 3, "Parliament"},
    {45, 3, "Busy Aces"},
    {46, 3, "Courtyard"},
    {47, 3, "Limited"},
    {48, 3, "Waning Moon"},
    {49, 3, "Famous Fifty"},
    {50, 3, "Josephine"},
    {51, 3, "Napoleon's Square"},
    {52, 3, "Forty and Eight"},
    {53, 3, "Corona"},
    {54, 3, "Red and Black"},
    {55, 3, "Zebra"},
    {56, 3, "Triple Line"},
    {57, 3, "Double Rail"},
    {58, 3, "Single Rail"},
    {59, 3, "Deuces"},
    {60, 3, "Interchange"},
    {61, 3, "Squadron"},
    {62, 3, "Fortune's Favor"},
    {63, 3, "Carre Napoleon"},
    {64, 4, "Relaxed FreeCell"},
    {65, 4, "King Only Baker's Game"},
    {66, 4, "Relaxed Seahaven Towers"},
    {67, 4, "ForeCell"},
    {68, 4, "Seven by Four"},
    {69, 4, "Seven by Five"},
    {70, 4, "Bath"},
    {71, 4, "KingCell"},
    {72, 4, "Repair"},
    {73, 4, "Double FreeCell"},
    {75, 4, "Double Eight Off"},
    {76, 4, "Stalactites"},
    {77, 4, "Can Can"},
    {78, 4, "Spidercells"},
    {79, 4, "Retinue"},
    {81, 5, "Vegas Klondike"},
    {82, 5, "Casino Klondike"},
    {83, 5, "Saratoga"},
    {84, 5, "Whitehead"},
    {85, 5, "Westcliff"},
    {86, 5, "Eastcliff"},
    {87, 5, "Easthaven"},
    {88, 5, "Westhaven"},
    {89, 5, "Thumb and Pouch"},
    {90, 5, "Agnes Sorel"},
    {91, 5, "Aunt Mary"},
    {92, 5, "Pas Seul"},
    {93, 5, "Blind Alleys"},
    {94, 5, "Trigon"},
    {95, 5, "Kingsley"},
    {96, 5, "Athena"},
    {97, 5, "Whitehorse"},
    {98, 5, "Big Forty"},
    {99, 5, "Ali Baba"},
    {100, 5, "Double Klondike"},
    {101, 5, "Gargantua"},
    {102, 5, "Big Harp"},
    {103, 5, "Lady Jane"},
    {104, 5, "Batsford"},
    {105, 5, "8 x 8"},
    {106, 5, "Russian Solitaire"},
    {107, 5, "Odessa"},
    {108, 5, "Moosehide"},
    {109, 5, "Alaska"},
    {110, 5, "Australian Patience"},
    {111, 5, "Double Yukon"},
    {148, 8, "Relaxed Spider"},
    {149, 8, "Black Widow"},
    {150, 8, "Baby Spiderette"},
    {151, 8, "Will o' the Wisp"},
    {152, 8, "Scorpion"},
    {153, 8, "Wasp"},
    {154, 8, "Three Blind Mice"},
    {156, 8, "How They Run"},
    {157, 8, "Simple Simon"},
    {158, 8, "Mrs. Mop"},
    {159, 8, "Spider Web"},
    {160, 8, "Spidike"},
    {161, 8, "Ten Across"},
    {230, 13, "Streets and Alleys"},
    {231, 13, "Stronghold"},
    {232, 13, "Penelope's Web"},
    {233, 13, "Selective Castle"},
    {234, 13, "Citadel"},
    {235, 13, "Fortress"},
    {236, 13, "Chessboard"},
    {237, 13, "Lasker"},
    {238, 13, "Bastion"},
    {239, 13, "Castles End"},
    {240, 13, "Somerset"},
    {241, 13, "Morehead"},
    {242, 13, "Canister"},
    {243, 13, "British Canister"},
    {244, 13, "Lightweight"},
};

TEST(CatalogueNumbers, TheBuildingGamesStandAtTheirNumbers) {
  const std::vector<GameSource> all = catalogueSources();
  for (const Numbered& want : kBuildingGames) {
    const auto it = std::find_if(all.begin(), all.end(), [&](const GameSource& g) { return g.number == want.number; });
    ASSERT_NE(it, all.end()) << want.number << " " << want.name;
    EXPECT_EQ(it->name, want.name) << want.number;
    EXPECT_EQ(it->category, want.category) << want.name;
    EXPECT_GE(it->rules.size(), 200u) << want.name << ": a rules paragraph as a player reads it";
  }
}

// Nothing else lies in the numbers of these categories' runs.
TEST(CatalogueNumbers, NoOtherGameInTheBuildingGamesRuns) {
  std::set<int> listed;
  for (const Numbered& n : kBuildingGames) listed.insert(n.number);
  for (const GameSource& g : catalogueSources()) {
    const bool inRuns = (g.number >= 21 && g.number <= 111) || (g.number >= 148 && g.number <= 161) ||
                        (g.number >= 230 && g.number <= 246);
    if (inRuns) EXPECT_TRUE(listed.count(g.number)) << g.number << " " << g.name;
  }
}

}  // namespace
}  // namespace kes::catalogue
