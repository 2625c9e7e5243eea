#include "player_name.h"

#include <algorithm>

namespace kes {

namespace {

bool breaksLine(char c) { return c == '=' || c == '[' || c == ']' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

}  // namespace

std::string recordablePlayerName(std::string_view name) {
  std::string recordable(name.substr(0, kPlayerNameLength));
  std::replace_if(recordable.begin(), recordable.end(), breaksLine, '_');
  recordable.erase(0, recordable.find_first_not_of(' '));
  recordable.erase(recordable.find_last_not_of(' ') + 1);
  return recordable.empty() ? std::string("Player 1") : recordable;
}

bool validPlayerName(std::string_view name) {
  if (name.empty() || name.size() > kPlayerNameLength) return false;
  if (name.front() == ' ' || name.back() == ' ') return false;
  return std::none_of(name.begin(), name.end(), breaksLine);
}

}  // namespace kes
