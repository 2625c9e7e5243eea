#include "stock_actions.h"

#include "move_executor.h"
#include "pairing_rules.h"
#include "game_family.h"

namespace kes {

namespace {


// Redeal modes 4 and 5 gather the tableau into the stock; 1 to 3 deal it again.
bool gathersIntoStock(int mode) { return mode == 4 || mode == 5; }

void gatherTableauIntoStock(ActionRun& run) {
  for (int i = run.game.tableauCount() - 1; i >= 0; --i) {
    while (!run.pile(PileId::tableau(i)).empty()) {
      run.moveCard(run.pile(PileId::tableau(i)).top(), PileId::stock(), false);
      run.sound("Shuffle.wav", "Sounds_Shuffle");
    }
  }
}

void redealTableau(ActionRun& run, int mode) {
  GameState& g = run.game;
  const int piles = g.tableauCount();
  if (piles <= 0) return;
  std::vector<int> collected;
  for (int i = 0; i < piles; ++i) {
    const Pile& p = g.table.pile(PileId::tableau(i));
    for (int pos = p.size() - 1; pos >= 0; --pos) collected.push_back(p.cardAt(pos));
  }
  if (collected.empty()) return;
  run.beforeChange();
  for (int i = 0; i < piles; ++i) run.pile(PileId::tableau(i)).clear();
  const int group = run.param(Param::tableauDealCount(0));
  const int face = run.param(Param::tableauDealFace(0));
  int pile = 0;
  for (int card : redealOrder(std::move(collected))) {
    const PileId to = PileId::tableau(pile);
    g.table.appendCard(to, card, group == face);
    run.sound("Shuffle.wav", "Sounds_Shuffle");
    const bool stay = mode == 1 && g.table.pile(to).size() < group;
    if (!stay) pile = (pile + 1) % piles;
  }
  if (face == 1 && group != face)
    for (int i = 0; i < piles; ++i) g.table.setTopFaces(PileId::tableau(i), 1, true);
  for (int i = 0; i < piles; ++i) run.events.pileReplaced(PileId::tableau(i));
}

// A selected waste card that went back into the stock is no longer free to
// pair; left selected, a later pair would take it from inside the stock.
void dropStockFromSelection(ActionRun& run) {
  Pile& selection = run.game.table.pile(PileId::foundation(0));
  const Pile& stock = run.game.table.pile(PileId::stock());
  bool dropped = false;
  for (int i = 0; i < stock.size(); ++i) dropped = selection.remove(stock.cardAt(i)) || dropped;
  if (dropped) run.events.pileReplaced(PileId::foundation(0));
}

void turnWasteOver(ActionRun& run) {
  GameState& g = run.game;
  const bool faceDown = run.param(Param::StockFaceDown) != 0;
  run.events.wasteTurnover(true);
  // Reported before the cards move: the display loops it while they fly.
  run.sound("Redeal.wav", "Sounds_Redeal");
  while (!run.pile(PileId::waste()).empty()) run.moveCard(run.pile(PileId::waste()).top(), PileId::stock(), !faceDown);
  run.events.wasteTurnover(false);
  if (g.family() == Family::Pyramid) dropStockFromSelection(run);
}

// Step 1 and 2: what a press on the empty stock does. Returns whether a
// tableau redeal ran (which replaces the deal of step 3).
bool emptyStockAction(ActionRun& run, bool toWaste) {
  GameState& g = run.game;
  if (!g.table.pile(PileId::stock()).empty() || !redealAllowed(g)) return false;
  const int mode = run.param(Param::TableauRedealMode);
  if (mode > 0) {
    if (!g.drag.redealArmed) {
      g.drag.redealArmed = true;
      return false;
    }
    g.drag.redealArmed = false;
    ++g.passNumber;
    if (gathersIntoStock(mode)) {
      gatherTableauIntoStock(run);
    } else {
      redealTableau(run, mode);
      if (run.pushed) g.history.undo.log.addToLast(kCodeTableauRedeal);
    }
    return true;
  }
  if (toWaste && g.table.pile(PileId::waste()).size() >= 2) {
    if (!g.drag.redealArmed) {
      g.drag.redealArmed = true;
      return false;
    }
    g.drag.redealArmed = false;
    ++g.passNumber;
    turnWasteOver(run);
    if (run.pushed) g.history.undo.log.addToLast(kCodeTableauRedeal);
  }
  return false;
}

void turnCards(ActionRun& run, bool toWaste) {
  GameState& g = run.game;
  const PileId to = toWaste ? PileId::waste() : PileId::secondWaste();
  bool dealt = false;
  for (int k = 0; k < run.param(Param::CardsPerStockPress) && !g.table.pile(PileId::stock()).empty(); ++k) {
    run.dealFromStock(to);
    run.sound("Stock.wav", "Sounds_Stock");
    run.recomputeWon();
    dealt = true;
  }
  if (dealt && g.family() == Family::CountedDeals) {
    ++g.dealCount;
    g.history.undo.log.addToLast(kCodeStockDeal);  // beside the code of a turnover before it
  }
}

}  // namespace

std::vector<int> redealOrder(std::vector<int> p) {
  std::vector<int> q;
  std::size_t u = p.size() / 2;
  while (!p.empty()) {
    if (u > p.size() - 1) u = 0;
    q.push_back(p[u]);
    p.erase(p.begin() + static_cast<long>(u));
    u += q.size() % 2 == 1 ? 2 : 5;
  }
  return q;
}

void stockAction(ActionRun& run, bool toWaste) {
  const bool redealt = emptyStockAction(run, toWaste);
  if (!redealt) turnCards(run, toWaste);
}

}  // namespace kes
