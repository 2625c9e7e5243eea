#include "commands.h"

#include <array>

#include "catalogue_commands.h"
#include "layout_commands.h"
#include "statistics_commands.h"

namespace kes::cli {

std::span<const Command> allCommands() {
  static constexpr std::array kCommands{
      Command{"deal-order", "deal-order --cards N --number D", runDealOrder},
      Command{"demo-search",
              "demo-search GAME [--deals FIRST..LAST] [--max-states N] [--game-states N] [--max-ms N] [--game-ms N] [--beam WIDTH] [--beam-states N] | --shorten LIST",
              runDemoSearch},
      Command{"games", "games", runGames},
      Command{"hiscores", "hiscores GAME", runHiScores},
      Command{"hit", "hit GAME --size WIDTHxHEIGHT --cards B|M|L [--shadow Y|N] [--irregular SEED] X Y", runHit},
      Command{"layout", "layout GAME --size WIDTHxHEIGHT --cards B|M|L [--shadow Y|N]", runLayout},
      Command{"log", "log", runLog},
      Command{"odds", "odds SOURCES --deals FIRST..LAST [--games FIRST..LAST] [--jobs N] [--max-ms N] [--max-states N]",
              runOdds},
      Command{"overall", "overall", runOverall},
      Command{"params", "params GAME", runParams},
      Command{"play", "play GAME NUMBER [--pref KEY=VALUE ...] [--record [--player NAME]]", runPlay},
      Command{"solve", "solve GAME NUMBER|--deals FIRST..LAST [--jobs N] [--max-ms N] [--max-states N] [--max-mb N]",
              runSolve},
      Command{"stats", "stats GAME [PLAYER]", runStats},
  };
  return kCommands;
}

}  // namespace kes::cli
