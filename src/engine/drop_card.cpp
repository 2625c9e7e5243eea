#include "drop_card.h"

#include "drop_rules.h"
#include "move_executor.h"
#include "game_family.h"

namespace kes {

namespace {


MoveAction actionFor(PileId target, bool autoplay) {
  switch (target.family) {
    case PileFamily::Foundation:
      return MoveAction::to(autoplay ? ActionKind::AutoplayToFoundation : ActionKind::ToFoundation, target.index);
    case PileFamily::Tableau: return MoveAction::to(ActionKind::ToTableau, target.index);
    case PileFamily::Reserve: return MoveAction::to(ActionKind::ToReserve, target.index);
    case PileFamily::Stock: break;
  }
  return MoveAction::to(ActionKind::ToWaste);
}

bool tryMoveToPile(GameState& g, EngineEvents& events, PileId target, bool autoplay) {
  const int card = g.drag.draggedCard;
  if (target.family == PileFamily::Stock && target.index != kWaste) return false;
  if (!canDropOn(g, target, card)) return false;
  if (!executeMove(g, events, card, actionFor(target, autoplay))) return false;
  if (g.family() == Family::SevensRow && target.family == PileFamily::Tableau)
    g.history.tagLastMove(kCodeTableauMove);
  return true;
}

}  // namespace

MoveAction dropAction(PileId target, bool autoplay) { return actionFor(target, autoplay); }

bool dropCard(GameState& g, EngineEvents& events, const std::vector<PileId>& candidates, bool autoplay) {
  const int card = g.drag.draggedCard;
  if (card < 1) return false;
  const bool opening = g.inOpeningPhase();
  if (opening) {
    const auto at = g.locateCard(card);
    if (!at || at->family != PileFamily::Tableau) return false;
  }
  for (PileId target : candidates) {
    if (opening && target.family != PileFamily::Foundation) continue;
    if (tryMoveToPile(g, events, target, autoplay)) return true;
  }
  return false;
}

void holdSingleCard(GameState& g, int card) {
  g.drag.draggedCard = card;
  g.drag.draggedRunTop = 0;
  g.drag.singleCardHeld = true;
}

void releaseHeld(GameState& g) {
  g.drag.draggedCard = 0;
  g.drag.draggedRunTop = 0;
  g.drag.singleCardHeld = true;
}

}  // namespace kes
