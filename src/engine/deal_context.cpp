#include "deal_context.h"

#include <algorithm>

#include "card.h"
#include "game_family.h"

namespace kes {

namespace {
}

int DealContext::takeFirst() {
  if (order.empty()) return 0;
  const int card = order.front();
  order.erase(order.begin());
  return card;
}

int DealContext::takeFirstOfRank(int rank) {
  const auto it = std::find_if(order.begin(), order.end(), [rank](int c) { return cardRank(c) == rank; });
  if (it == order.end()) return 0;
  const int card = *it;
  order.erase(it);
  return card;
}

void DealContext::removeFromOrder(int card) {
  const auto it = std::find(order.begin(), order.end(), card);
  if (it != order.end()) order.erase(it);
}

void DealContext::dealTo(PileId id, int count) {
  for (int k = 0; k < count && !order.empty(); ++k) game.table.appendCard(id, takeFirst(), false);
}

void DealContext::place(PileId id, int card) {
  game.table.appendCard(id, card, true);
  removeFromOrder(card);
}

void DealContext::adjustScore(int cards) {
  if (game.family() == Family::PokerGrid || !game.prefs.scoring) return;
  game.score += 5 * cards;
}

void DealContext::resetScore() {
  if (game.family() == Family::PokerGrid || !game.prefs.scoring) return;
  game.score = -param(Param::CardCount);
}

void DealContext::applyFaceMode(PileId id, int mode) {
  if (mode >= 1)
    game.table.setTopFaces(id, mode, true);
  else if (mode >= -3 && mode <= -1)
    game.table.setFaceState(id, static_cast<FaceMode>(mode));
}

bool DealContext::bringToFoundation(int card, int foundation) {
  const int first = foundation < 0 ? 0 : foundation;
  const int last = foundation < 0 ? game.foundationCount() - 1 : foundation;
  for (int f = first; f <= last; ++f) {
    if (!accepts(game, f, card)) continue;
    const auto from = game.table.locate(card);
    if (from) game.table.pile(*from).remove(card);
    game.table.appendCard(PileId::foundation(f), card, true);
    adjustScore(1);
    return true;
  }
  return false;
}

}  // namespace kes
