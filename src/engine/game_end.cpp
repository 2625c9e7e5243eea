#include "game_end.h"

#include <algorithm>

#include "game_family.h"
#include "poker_scoring.h"

namespace kes {

namespace {


bool pileEmpty(const GameState& g, PileId id) { return g.table.pile(id).empty(); }

bool onlyPlaceholders(const Pile& p) { return p.onlyPlaceholders(); }

template <typename Pred>
bool everyTableau(const GameState& g, Pred pred) {
  for (int i = 0; i < g.tableauCount(); ++i)
    if (!pred(g.table.pile(PileId::tableau(i)))) return false;
  return true;
}

bool reservesEmpty(const GameState& g) {
  for (int i = 0; i < g.reserveCount(); ++i)
    if (!pileEmpty(g, PileId::reserve(i))) return false;
  return true;
}

bool stockAndWasteEmpty(const GameState& g) { return pileEmpty(g, PileId::stock()) && pileEmpty(g, PileId::waste()); }

}  // namespace

bool checkGameWon(const GameState& g) {
  switch (g.family()) {
    case Family::PokerGrid: return everyTableau(g, [](const Pile& p) { return !p.empty(); });
    case 21:
    case 22: return pileEmpty(g, PileId::stock()) && g.table.pile(PileId::tableau(0)).size() <= 4;
    case Family::OneCardPerPile: return everyTableau(g, [](const Pile& p) { return p.size() == 1; });
    case Family::Pyramid: return stockAndWasteEmpty(g) && everyTableau(g, onlyPlaceholders) && reservesEmpty(g);
    default:
      return stockAndWasteEmpty(g) && everyTableau(g, [](const Pile& p) { return p.empty(); }) && reservesEmpty(g);
  }
}

int scoreOf(const GameState& g) {
  int cards = g.table.pile(PileId::secondWaste()).size();
  // In pairing games foundation 1 only marks the selected cards.
  const int first = g.history.foundationOneIsSelection ? 1 : 0;
  for (int i = first; i < familySize(PileFamily::Foundation); ++i) cards += g.table.pile(PileId::foundation(i)).size();
  return 5 * g.params[Param::CardsPlayedAtDeal] + 5 * cards - g.params[Param::CardCount];
}

void updateScore(GameState& g) {
  // The poker grid's score is its hands, whatever the scoring system: it
  // decides the win, so it follows the grid through undo, redo and restart.
  if (g.family() == Family::PokerGrid)
    g.score = pokerGridTotal(g);
  else if (g.prefs.scoring)
    g.score = scoreOf(g);
}

}  // namespace kes
