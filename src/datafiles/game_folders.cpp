#include "game_folders.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/game_params.h"

namespace kes {

namespace {

using C = FolderContent;
namespace F = FolderCode;

constexpr std::array kFolders{
    GameFolder{F::kFavourites, 0, "Favorite games", C::Favourites},
    GameFolder{F::kFoldersList, 0, "Folders list", C::Folders},
    GameFolder{F::kSelected, F::kFoldersList, "Selected games", C::Selected},
    GameFolder{F::kCustomized, F::kFoldersList, "Customized games", C::Customized},
    GameFolder{F::kGameType, F::kFoldersList, "Game Type", C::Folders},
    GameFolder{-202005, F::kGameType, "Baker's Dozen type", C::Category, 12},
    GameFolder{-202010, F::kGameType, "Canfield type", C::Category, 2},
    GameFolder{-202015, F::kGameType, "Fan type", C::Category, 11},
    GameFolder{-202020, F::kGameType, "Forty Thieves type", C::Category, 3},
    GameFolder{-202025, F::kGameType, "FreeCell type", C::Category, 4},
    GameFolder{-202030, F::kGameType, "Klondike type", C::Category, 5},
    GameFolder{-202035, F::kGameType, "Pairing games", C::Category, 6},
    GameFolder{-202040, F::kGameType, "Row type", C::Category, 13},
    GameFolder{-202045, F::kGameType, "Simple games", C::Category, 7},
    GameFolder{-202050, F::kGameType, "Spider type", C::Category, 8},
    GameFolder{-202055, F::kGameType, "1 deck games", C::Category, 9},
    GameFolder{-202060, F::kGameType, "2 deck games", C::Category, 10},
    GameFolder{F::kByTime, F::kFoldersList, "by Game Time", C::Folders},
    GameFolder{-203010, F::kByTime, "Quick", C::Parameter, Param::PlayingTime, 2},
    GameFolder{-203020, F::kByTime, "Medium", C::Parameter, Param::PlayingTime, 1},
    GameFolder{-203030, F::kByTime, "Long", C::Parameter, Param::PlayingTime, 0},
    GameFolder{F::kByDifficulty, F::kFoldersList, "by Difficulty Level", C::Folders},
    GameFolder{-204010, F::kByDifficulty, "Easy", C::Parameter, Param::Difficulty, 0},
    GameFolder{-204020, F::kByDifficulty, "Medium", C::Parameter, Param::Difficulty, 1},
    GameFolder{-204030, F::kByDifficulty, "Hard", C::Parameter, Param::Difficulty, 2},
    GameFolder{F::kBySkill, F::kFoldersList, "by Skill or Chance", C::Folders},
    GameFolder{-205050, F::kBySkill, "Chance only", C::Parameter, Param::SkillOrChance, 4},
    GameFolder{-205040, F::kBySkill, "Mostly chance", C::Parameter, Param::SkillOrChance, 3},
    GameFolder{-205030, F::kBySkill, "Moderate", C::Parameter, Param::SkillOrChance, 2},
    GameFolder{-205020, F::kBySkill, "Mostly skill", C::Parameter, Param::SkillOrChance, 1},
    GameFolder{-205010, F::kBySkill, "Difficult", C::Parameter, Param::SkillOrChance, 0},
    GameFolder{F::kByChance, F::kFoldersList, "by Chance of Winning", C::Folders},
    GameFolder{-206010, F::kByChance, "Very low", C::Parameter, Param::ChanceOfWinning, 4},
    GameFolder{-206020, F::kByChance, "Low", C::Parameter, Param::ChanceOfWinning, 3},
    GameFolder{-206030, F::kByChance, "Medium", C::Parameter, Param::ChanceOfWinning, 2},
    GameFolder{-206040, F::kByChance, "High", C::Parameter, Param::ChanceOfWinning, 1},
    GameFolder{-206050, F::kByChance, "Very high", C::Parameter, Param::ChanceOfWinning, 0},
    GameFolder{F::kAllGames, 0, "All games (alphabetically)", C::AllGames},
};

struct CategoryPicture {
  int category;
  int picture;
};

constexpr std::array kCategoryPictures{
    CategoryPicture{12, 25}, CategoryPicture{2, 11},  CategoryPicture{11, 12}, CategoryPicture{3, 13},
    CategoryPicture{4, 14},  CategoryPicture{5, 15},  CategoryPicture{6, 16},  CategoryPicture{13, 34},
    CategoryPicture{7, 17},  CategoryPicture{8, 18},  CategoryPicture{9, 19},  CategoryPicture{10, 20},
};

std::string folded(std::string_view text) {
  std::string result(text.substr(0, text.find_last_not_of(' ') + 1));
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

template <typename Keep>
std::vector<FolderGame> catalogueGamesWhere(const FolderSources& sources, Keep keep) {
  std::vector<FolderGame> result;
  std::copy_if(sources.catalogueGames.begin(), sources.catalogueGames.end(), std::back_inserter(result), keep);
  return result;
}

FolderGame customEntry(const CustomGame& game) { return {game.number, game.name, kCustomGamesCategory}; }

std::vector<FolderGame> favouriteGames(const FolderSources& sources) {
  std::vector<FolderGame> result;
  for (const std::string& name : sources.favourites) {
    const std::string wanted = folded(name);
    const auto same = [&](const auto& g) { return folded(g.name) == wanted; };
    const auto game = std::find_if(sources.catalogueGames.begin(), sources.catalogueGames.end(), same);
    if (game != sources.catalogueGames.end()) {
      result.push_back(*game);
      continue;
    }
    const auto custom = std::find_if(sources.customGames.begin(), sources.customGames.end(), same);
    if (custom != sources.customGames.end()) result.push_back(customEntry(*custom));
  }
  return result;
}

}  // namespace

std::span<const GameFolder> gameFolders() { return kFolders; }

const GameFolder* findGameFolder(int code) {
  const auto it = std::find_if(kFolders.begin(), kFolders.end(), [&](const GameFolder& f) { return f.code == code; });
  return it == kFolders.end() ? nullptr : &*it;
}

int categoryPicture(int category) {
  if (category == kCustomGamesCategory) return kCustomGamePicture;
  const auto it = std::find_if(kCategoryPictures.begin(), kCategoryPictures.end(),
                               [&](const CategoryPicture& c) { return c.category == category; });
  return it == kCategoryPictures.end() ? kClosedFolderPicture : it->picture;
}

std::vector<FolderGame> sortedCatalogueGames(const GameList& games) {
  std::vector<FolderGame> result;
  for (const GameListEntry& e : games.entries())
    if (e.number >= 0) result.push_back({e.number, e.name, e.category});
  std::stable_sort(result.begin(), result.end(),
                   [](const FolderGame& a, const FolderGame& b) { return folded(a.name) < folded(b.name); });
  return result;
}

std::vector<FolderGame> gamesInFolder(const GameFolder& folder, const FolderSources& sources) {
  switch (folder.content) {
    case C::Folders: return {};
    case C::Category:
      return catalogueGamesWhere(sources, [&](const FolderGame& g) { return g.category == folder.key; });
    case C::Parameter:
      return catalogueGamesWhere(sources, [&](const FolderGame& g) {
        return sources.parameter && sources.parameter(g.number, folder.key) == folder.value;
      });
    case C::Selected:
      return catalogueGamesWhere(sources, [&](const FolderGame& g) {
        return std::find(sources.selectedGames.begin(), sources.selectedGames.end(), g.number) !=
               sources.selectedGames.end();
      });
    case C::AllGames: return sources.catalogueGames;
    case C::Customized: {
      std::vector<FolderGame> result;
      for (const CustomGame& game : sources.customGames) result.push_back(customEntry(game));
      return result;
    }
    case C::Favourites: return favouriteGames(sources);
  }
  return {};
}

}  // namespace kes
