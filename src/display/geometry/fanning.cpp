#include "display/geometry/fanning.h"

namespace kes {

namespace {

// Per card size: "B", "M", "L".
int bySize(const CardSize& card, int big, int medium, int little) {
  switch (card.code) {
    case 'M': return medium;
    case 'L': return little;
    default: return big;
  }
}

}  // namespace

int fanningKind(const GameParams& p, PileFamily family) {
  switch (family) {
    case PileFamily::Tableau: return p[Param::TableauFanning];
    case PileFamily::Foundation: return p[Param::FoundationFanning];
    case PileFamily::Reserve: return p[Param::ReserveFanning];
    case PileFamily::Stock: break;
  }
  return Fanning::Squared;
}

FanningSteps fanningSteps(const CardSize& card, const GameParams& p, const FanningSteps& previous) {
  const int tableau = p[Param::TableauFanning];
  const int reserve = p[Param::ReserveFanning];
  FanningSteps s;
  if (tableau == Fanning::Down) {
    s.downFaceUp = bySize(card, 18, 14, 3);
    s.downFaceDown = bySize(card, 4, 4, 3);
  }
  if (tableau == Fanning::Right || reserve == Fanning::Right) {
    s.rightFaceUp = bySize(card, 12, 10, 3);
    s.rightFaceDown = bySize(card, 4, 4, 3);
  }
  s.rightNarrow = tableau == Fanning::RightNarrow ? bySize(card, 7, 5, 3) : previous.rightNarrow;
  return s;
}

}  // namespace kes
