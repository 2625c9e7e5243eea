#include "move_executor.h"

#include <algorithm>

#include "action_run.h"
#include "automatic_moves.h"
#include "game_end.h"
#include "pairing_removal.h"
#include "pile_deals.h"
#include "poker_scoring.h"
#include "stock_actions.h"
#include "game_family.h"

namespace kes {

namespace {


void sortFoundation(ActionRun& run, int i) {
  Pile& f = run.pile(PileId::foundation(i));
  std::vector<int> cards;
  for (int p = 0; p < f.size(); ++p) cards.push_back(f.cardAt(p));
  std::sort(cards.begin(), cards.end());
  f.clear();
  for (int c : cards) f.append(c);
  // Sorting has no switch of its own: only the master switch silences it.
  if (f.size() > 1) run.sound("Reorder.wav", "");
}

void toFoundation(ActionRun& run, int card, int i, bool autoplay) {
  if (!run.moveCard(card, PileId::foundation(i))) return;
  run.recomputeWon();
  if (autoplay)
    run.sound("Autoplay.wav", "Sounds_Autoplay");
  else
    run.sound("Foundation.wav", "Sounds_Foundation");
  if (run.param(Param::FoundationSorted) == 1) sortFoundation(run, i);
}

void toTableau(ActionRun& run, int card, int i) {
  const bool moved = run.game.drag.singleCardHeld ? run.moveCard(card, PileId::tableau(i)) : run.moveRun(card, PileId::tableau(i));
  if (!moved) return;
  removeCompleteRun(run, i);
  run.sound("Tableau.wav", "Sounds_Tableau");
  if (run.game.family() == Family::FourOfAKind) removeFourOfAKind(run, i);
}

void toSecondWaste(ActionRun& run, int card) {
  if (!run.moveCard(card, PileId::secondWaste())) return;
  run.recomputeWon();
  if (run.game.family() == Family::DiscardAdjacentWrap) run.sound("Eddy.wav", "Sounds_Foundation");
}

void carryOut(ActionRun& run, int card, MoveAction a) {
  switch (a.kind) {
    case ActionKind::StockToWaste: stockAction(run, true); break;
    case ActionKind::StockToSecondWaste: stockAction(run, false); break;
    case ActionKind::ToFoundation: toFoundation(run, card, a.index, false); break;
    case ActionKind::AutoplayToFoundation: toFoundation(run, card, a.index, true); break;
    case ActionKind::ToTableau: toTableau(run, card, a.index); break;
    case ActionKind::ToReserve:
      if (run.moveCard(card, PileId::reserve(a.index))) run.sound("Tableau.wav", "Sounds_Tableau");
      break;
    case ActionKind::ToSecondWaste: toSecondWaste(run, card); break;
    case ActionKind::ToWaste:
      if (run.moveCard(card, PileId::waste())) {
        run.recomputeWon();
        run.sound("Tableau.wav", "Sounds_Tableau");
      }
      break;
    case ActionKind::AddTableaus:
    case ActionKind::FillTableaus:
    case ActionKind::AddTableausLast:
    case ActionKind::AddReserves:
    case ActionKind::AddReserve: dealToPiles(run, a); break;
    case ActionKind::RemoveSelection: removeSelection(run); break;
    case ActionKind::RefillEmptyTableau: refillEmptyTableau(run); break;
    case ActionKind::CloseGapsAndRefill: closeGapsAndRefill(run); break;
  }
}

bool openingPhaseRefuses(const GameState& g, int card, MoveAction a) {
  if (!g.inOpeningPhase()) return false;
  const auto at = g.locateCard(card);
  const bool fromTableau = at && at->family == PileFamily::Tableau;
  const bool toFoundation = a.kind == ActionKind::ToFoundation || a.kind == ActionKind::AutoplayToFoundation;
  return !(fromTableau && toFoundation);
}

void finishAction(ActionRun& run) {
  GameState& g = run.game;
  if (g.family() == Family::PokerGrid)
    scorePokerGrid(g, run.lastCard, run.events);
  else
    updateScore(g);
  if (run.leftTableau && !g.autoplayOn()) autoFaceUp(g, run.events, false);
  g.history.clearRedo();
}

}  // namespace

bool executeMove(GameState& g, EngineEvents& events, int card, MoveAction action) {
  if (openingPhaseRefuses(g, card, action)) return false;
  ActionRun run(g, events, action.kind != ActionKind::FillTableaus);
  carryOut(run, card, action);
  if (!run.changed) return false;
  finishAction(run);
  g.movesMade = std::min(g.movesMade + 1, 2);
  if (g.params[Param::FillEmptyFromStockAfterFirstAction] == 1 && g.movesMade == 1) {
    g.movesMade = 2;
    executeMove(g, events, 0, MoveAction::to(ActionKind::FillTableaus));
  }
  return run.changed;
}

bool executeMove(GameState& g, EngineEvents& events, int card, std::string_view actionName) {
  const auto action = parseAction(actionName);
  return action && executeMove(g, events, card, *action);
}

bool redealAllowed(const GameState& g) {
  const int passes = g.params[Param::StockPasses];
  return passes == -1 || g.passNumber < passes;
}

}  // namespace kes
