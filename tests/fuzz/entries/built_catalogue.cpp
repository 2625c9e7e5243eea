#include "built_catalogue.h"

#include <algorithm>

#include "datafiles/catalogue_file.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"
#include "fuzz_support.h"

namespace kes::fuzz {

std::optional<GameParams> BuiltCatalogue::find(int game) const {
  const auto at = std::find(games.begin(), games.end(), game);
  if (at == games.end()) return std::nullopt;
  return params[static_cast<std::size_t>(at - games.begin())];
}

const BuiltCatalogue& builtCatalogue() {
  static const BuiltCatalogue loaded = [] {
    BuiltCatalogue c;
    const auto text = readCatalogue(catalogueFile(builtData()));
    check(text.has_value(), "the built catalogue is missing in " + builtData().string());
    for (const GameListEntry& e : loadGameList(*text).entries()) {
      GameParams params;
      SavedPileParams saved;
      const LoadResult result = loadGameParams(*text, e.number, std::nullopt, params, saved);
      check(result.ok(), "catalogue game " + std::to_string(e.number) + " does not load: " + result.error);
      c.games.push_back(e.number);
      c.params.push_back(params);
    }
    check(!c.games.empty(), "the built catalogue holds no games");
    return c;
  }();
  return loaded;
}

}  // namespace kes::fuzz
