#pragma once

#include <string>
#include <string_view>

#include "engine/game_params.h"

namespace kes {

// The three rules a player may change in a game: the cards one press on the
// stock turns, the redeals of the stock and what fills an empty tableau pile.
struct OfferedRules {
  bool cardsDealt = false;
  bool redeals = false;
  bool tableau = false;
};

// Which rules a game offers, from the catalogue parameters of the catalogue
// game (for a custom game, the game it is based on).
OfferedRules offeredRules(const GameParams& catalogue);

// Lays a custom game's rule string over its base game's parameters, but
// only the rules the base game offers: a rule it does not offer was stored
// as a neutral placeholder and must not replace the game's own rule.
void applyOfferedCustomRules(GameParams& params, std::string_view ruleString);

// What fills an empty tableau pile, as the choices and the rule string name it.
enum class TableauFill { Unchanged = 0, King = 1, AnyCard = 2, None = 3 };

// The rule the game being played follows: entry 100 of the loaded game, or
// the catalogue's own entry when it reads "King or one rank below the base".
TableauFill tableauFillOf(int loadedValue, int catalogueValue);

// The choices the dialog shows or reads.
struct RuleChoice {
  int cardsDealt = 1;
  // -1 unlimited, 0 no redeal, n + 1 for n redeals.
  int redealsCode = 1;
  TableauFill tableau = TableauFill::Unchanged;

  bool operator==(const RuleChoice&) const = default;
};

// The choice a game's loaded parameters show.
RuleChoice ruleChoiceOf(const GameParams& loaded, const GameParams& catalogue);

// The choice as it is stored: a rule that is not offered keeps its neutral
// value (1 card, redeals code 1, tableau unchanged), so the catalogue game's
// own rule stays in force.
RuleChoice storedChoice(const RuleChoice& shown, const OfferedRules& offered);

// The redeals a stock-passes value allows, as the dialogs show them:
// "Unlimited", "0", or the passes less one.
std::string redealsText(int stockPasses);

// "(1 deal in all)", "(n deals in all)" for n specified redeals.
std::string totalDealsText(int redeals);

}  // namespace kes
