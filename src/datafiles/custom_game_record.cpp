#include "custom_game_record.h"

#include <charconv>

#include "datafiles/pad.h"

namespace kes {

namespace {

std::string_view field(std::string_view line, std::size_t start, std::size_t width) {
  return start < line.size() ? line.substr(start, width) : std::string_view{};
}

// A field that is not wholly a number reads as 0.
int numberField(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc{} && end == text.data() + text.size() ? number : 0;
}

}  // namespace

namespace CustomRecord {

std::vector<std::string> format(const CustomGame& game) {
  std::vector<std::string> lines(kLines);
  std::string name = game.name.substr(0, kNameWidth);
  name.resize(kNameWidth, ' ');
  lines[0] = pad(game.number, kNumberWidth) + name + pad(game.baseGame, kBaseWidth);
  lines[1] = game.ruleString;
  return lines;
}

int numberOf(std::string_view firstLine) { return numberField(field(firstLine, 0, kNumberWidth)); }

CustomGame parse(std::string_view firstLine, std::string_view secondLine) {
  CustomGame game;
  game.number = numberOf(firstLine);
  game.name = std::string(field(firstLine, kNumberWidth, kNameWidth));
  game.name.erase(game.name.find_last_not_of(' ') + 1);
  game.baseGame = numberField(field(firstLine, kNumberWidth + kNameWidth, kBaseWidth));
  game.ruleString = std::string(secondLine.substr(0, kRuleStringLength));
  return game;
}

}  // namespace CustomRecord

std::string customRuleString(int cardsPerPress, int redealsCode, int tableauRule) {
  return pad(cardsPerPress, 3) + pad(redealsCode, 3) + pad(tableauRule, 1);
}

}  // namespace kes
