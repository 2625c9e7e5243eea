#include "remembered_game.h"

#include <charconv>
#include <string>

#include "datafiles/pad.h"

namespace kes {

bool dropVanishedGame(ConfigRecord& record, const GameList& games, const CustomGameNames& custom) {
  const std::string text = record.get(Field::CurrentGame);
  int number = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  const bool readable = error == std::errc{} && end == text.data() + text.size();
  // A field that holds no number, or any negative one, names no game either.
  if (readable && (number == -1 || (number >= 0 && !games.name(number, custom).empty()))) return false;
  record.put(Field::CurrentGame, pad(-1, Field::CurrentGame.length));
  record.put(Field::GameTitle, "");
  return true;
}

}  // namespace kes
