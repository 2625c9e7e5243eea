#include "commands.h"

#include <array>

#include "catalogue_commands.h"

namespace kes::cli {

std::span<const Command> allCommands() {
  static constexpr std::array kCommands{
      Command{"deal-order", "deal-order --cards N --number D", runDealOrder},
      Command{"games", "games", runGames},
      Command{"params", "params GAME", runParams},
      Command{"play", "play GAME NUMBER [--pref KEY=VALUE ...]", runPlay},
  };
  return kCommands;
}

}  // namespace kes::cli
