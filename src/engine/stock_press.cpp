#include "move_executor.h"
#include "pairing_rules.h"
#include "game_family.h"

namespace kes {

namespace {

constexpr const char* kFillGapsFirst = "Before deal, fill any gaps in the tableau";

bool anyTableauEmpty(const GameState& g) {
  for (int i = 0; i < g.tableauCount(); ++i)
    if (g.table.pile(PileId::tableau(i)).empty()) return true;
  return false;
}

int lastTableauFlag(const GameState& g) {
  return g.tableauCount() > 0 ? g.params[Param::tableauReceivesRow(g.tableauCount() - 1)] : 0;
}

int lastReserveFlag(const GameState& g) {
  return g.reserveCount() > 0 ? g.params[Param::reserveReceivesDeal(g.reserveCount() - 1)] : 0;
}

bool exec(GameState& g, EngineEvents& ev, ActionKind kind, int index = 0) {
  return executeMove(g, ev, 0, MoveAction::to(kind, index));
}

// Up to three cards to reserve 1 or 2 in turn, as one history step.
void alternatingReserveDeal(GameState& g, EngineEvents& ev) {
  ++g.dealCount;
  const int target = g.dealCount % 2 == 1 ? 0 : 1;
  int dealt = 0;
  for (int k = 0; k < 3 && !g.table.pile(PileId::stock()).empty(); ++k)
    if (exec(g, ev, ActionKind::AddReserve, target)) ++dealt;
  if (dealt >= 2) g.history.mergeLastSnapshots(dealt - 1);
  if (dealt >= 1) g.history.tagLastMove(kCodeStockDeal);
}

bool dealsToTableau(GameState& g, EngineEvents& ev) {
  const int first = g.params[Param::tableauReceivesRow(0)], last = lastTableauFlag(g);
  if (first == 1 || last == 1) {
    exec(g, ev, ActionKind::AddTableaus);
    return true;
  }
  if (first != 2 && last != 2) return false;
  if (anyTableauEmpty(g))
    ev.message(kFillGapsFirst);
  else
    exec(g, ev, ActionKind::AddTableaus);
  return true;
}

bool dealsToReserves(GameState& g, EngineEvents& ev) {
  const int first = g.params[Param::reserveReceivesDeal(0)], last = lastReserveFlag(g);
  if (first == 1 || last == 1) {
    exec(g, ev, ActionKind::AddReserves);
    return true;
  }
  if (first == 3) {
    if (g.table.pile(PileId::stock()).size() == 8) {
      exec(g, ev, ActionKind::AddTableausLast);
    } else {
      exec(g, ev, ActionKind::AddReserves);
      exec(g, ev, ActionKind::AddReserves);
    }
    return true;
  }
  if (first == 4 && !g.table.pile(PileId::stock()).empty()) {
    alternatingReserveDeal(g, ev);
    return true;
  }
  return false;
}

}  // namespace

bool stockPressSelects(const GameState& g) {
  return g.family() == Family::Pyramid && !g.table.pile(PileId::stock()).empty() &&
         !g.table.pile(PileId::foundation(0)).empty();
}

void stockPress(GameState& g, EngineEvents& ev) {
  const Pile& stock = g.table.pile(PileId::stock());
  if (stockPressSelects(g)) {
    pairingPress(g, stock.top());
    return;
  }
  if (g.params[Param::WasteUsed] == 1) {
    if (g.params[Param::StockOnlyWhenWasteEmpty] == 0 || g.table.pile(PileId::waste()).empty())
      exec(g, ev, ActionKind::StockToWaste);
    return;
  }
  if (g.params[Param::TableauRedealMode] > 0 && stock.empty()) {
    exec(g, ev, ActionKind::StockToSecondWaste);
    return;
  }
  if (dealsToTableau(g, ev) || dealsToReserves(g, ev)) return;
  if (g.params[Param::SecondWastePlacementVariant] != 0) exec(g, ev, ActionKind::StockToSecondWaste);
}

}  // namespace kes
