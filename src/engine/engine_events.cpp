#include "engine_events.h"

namespace kes {

CardFamily cardFamilyOf(PileId pile) {
  switch (pile.family) {
    case PileFamily::Stock:
      return pile.index == kStock ? CardFamily::Stock : pile.index == kWaste ? CardFamily::Waste : CardFamily::SecondWaste;
    case PileFamily::Foundation: return CardFamily::Foundation;
    case PileFamily::Tableau: return CardFamily::Tableau;
    case PileFamily::Reserve: return CardFamily::Reserve;
  }
  return CardFamily::Stock;
}

EngineEvents& silentEvents() {
  static EngineEvents silent;
  return silent;
}

}  // namespace kes
