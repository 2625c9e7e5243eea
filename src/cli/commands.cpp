#include "commands.h"

#include <array>

namespace kes::cli {

std::span<const Command> allCommands() {
  static constexpr std::array kCommands{
      Command{"deal-order", "deal-order --cards N --number D", runDealOrder},
  };
  return kCommands;
}

}  // namespace kes::cli
