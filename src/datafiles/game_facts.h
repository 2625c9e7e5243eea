#pragma once

#include <optional>
#include <string>

#include "datafiles/catalogue_file.h"
#include "datafiles/custom_game_record.h"

namespace kes {

// What the game selection dialog tells about a game, read from the
// catalogue column of the game (of its base game for a custom game).
struct GameFacts {
  bool available = false;  // false: the catalogue has no such game (any more)
  std::string decks;       // the cards of the pack divided by 52
  std::string difficulty;  // "Easy", "Medium", "Hard"; "Customized game"
  std::string chance;      // "Very high" ... "Very low", with the odds when known
  std::string time;        // "Long", "Medium", "Quick"
  std::string redeals;     // "Unlimited", "0", or the number of redeals
  // Resource names of the three ratings' pictures.
  std::string difficultyPicture;
  std::string chancePicture;
  std::string timePicture;
  int previewGame = -1;  // whose preview picture is shown
};

// A catalogue game, or a custom game given its record.
GameFacts gameFacts(const CatalogueText& catalogue, int game, const std::optional<CustomGame>& custom = std::nullopt);

}  // namespace kes
