#include "autoplay.h"

#include "automatic_moves.h"
#include "base_rule.h"
#include "drop_card.h"
#include "move_executor.h"

namespace kes {

namespace {

// In a game whose foundations all start from the first card played, the
// first card is the player's choice.
bool autoplayMayStart(const GameState& g) {
  for (int i = 0; i < g.foundationCount(); ++i)
    if (g.params[Param::foundationBase(i)] != BaseCode::FoundationStartRank || !g.table.pile(PileId::foundation(i)).empty())
      return true;
  return false;
}

std::vector<PileId> placedPiles(const GameState& g, PileFamily family) {
  std::vector<PileId> piles;
  for (int i = 0; i < familySize(family); ++i) {
    const PileId id{family, i};
    if (g.onTable(id)) piles.push_back(id);
  }
  return piles;
}

bool stopped(const GameState& g) { return g.autoplayStop || !g.inProgress; }

bool reservePass(GameState& g, EngineEvents& events) {
  bool movedAny = false;
  for (bool moved = true; moved && !stopped(g);) {
    moved = false;
    for (int r = 0; r < g.reserveCount() && !stopped(g); ++r) {
      const int top = g.table.pile(PileId::reserve(r)).top();
      if (top >= 1 && sendToFoundation(g, events, top, true, false)) moved = movedAny = true;
    }
  }
  return movedAny;
}

bool tableauPass(GameState& g, EngineEvents& events) {
  bool moved = false;
  for (int i = 0; i < g.tableauCount() && !stopped(g); ++i) {
    const int top = g.table.pile(PileId::tableau(i)).top();
    if (top < 1) continue;
    if (g.prefs.automaticFaceUp && !g.table.isFaceUp(top)) turnFaceUp(g, events, top);
    if (sendToFoundation(g, events, top, true, false)) {
      moved = true;
      if (g.reserveCount() > 0) break;  // the reserves come first again
    }
  }
  return moved;
}

int fillCard(const GameState& g, int source) {
  const int waste = g.table.pile(PileId::waste()).top();
  const int stock = g.table.pile(PileId::stock()).top();
  switch (source) {
    case 1: return g.table.pile(PileId::reserve(0)).top();
    case 2:
    case 4: return waste ? waste : stock;
    case 3: return stock ? stock : waste;
    default: return 0;
  }
}

bool fillSourceReady(const GameState& g, int source) {
  const bool stockOrWaste = !g.table.pile(PileId::stock()).empty() || !g.table.pile(PileId::waste()).empty();
  switch (source) {
    case 1: return !g.table.pile(PileId::reserve(0)).empty();
    case 2:
    case 3: return stockOrWaste;
    case 4: return g.history.undo.log.countOf(kCodeTableauMove) == 0;
    default: return false;
  }
}

}  // namespace

bool sendToFoundation(GameState& g, EngineEvents& events, int card, bool autoplay, bool alsoReserves) {
  if (card < 1 || !g.table.isFaceUp(card)) return false;
  if (autoplay && !autoplayMayStart(g)) return false;
  holdSingleCard(g, card);
  bool moved = false;
  for (PileId f : placedPiles(g, PileFamily::Foundation))
    if ((moved = dropCard(g, events, {f}, autoplay))) break;
  if (!moved && alsoReserves)
    for (PileId r : placedPiles(g, PileFamily::Reserve))
      if ((moved = dropCard(g, events, {r}, autoplay))) break;
  releaseHeld(g);
  return moved;
}

bool autoplayPass(GameState& g, EngineEvents& events) {
  if (!g.autoplayOn() || !g.params.loaded() || !g.inProgress) return false;
  g.autoplayStop = false;
  bool any = false;
  for (;;) {
    bool moved = reservePass(g, events);
    const int waste = g.table.pile(PileId::waste()).top();
    if (!stopped(g) && waste >= 1 && sendToFoundation(g, events, waste, true, false)) moved = true;
    if (!stopped(g)) moved = tableauPass(g, events) || moved;
    if (!moved || stopped(g)) {
      any = any || moved;
      break;
    }
    any = true;
  }
  g.autoplayStop = false;
  return any;
}

bool autoFillEmptyTableau(GameState& g, EngineEvents& events) {
  const int source = g.params[Param::EmptyTableauFillSource];
  if (source == 0 || g.inOpeningPhase() || !fillSourceReady(g, source)) return false;
  bool anyEmpty = false;
  for (int i = 0; i < g.tableauCount(); ++i) {
    if (!g.table.pile(PileId::tableau(i)).empty()) continue;
    anyEmpty = true;
    const int card = fillCard(g, source);
    if (card < 1) continue;
    holdSingleCard(g, card);
    const bool moved = executeMove(g, events, card, MoveAction::to(ActionKind::ToTableau, i));
    releaseHeld(g);
    if (moved) g.history.mergeLastSnapshots(1);
  }
  return anyEmpty;
}

void runReleaseAutomatics(GameState& g, EngineEvents& events) {
  autoFillEmptyTableau(g, events);
  while (g.autoplayOn() && g.inProgress && autoplayPass(g, events)) autoFillEmptyTableau(g, events);
}

}  // namespace kes
