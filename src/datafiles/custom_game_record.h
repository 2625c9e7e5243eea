#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/custom_rules.h"

namespace kes {

inline constexpr int kLastCustomGame = 9999;

// A catalogue game with changed rules, kept under a number of its own.
struct CustomGame {
  int number = 0;
  std::string name;        // trailing blanks removed
  int baseGame = 0;        // the catalogue game it is based on
  std::string ruleString;  // the 7-character CustomRuleString
};

// One record of the custom games file: 30 lines, of which the first holds
// number (4), name (50) and base game (4), the second the rule string and
// the rest are empty.
namespace CustomRecord {

inline constexpr std::size_t kLines = 30;
inline constexpr std::size_t kNumberWidth = 4;
inline constexpr std::size_t kNameWidth = 50;
inline constexpr std::size_t kBaseWidth = 4;
inline constexpr std::size_t kRuleStringLength = 7;

std::vector<std::string> format(const CustomGame& game);

// The number in the first 4 characters of a record's first line; 0 when
// they are not a number, so the record matches no game.
int numberOf(std::string_view firstLine);

CustomGame parse(std::string_view firstLine, std::string_view secondLine);

}  // namespace CustomRecord

// The rule string: cards turned per stock press (3), the redeals code (3:
// -1 unlimited, 0 one deal, n + 1 for n redeals) and the empty-tableau rule
// (1 a King or the card below the base, 2 any card, 3 none, 0 unchanged).
std::string customRuleString(int cardsPerPress, int redealsCode, int tableauRule);

}  // namespace kes
