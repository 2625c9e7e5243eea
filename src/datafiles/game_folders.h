#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "datafiles/custom_game_record.h"
#include "datafiles/game_list.h"

namespace kes {

// The folders of the game selection tree. A node's code of 0 or more is a
// game number; a negative code names a folder or a placeholder.
namespace FolderCode {
inline constexpr int kFavourites = -10;
inline constexpr int kFoldersList = -20;
inline constexpr int kSelected = -2010;
inline constexpr int kGameType = -2020;
inline constexpr int kByTime = -2030;
inline constexpr int kByDifficulty = -2040;
inline constexpr int kBySkill = -2050;
inline constexpr int kByChance = -2060;
inline constexpr int kCustomized = -2070;
inline constexpr int kAllGames = -30;
// The child a folder holds until it is first opened.
inline constexpr int kNotYetFilled = -1;
inline constexpr int kCustomizeFavourites = -2;  // "(Double click to customize)"
inline constexpr int kHowToCustomize = -3;       // "(How to customize a game)"
}  // namespace FolderCode

// What a folder holds.
enum class FolderContent {
  Folders,     // subfolders only
  Category,    // the catalogue games of one category
  Parameter,   // the games whose parameter has one value
  Selected,    // the games of the catalogue's "[SectS]"
  Customized,  // the custom games
  Favourites,  // the favourite games in stored order
  AllGames,    // every catalogue game
};

struct GameFolder {
  int code;
  int parent;  // 0 at the top of the tree
  const char* label;
  FolderContent content;
  int key = 0;    // category, or parameter number
  int value = 0;  // parameter value
};

// Every folder, parents before their children, in the order shown.
std::span<const GameFolder> gameFolders();
const GameFolder* findGameFolder(int code);

// Picture indices of the tree: a game of a category shows the category's
// picture; custom games and favourites their own; placeholders theirs.
inline constexpr int kClosedFolderPicture = 0;
inline constexpr int kOpenFolderPicture = 1;
inline constexpr int kPlaceholderPicture = 4;
inline constexpr int kCustomGamePicture = 23;
inline constexpr int kFavouriteGamePicture = 24;
int categoryPicture(int category);

// A game as the tree lists it.
struct FolderGame {
  int number = -1;
  std::string name;
  int category = -1;
};

// What the folders are filled from. Catalogue games come sorted by name.
struct FolderSources {
  std::vector<FolderGame> catalogueGames;
  std::vector<CustomGame> customGames;  // sorted by name
  std::vector<int> selectedGames;
  std::vector<std::string> favourites;  // names in stored order
  // A catalogue parameter of a catalogue game; none when it cannot be read.
  std::function<std::optional<int>(int game, int parameter)> parameter;
};

// The catalogue games of the game list, sorted by name without regard to case.
std::vector<FolderGame> sortedCatalogueGames(const GameList& games);

// The games a folder holds, in the order shown; none for a folder of folders.
std::vector<FolderGame> gamesInFolder(const GameFolder& folder, const FolderSources& sources);

}  // namespace kes
