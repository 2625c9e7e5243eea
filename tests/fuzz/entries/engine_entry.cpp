// Random commands over every catalogued game and many deals: the input
// chooses the game, the deal number and the commands.
#include "datafiles/catalogue_file.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"
#include "engine/deal_generator.h"
#include "engine_play.h"

namespace kes::fuzz {
namespace {

struct Catalogue {
  std::vector<int> games;
  std::vector<GameParams> params;
};

const Catalogue& catalogue() {
  static const Catalogue loaded = [] {
    Catalogue c;
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

}  // namespace

void enginePlay(std::string_view data) {
  const Catalogue& c = catalogue();
  InputReader input(data);
  const std::size_t game = input.below(static_cast<unsigned>(c.games.size()));
  std::string digits;
  for (int i = 0; i < 5; ++i) digits += std::to_string(input.byte());
  const auto deal = normalizeDealNumber(digits.substr(0, kDealNumberDigits));
  check(deal.has_value(), "digits are not a deal number: " + digits);
  check(playFrom(c.params[game], *deal, input, true), "game " + std::to_string(c.games[game]) + " was not dealt");
}

}  // namespace kes::fuzz
