#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/card.h"
#include "engine/deal_context.h"
#include "engine/game_state.h"

namespace kes::test {

// Sets parameters from (entry, value) pairs.
inline void setParams(GameState& g, std::initializer_list<std::pair<int, int>> values) {
  for (auto [entry, value] : values) g.params[entry] = static_cast<std::int16_t>(value);
}

// A deal order 1..n, or the given cards.
inline std::vector<int> orderedDeck(int n) {
  std::vector<int> v;
  for (int c = 1; c <= n; ++c) v.push_back(c);
  return v;
}

// Foundations that take an ace on an empty pile and the next card of the
// suit on a card: enough to exercise the deal's foundation scans.
inline bool acesUpInSuit(const GameState& g, int foundation, int card) {
  const Pile& f = g.table.pile(PileId::foundation(foundation));
  if (f.empty()) return cardRank(card) == 1;
  return suitIndex(f.top()) == suitIndex(card) && cardRank(card) == cardRank(f.top()) + 1;
}

inline std::vector<bool> faces(const GameState& g, PileId id) {
  std::vector<bool> v;
  const Pile& p = g.table.pile(id);
  for (int i = 0; i < p.size(); ++i) v.push_back(g.table.isFaceUp(p.cardAt(i)));
  return v;
}

}  // namespace kes::test
