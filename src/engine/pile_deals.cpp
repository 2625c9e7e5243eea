#include "pile_deals.h"

#include "automatic_moves.h"
#include "game_family.h"

namespace kes {

namespace {

constexpr int kGridFanning = 8;

bool flagged(int dealFlag) { return dealFlag >= 1 && dealFlag <= 4; }

bool receives(const GameState& g, MoveAction a, PileId pile) {
  switch (a.kind) {
    case ActionKind::AddTableaus: return flagged(g.params[Param::tableauReceivesRow(pile.index)]);
    case ActionKind::FillTableaus: return g.table.pile(pile).empty();
    case ActionKind::AddTableausLast: return true;
    case ActionKind::AddReserves: return flagged(g.params[Param::reserveReceivesDeal(pile.index)]);
    case ActionKind::AddReserve: return pile.index == a.index;
    default: return false;
  }
}

std::vector<PileId> receivingPiles(const GameState& g, MoveAction a) {
  const bool reserves = a.kind == ActionKind::AddReserves || a.kind == ActionKind::AddReserve;
  const int count = reserves ? g.reserveCount() : g.tableauCount();
  std::vector<PileId> piles;
  for (int i = 0; i < count; ++i) {
    const PileId id = reserves ? PileId::reserve(i) : PileId::tableau(i);
    if (receives(g, a, id)) piles.push_back(id);
  }
  return piles;
}

bool stockEmpty(const ActionRun& run) { return run.game.table.pile(PileId::stock()).empty(); }

}  // namespace

void dealToPiles(ActionRun& run, MoveAction a) {
  GameState& g = run.game;
  if (stockEmpty(run)) return;
  std::vector<int> dealtTableau;
  for (PileId pile : receivingPiles(g, a)) {
    if (stockEmpty(run)) break;
    if (run.param(Param::TableauFanning) == kGridFanning) {
      run.beforeChange();
      run.pile(PileId::tableau(0)).append(0);
    }
    run.dealFromStock(pile);
    run.sound("Shuffle.wav", "Sounds_Shuffle");
    // Reserve deals check no tableau pile: the check belongs to piles that
    // received cards.
    if (pile.family == PileFamily::Tableau) {
      removeCompleteRun(run, pile.index);
      dealtTableau.push_back(pile.index);
    }
  }
  if (g.family() == Family::FourOfAKind)
    for (int p : dealtTableau) removeFourOfAKind(run, p);
  run.recomputeWon();
}

void refillEmptyTableau(ActionRun& run) {
  for (int i = 0; i < run.game.tableauCount() && !stockEmpty(run); ++i) {
    if (!run.pile(PileId::tableau(i)).empty()) continue;
    run.dealFromStock(PileId::tableau(i));
    run.sound("Shuffle.wav", "Sounds_Shuffle");
  }
}

void closeGapsAndRefill(ActionRun& run) {
  GameState& g = run.game;
  const int piles = g.tableauCount();
  const auto empty = [&](int i) { return g.table.pile(PileId::tableau(i)).empty(); };
  bool anyEmpty = false, gapBeforeCards = false;
  for (int i = 0; i < piles; ++i) {
    if (!empty(i)) continue;
    anyEmpty = true;
    for (int j = i + 1; j < piles; ++j) gapBeforeCards = gapBeforeCards || !empty(j);
  }
  if (!anyEmpty || (stockEmpty(run) && !gapBeforeCards)) return;
  run.beforeChange();
  run.pile(PileId::foundation(0)).clear();
  for (int r = 0; r < piles; ++r) {
    if (!empty(r)) continue;
    int next = r + 1;
    while (next < piles && empty(next)) ++next;
    if (next >= piles) break;
    while (!empty(next)) run.moveRun(run.pile(PileId::tableau(next)).cardAt(0), PileId::tableau(r));
    run.sound("Shuffle.wav", "Sounds_Tableau");
  }
  refillEmptyTableau(run);
}

}  // namespace kes
