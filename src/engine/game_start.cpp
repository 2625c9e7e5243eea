#include "game_start.h"

#include "game_end.h"
#include "history_steps.h"
#include "initial_deal.h"
#include "game_family.h"

namespace kes {

bool foundationOneIsSelection(const GameParams& params) {
  const int family = params[Param::Family];
  return params[Param::PairingGame] != 0 || family == Family::PairsFourteen || family == Family::Pyramid;
}

void loadGame(GameState& g, const GameParams& params) {
  g.params = params;
  g.savedPileParams.save(g.params);
  g.history.foundationOneIsSelection = foundationOneIsSelection(g.params);
  g.laidOut = false;
}

std::string startDeal(GameState& g, const std::string& dealNumber, const FoundationTest& accepts) {
  g.history.clear();
  g.table.clearPiles();
  g.table.cards.setAllFaceUp();
  g.savedPileParams.restore(g.params);
  g.drag = DragState{};
  g.passNumber = 1;
  g.dealCount = 0;
  g.movesMade = 0;
  g.score = 0;
  g.won = false;
  std::string error = dealInitial(g, dealNumber, accepts);
  g.inProgress = error.empty();
  return error;
}

}  // namespace kes

namespace kes {

bool resumeTable(GameState& g, const ResumePoint& point) {
  g.history.clear();
  g.table.clearPiles();
  g.table.cards.setAllFaceUp();
  g.savedPileParams.restore(g.params);
  for (std::size_t f = 0; f < point.foundationBases.size(); ++f)
    if (point.foundationBases[f]) g.params[Param::foundationBase(static_cast<int>(f))] = static_cast<std::int16_t>(*point.foundationBases[f]);
  g.drag = DragState{};
  g.won = false;
  g.inProgress = false;
  if (!restoreSnapshot(g.table, point.table)) return false;
  g.history.undo = point.undo;
  g.passNumber = point.passNumber;
  // Where the score follows the table (the poker grid, the scoring system),
  // it is what the table scores, as after any undo: a saved score that
  // disagrees was spoiled, and would otherwise last until the first undo.
  g.score = point.score;
  updateScore(g);
  g.dealCount = countDeals(g.history);
  g.movesMade = g.history.undo.empty() ? 0 : 2;
  g.inProgress = !checkGameWon(g);
  return true;
}

}  // namespace kes
