#include "player_name.h"

#include <algorithm>

namespace kes {

bool validPlayerName(std::string_view name) {
  if (name.empty() || name.size() > kPlayerNameLength) return false;
  if (name.front() == ' ' || name.back() == ' ') return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '=' || c == '[' || c == ']' || (static_cast<unsigned char>(c) < 0x20) || c == 0x7f;
  });
}

}  // namespace kes
