#include "engine/opening_phase.h"

#include "engine/pile_location.h"

namespace kes {

bool openingPhaseAllows(const GameState& state, int card, PileId target) {
  if (!state.inOpeningPhase()) return true;
  return isTableauLocation(locateCard(state.table, card)) && target.family == PileFamily::Foundation;
}

}  // namespace kes
