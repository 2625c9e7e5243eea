#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/catalogue_file.h"

namespace kes {

// The custom games seen from the catalogue's lookups: names and numbers of
// the games kept in the custom games file. An empty function means there are
// no custom games.
struct CustomGameNames {
  std::function<std::string(int number)> nameOf;          // "" when unknown
  std::function<int(std::string_view name)> numberNamed;  // -1 when unknown
};

// Category of every custom game.
inline constexpr int kCustomGamesCategory = 800;

struct GameListEntry {
  int number = -1;
  int category = -1;
  std::string name;
};

// The restored "[Sect1]" lines in file order: category in characters 1-3,
// game number in 5-7, name in 11-60.
class GameList {
 public:
  GameList() = default;
  explicit GameList(std::vector<std::string> restoredLines) : lines_(std::move(restoredLines)) {}

  const std::vector<std::string>& lines() const { return lines_; }
  std::vector<GameListEntry> entries() const;

  // Custom games (8000 and above) come from custom; the list is not read for them.
  std::string name(int number, const CustomGameNames& custom = {}) const;
  // Case-insensitive; custom games only when no catalogue game matches; -1 when none.
  int numberByName(std::string_view name, const CustomGameNames& custom = {}) const;
  // 800 for custom games; -1 for a negative number or one not in the list.
  int category(int number) const;

 private:
  // The line for a game number: the line at that index when it holds the
  // number, else the first line that does.
  const std::string* lineOf(int number) const;

  std::vector<std::string> lines_;
};

GameList loadGameList(const CatalogueText& catalogue);

}  // namespace kes
