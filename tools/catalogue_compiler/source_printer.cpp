#include "source_printer.h"

#include <set>

#include "catalogue_compiler/param_keys.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"

namespace kes::catalogue {

namespace {

int entryValue(const GameSource& g, int entry) { return g.params[static_cast<std::size_t>(entry)]; }

// Runs of equal values as "v*n".
std::string listText(const ParamKey& key, const GameSource& g, int length) {
  std::string text;
  for (int i = 0; i < length;) {
    const int v = entryValue(g, key.entry + i);
    int n = 1;
    while (i + n < length && entryValue(g, key.entry + i + n) == v) ++n;
    if (!text.empty()) text += ' ';
    text += formatValue(*key.kind, v) + (n > 1 ? "*" + std::to_string(n) : "");
    i += n;
  }
  return text;
}

// The piles in use, or every slot when an entry beyond them is set; 0 when
// the key has nothing to say.
int listLength(const ParamKey& key, const GameSource& g) {
  const PileFamilyInfo info = pileFamilyInfo(key.family);
  const int count = entryValue(g, info.countEntry);
  for (int i = std::max(count, 0); i < info.slots; ++i)
    if (entryValue(g, key.entry + i) != 0) return info.slots;
  return std::clamp(count, 0, info.slots);
}

std::set<int> namedEntries() {
  std::set<int> entries;
  for (const ParamKey& key : allParamKeys()) {
    const int n = key.family == PileFamily::None ? 1 : pileFamilyInfo(key.family).slots;
    for (int i = 0; i < n; ++i) entries.insert(key.entry + i);
  }
  return entries;
}

}  // namespace

std::string printGameSource(const GameSource& g) {
  std::string out;
  out += "number = " + std::to_string(g.number) + "\n";
  out += "name = " + g.name + "\n";
  out += "category = " + std::to_string(g.category) + "\n";
  out += std::string("selected = ") + (g.selected ? "yes" : "no") + "\n";
  if (!g.rules.empty()) out += "rules = " + g.rules + "\n";
  out += "\n";
  for (const ParamKey& key : allParamKeys()) {
    if (key.family == PileFamily::None) {
      out += std::string(key.name) + " = " + formatValue(*key.kind, entryValue(g, key.entry)) + "\n";
      continue;
    }
    if (const int length = listLength(key, g); length > 0) out += std::string(key.name) + " = " + listText(key, g, length) + "\n";
  }
  const std::set<int> named = namedEntries();
  for (int entry = 1; entry <= Param::kLast; ++entry)
    if (!named.contains(entry) && entryValue(g, entry) != 0)
      out += std::string(kRawEntryPrefix) + std::to_string(entry) + " = " + std::to_string(entryValue(g, entry)) + "\n";
  return out;
}

GameFromCatalogue readCatalogueGame(const CatalogueText& catalogue, int number) {
  const GameList list = loadGameList(catalogue);
  const int category = list.category(number);
  if (number < 1 || category < 0) return {{}, "game " + std::to_string(number) + " is not in " + catalogue.file.string()};
  GameSource g;
  g.file = catalogue.file.string();
  g.number = number;
  g.name = list.name(number);
  g.category = category;
  g.selected = isSelectedGame(selectedGames(catalogue), number);
  GameParams params;
  SavedPileParams saved;
  if (const LoadResult r = loadGameParams(catalogue, number, std::nullopt, params, saved); !r.ok()) return {{}, r.error};
  for (int entry = 1; entry <= Param::kLast; ++entry) g.params[static_cast<std::size_t>(entry)] = params[entry];
  return {std::move(g), {}};
}

}  // namespace kes::catalogue
