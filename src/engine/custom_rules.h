#pragma once

#include <string>
#include <string_view>

#include "engine/game_params.h"

namespace kes {

// Custom games are numbered from here on; below are the catalogue's own games.
inline constexpr int kFirstCustomGame = 8000;

// What a custom game changes on top of the catalogue game it is based on.
struct CustomGameRules {
  int baseGame = -1;
  // Seven characters: cards per stock press (3), redeals code (3), empty
  // tableau rule (1).
  std::string ruleString;
};

// Lays the rule string over the base game's parameters: the cards turned per
// stock press and the passes through the stock when they read as numbers (the
// first that does not stops both), and the empty-pile base of every tableau
// pile in use when the last character names a rule.
void applyCustomRules(GameParams& params, std::string_view ruleString);

}  // namespace kes
