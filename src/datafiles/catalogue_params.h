#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "datafiles/catalogue_file.h"
#include "engine/custom_rules.h"
#include "engine/game_params.h"

namespace kes {

// Every result of ReadParameters starts as this, and a skipped request keeps it.
inline constexpr int kParameterNotRead = -99;
// A requested parameter number of -1 is skipped.
inline constexpr int kSkipParameter = -1;

// An empty error means success. Errors name the catalogue file, the
// parameter and the game.
struct ParametersRead {
  std::vector<int> values;
  std::string error;
  bool ok() const { return error.empty(); }
};

struct LoadResult {
  std::string error;
  bool ok() const { return error.empty(); }
};

// Chosen parameters of any game straight from "[Sect2]", without touching the
// loaded game: parameter p is the cell of game g in the section's line p - 1.
ParametersRead readParameters(const CatalogueText& catalogue, int game, std::span<const int> parameters);

// Loads a game's parameters: every "[Sect2]" line sets the entry its first
// four characters name. For a custom game (number from 8000) the column is
// that of custom->baseGame and the rule string is laid over it. The bases a
// deal changes are saved into saved afterwards. On failure params is left
// cleared (no game loaded).
LoadResult loadGameParams(const CatalogueText& catalogue, int game, const std::optional<CustomGameRules>& custom,
                          GameParams& params, SavedPileParams& saved);

// The games of the "Selected games" folder, in file order.
std::vector<int> selectedGames(const CatalogueText& catalogue);
bool isSelectedGame(const std::vector<int>& selected, int game);

}  // namespace kes
