#pragma once

#include "app/game_controller.h"

namespace kes::test {

// Every card but the king of spades on its foundation, the king alone on
// the first tableau pile of a FreeCell deal: one double click wins.
inline void oneMoveFromWinning(GameController& controller) {
  GameState& g = controller.session().state();
  for (int t = 0; t < g.tableauCount(); ++t) g.table.pile(PileId::tableau(t)).clear();
  for (int r = 0; r < g.reserveCount(); ++r) g.table.pile(PileId::reserve(r)).clear();
  for (int suit = 0; suit < 4; ++suit) {
    Pile& home = g.table.pile(PileId::foundation(suit));
    home.clear();
    for (int rank = 1; rank <= 13; ++rank) {
      const int card = 13 * suit + rank;
      if (card == 52) continue;
      home.append(card);
      g.table.cards.setFaceUp(card, true);
    }
  }
  g.table.pile(PileId::tableau(0)).append(52);
  g.table.cards.setFaceUp(52, true);
  controller.table().tableChanged();
}

}  // namespace kes::test
