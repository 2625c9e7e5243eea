#include "game_categories.h"

#include <algorithm>
#include <array>

namespace kes {

std::span<const GameCategory> gameCategories() {
  static constexpr std::array kCategories{
      GameCategory{2, "Canfield type", "TREE5_CANFIELD_TYPE"},
      GameCategory{3, "Forty Thieves type", "TREE5_FORTYTHIEVES_TYPE"},
      GameCategory{4, "FreeCell type", "TREE5_FREECELL_TYPE"},
      GameCategory{5, "Klondike type", "TREE5_KLONDIKE_TYPE"},
      GameCategory{6, "Pairing games", "TREE5_PAIRING_TYPE"},
      GameCategory{7, "Simple games", "TREE5_SIMPLEGAMES_TYPE"},
      GameCategory{8, "Spider type", "TREE5_SPIDER_TYPE"},
      GameCategory{9, "1 deck games", "TREE5_1DECK_TYPE"},
      GameCategory{10, "2 deck games", "TREE5_2DECK_TYPE"},
      GameCategory{11, "Fan type", "TREE5_FAN_TYPE"},
      GameCategory{12, "Baker's Dozen type", "TREE5_BAKERSDOZEN_TYPE"},
      GameCategory{13, "Row type", "TREE5_ROW_TYPE"},
      GameCategory{800, "Customized games", "TREE5_CUSTOMIZED_GAMES"},
  };
  return kCategories;
}

const GameCategory* findGameCategory(int number) {
  const auto all = gameCategories();
  const auto it = std::find_if(all.begin(), all.end(), [&](const GameCategory& c) { return c.number == number; });
  return it == all.end() ? nullptr : &*it;
}

std::string categoryIconName(int number, const std::function<void(const std::string&)>& showMessage) {
  if (const GameCategory* c = findGameCategory(number)) return c->icon;
  if (showMessage) showMessage("GameCategory not found (" + std::to_string(number) + ")");
  return {};
}

}  // namespace kes
