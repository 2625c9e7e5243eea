#include "family_indicators.h"

#include <array>

#include "card.h"

namespace kes {

namespace {

constexpr std::array<const char*, 13> kRankNames{"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

}  // namespace

std::string countingNextRank(const GameState& game, int foundation) {
  if (foundation < 0 || foundation >= kCountingFoundations) return {};
  const Pile& pile = game.table.pile(PileId::foundation(foundation));
  if (pile.empty() || pile.size() == game.params[Param::FoundationMaxCards]) return {};
  // Foundation i builds up by i + 1, counting on past the King.
  int next = foundation + cardRank(pile.top()) + 1;
  if (next > 13) next -= 13;
  return kRankNames[static_cast<std::size_t>(next - 1)];
}

}  // namespace kes
