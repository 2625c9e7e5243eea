#pragma once

#include <string>
#include <vector>

#include "catalogue_compiler/game_source.h"

namespace kes::catalogue {

struct CompiledCatalogue {
  std::string bytes;  // the whole GAMES.DAT
  std::vector<Diagnostic> errors;
  bool ok() const { return errors.empty(); }
};

// The catalogue of the given games in the stored format: "[Sect1]" one line
// per game in number order, "[Sect2]" one line per parameter 1..345 with a
// column for every game number up to the highest (0 where no game has that
// number), "[SectS]" the selected games. Two games with one number or one
// name (regardless of case) are errors.
CompiledCatalogue compileCatalogue(std::vector<GameSource> games);

}  // namespace kes::catalogue
