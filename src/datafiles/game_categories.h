#pragma once

#include <functional>
#include <span>
#include <string>

namespace kes {

struct GameCategory {
  int number;
  const char* label;  // the game selection tree's folder label
  const char* icon;   // resource name of the folder icon
};

// The catalogue's categories, the custom games folder (800) last.
std::span<const GameCategory> gameCategories();
const GameCategory* findGameCategory(int number);

// The icon resource name of a category; for an unknown one the message
// "GameCategory not found (" + number + ")" goes to showMessage and the
// name is empty.
std::string categoryIconName(int number, const std::function<void(const std::string&)>& showMessage);

}  // namespace kes
