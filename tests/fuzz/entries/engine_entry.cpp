// Random commands over every catalogued game and many deals: the input
// chooses the game, the deal number and the commands.
#include "built_catalogue.h"
#include "engine/deal_generator.h"
#include "engine_play.h"

namespace kes::fuzz {

void enginePlay(std::string_view data) {
  const BuiltCatalogue& c = builtCatalogue();
  InputReader input(data);
  const std::size_t game = input.below(static_cast<unsigned>(c.games.size()));
  std::string digits;
  for (int i = 0; i < 5; ++i) digits += std::to_string(input.byte());
  const auto deal = normalizeDealNumber(digits.substr(0, kDealNumberDigits));
  check(deal.has_value(), "digits are not a deal number: " + digits);
  check(playFrom(c.params[game], *deal, input, true), "game " + std::to_string(c.games[game]) + " was not dealt");
}

}  // namespace kes::fuzz
