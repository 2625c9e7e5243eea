#include "game_start.h"

#include "initial_deal.h"
#include "game_family.h"

namespace kes {

namespace {
}  // namespace

void loadGame(GameState& g, const GameParams& params) {
  g.params = params;
  g.savedPileParams.save(g.params);
  const int family = g.params[Param::Family];
  g.history.foundationOneIsSelection =
      g.params[Param::PairingGame] != 0 || family == Family::PairsFourteen || family == Family::Pyramid;
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
