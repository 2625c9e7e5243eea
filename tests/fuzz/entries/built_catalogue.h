#pragma once

#include <optional>
#include <vector>

#include "engine/game_params.h"

namespace kes::fuzz {

// Every game of the built GAMES.DAT with its rules, read once.
struct BuiltCatalogue {
  std::vector<int> games;
  std::vector<GameParams> params;

  std::optional<GameParams> find(int game) const;
};
const BuiltCatalogue& builtCatalogue();

}  // namespace kes::fuzz
