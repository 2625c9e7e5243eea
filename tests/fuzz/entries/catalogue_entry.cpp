// GAMES.DAT: the game list, the parameter matrix and the selected games, then
// a deal of a game loaded from it, as start-up does.
#include <sstream>

#include "cli/catalogue_commands.h"
#include "datafiles/catalogue_file.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"
#include "engine/deal_generator.h"
#include "engine_play.h"

namespace kes::fuzz {

void gameCatalogue(std::string_view data) {
  InputReader input(data);
  const unsigned playSteps = input.byte();
  writeBytes(scratch() / kCatalogueFileName, input.rest());
  const auto text = readCatalogue(kes::catalogueFile(scratch()));
  check(text.has_value(), "the catalogue written was not read");
  const GameList list = loadGameList(*text);
  std::vector<int> numbers{0, 1, 2, -1, 7999, 8000};
  for (const GameListEntry& e : list.entries()) {
    const std::string name = list.name(e.number);
    list.numberByName(name);
    list.category(e.number);
    if (numbers.size() < 12) numbers.push_back(e.number);
  }
  const std::vector<int> selected = selectedGames(*text);
  for (int game : selected) isSelectedGame(selected, game);

  std::istringstream in;
  std::ostringstream out, err;
  cli::CliContext ctx{{}, {scratch(), scratch()}, in, out, err};
  cli::runGames(ctx);
  for (int game : numbers) {
    const std::vector<int> some{1, 2, 265, 345, 346, 0, -1};
    readParameters(*text, game, some);
    if (game < 0 || game > 9999) continue;
    const auto params = cli::loadGameForCommand(ctx, std::to_string(game), "fuzz", {});
    if (!params) continue;
    // A game the catalogue describes is dealt and played a little: its
    // parameters must not bring the engine down either.
    std::string steps(playSteps % 32, '\x07');
    InputReader commands(steps);
    playFrom(*params, *normalizeDealNumber("1"), commands, false);
  }
}

}  // namespace kes::fuzz
