// GAM_CUST.DAT: every lookup, then a game added and one deleted; the
// records that could be read before are all still there afterwards.
#include <algorithm>

#include "datafiles/custom_games_file.h"
#include "fuzz_support.h"

namespace kes::fuzz {
namespace {

bool sameGame(const CustomGame& a, const CustomGame& b) {
  return a.number == b.number && a.name == b.name && a.baseGame == b.baseGame && a.ruleString == b.ruleString;
}

bool holds(const std::vector<CustomGame>& games, const CustomGame& game) {
  return std::any_of(games.begin(), games.end(), [&](const CustomGame& g) { return sameGame(g, game); });
}

}  // namespace

void customGamesFile(std::string_view data) {
  InputReader input(data);
  const unsigned choice = input.byte();
  const std::string name(input.field());
  const auto path = scratch() / kCustomGamesFileName;
  writeBytes(path, input.rest());

  const CustomGamesListing before = readCustomGames(path);
  skippedCustomGamesMessage(path, before.skipped);
  for (const CustomGame& g : before.games) {
    const auto found = findCustomGame(path, g.number);
    check(found && sameGame(*found, g), "custom game " + std::to_string(g.number) + " listed but not found");
    customGameName(path, g.number);
    customGameNumberByName(path, g.name);
  }
  const int next = nextCustomGameNumber(path);
  check(next >= 8000 && next <= 10000, "next custom game number " + std::to_string(next));
  const std::vector<std::string> catalogueNames{"Klondike", "FreeCell"};
  gameNameInUse(path, name, catalogueNames);

  CollectingSink sink;
  std::vector<CustomGame> kept = before.games;
  if (choice & 1) {
    const auto added = addCustomGame(path, name, static_cast<int>(choice % 20), "0030001", sink, unsynced());
    if (added) {
      check(*added == next, "the game added did not take the next number");
      const auto found = findCustomGame(path, *added);
      check(found.has_value(), "the game added cannot be found");
    }
  } else if (!before.games.empty()) {
    const CustomGame gone = before.games[choice / 2 % before.games.size()];
    if (deleteCustomGameRecord(path, gone.number, sink, unsynced()))
      kept.erase(std::remove_if(kept.begin(), kept.end(), [&](const CustomGame& g) { return g.number == gone.number; }),
                 kept.end());
  }
  const CustomGamesListing after = readCustomGames(path);
  for (const CustomGame& g : kept)
    check(holds(after.games, g), "custom game " + std::to_string(g.number) + " " + g.name + " was lost");
}

}  // namespace kes::fuzz
