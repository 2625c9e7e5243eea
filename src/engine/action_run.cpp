#include "action_run.h"

#include "game_end.h"

namespace kes {

void ActionRun::beforeChange() {
  if (takesSnapshot && !pushed) {
    game.history.pushUndo(game.table);
    pushed = true;
  }
  changed = true;
}

bool ActionRun::moveCard(int card, PileId to, bool faceUp) {
  const auto from = game.locateCard(card);
  if (!from) return false;
  beforeChange();
  pile(*from).remove(card);
  game.table.appendCard(to, card, faceUp);
  if (from->family == PileFamily::Tableau) leftTableau = true;
  lastCard = card;
  events.cardMoved(card, *from, to);
  return true;
}

bool ActionRun::moveRun(int card, PileId to) {
  const auto from = game.locateCard(card);
  if (!from) return false;
  Pile& source = pile(*from);
  const int count = source.size() - source.positionOf(card);
  beforeChange();
  const Pile run = source.splitTop(count);
  for (int i = 0; i < run.size(); ++i) {
    game.table.appendCard(to, run.cardAt(i), true);
    events.cardMoved(run.cardAt(i), *from, to);
  }
  if (from->family == PileFamily::Tableau) leftTableau = true;
  lastCard = card;
  return true;
}

bool ActionRun::dealFromStock(PileId to) {
  const int card = pile(PileId::stock()).top();
  return card >= 1 && moveCard(card, to, true);
}

void ActionRun::recomputeWon() { game.won = checkGameWon(game); }

}  // namespace kes
