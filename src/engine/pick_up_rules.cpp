#include "engine/pick_up_rules.h"

#include "engine/rule_card.h"
#include "engine/run_rules.h"
#include "game_family.h"

namespace kes {

namespace {

// Families that play tableau cards onto the second waste by rank.
// Pairing families whose tableau presses select cards.

constexpr int kGridLayout = 8;
constexpr int kReserveLiftAnyCard = -11;
constexpr int kFoundationLiftTop = 1;
constexpr int kFoundationLiftAboveOne = 2;

constexpr PickUp refuse() { return {PickUpOutcome::Refuse, 0, 0}; }
constexpr PickUp single(PickUpOutcome outcome, int card) { return {outcome, card, card}; }

bool playsOntoSecondWaste(int family) {
  return family == Family::DiscardAdjacent || family == Family::DiscardAdjacentWrap || family == Family::DiscardAdjacentWrapExposed;
}

// An exposed card goes to the second waste when its rank is next to that of
// the waste's top card. An empty second waste takes nothing.
PickUp sendToWaste(const GameState& state, int card, bool exposed) {
  const int top = state.table.pile(PileId::secondWaste()).top();
  if (!exposed || top < 1) return refuse();
  const int w = cardRank(top);
  const int m = cardRank(card);
  const bool next = m == w + 1 || m == w - 1;
  const bool corner = (m == kAce && w == kKing) || (m == kKing && w == kAce);
  const bool fits = next || (corner && state.family() != Family::DiscardAdjacent);
  return fits ? single(PickUpOutcome::SendToWaste, card) : refuse();
}

bool mayShow(const GameState& state, int card, PileId pile) {
  if (card < 1 || !state.table.pile(pile).contains(card) || !state.table.isFaceUp(card)) return false;
  if (pile.family == PileFamily::Tableau) return true;
  const int fanning = state.params[Param::ReserveFanning];
  return pile.family == PileFamily::Reserve && (fanning == 1 || fanning == 2);
}

PickUp liftFromTableau(const GameState& state, int card, int i) {
  const Pile& pile = state.table.pile(PileId::tableau(i));
  const bool faceUp = state.table.isFaceUp(card);
  if (pile.top() == card) {
    if (!faceUp) return single(PickUpOutcome::TurnFaceUp, card);
    const RunLengthCheck length = checkRunLengthIn(state, PileId::tableau(i), card, false);
    return length.allowed ? PickUp{PickUpOutcome::Lift, card, length.runTop} : refuse();
  }
  if (isValidRun(state, card, i)) {
    const RunLengthCheck length = checkRunLengthIn(state, PileId::tableau(i), card, false);
    return faceUp && length.allowed ? PickUp{PickUpOutcome::LiftRun, card, length.runTop} : refuse();
  }
  // In the grid any face-up card may be taken out of a broken run alone.
  if (state.params[Param::TableauFanning] == kGridLayout && faceUp) return single(PickUpOutcome::Lift, card);
  return refuse();
}

PickUp pressOnTableau(const GameState& state, int card, int i) {
  const Pile& pile = state.table.pile(PileId::tableau(i));
  if (card < 1 || !pile.contains(card)) return refuse();
  const bool exposed = pile.top() == card;
  const int family = state.family();
  if (playsOntoSecondWaste(family)) return sendToWaste(state, card, exposed);
  if (family == Family::Pyramid || (family == Family::PairsFourteen && exposed))
    return single(PickUpOutcome::PairingSelection, card);
  if (family == Family::PairsFourteen) return refuse();
  return liftFromTableau(state, card, i);
}

PickUp pressOnStockFamily(const GameState& state, int index) {
  if (index == kStock) return {PickUpOutcome::StockPress, 0, 0};
  if (index != kWaste) return refuse();
  const int top = state.table.pile(PileId::waste()).top();
  if (top >= 1) {
    if (state.family() == Family::Pyramid) return single(PickUpOutcome::PairingSelection, top);
    return single(PickUpOutcome::Lift, top);
  }
  const bool redeals = state.params[Param::TableauRedealMode] > 0;
  if (redeals && state.table.pile(PileId::stock()).empty()) return {PickUpOutcome::StartRedeal, 0, 0};
  return refuse();
}

PickUp pressOnFoundation(const GameState& state, int i) {
  const Pile& pile = state.table.pile(PileId::foundation(i));
  const int mode = state.params[Param::FoundationLift];
  const bool allowed = (mode == kFoundationLiftTop && !pile.empty()) ||
                       (mode == kFoundationLiftAboveOne && pile.size() > 1);
  return allowed ? single(PickUpOutcome::Lift, pile.top()) : refuse();
}

PickUp pressOnReserve(const GameState& state, int card, int i) {
  const Pile& pile = state.table.pile(PileId::reserve(i));
  if (card < 1 || !pile.contains(card)) return refuse();
  const bool exposed = pile.top() == card;
  if (playsOntoSecondWaste(state.family())) return sendToWaste(state, card, exposed);
  // A face-down card is never lifted: its face would show while it is held.
  if (!state.table.isFaceUp(card)) return refuse();
  if (exposed || state.params[Param::ReserveLiftAny] == kReserveLiftAnyCard)
    return single(PickUpOutcome::Lift, card);
  return refuse();
}

}  // namespace

PickUp canPickUp(const GameState& state, int card, PileId pile, PressButton button) {
  if (state.params[Param::PairingGame] != 0)
    return button == PressButton::Left ? single(PickUpOutcome::PairingSelection, card)
                                       : PickUp{PickUpOutcome::Ignore, 0, 0};
  if (button == PressButton::Middle) return refuse();
  if (button == PressButton::Right) return mayShow(state, card, pile) ? PickUp{PickUpOutcome::Show, card, 0} : refuse();
  switch (pile.family) {
    case PileFamily::Stock: return pressOnStockFamily(state, pile.index);
    case PileFamily::Tableau: return pressOnTableau(state, card, pile.index);
    case PileFamily::Foundation: return pressOnFoundation(state, pile.index);
    case PileFamily::Reserve: return pressOnReserve(state, card, pile.index);
  }
  return refuse();
}

bool refusedForBrokenRun(const GameState& state, int card, PileId pile) {
  if (pile.family != PileFamily::Tableau || state.params[Param::PairingGame] != 0) return false;
  const int family = state.family();
  // These families judge a tableau press without looking at runs.
  if (playsOntoSecondWaste(family) || family == Family::Pyramid || family == Family::PairsFourteen) return false;
  if (state.params[Param::TableauFanning] == kGridLayout) return false;
  const Pile& cards = state.table.pile(pile);
  return card >= 1 && cards.top() != card && cards.contains(card) && !isValidRun(state, card, pile.index);
}

PickUp canPickUp(const GameState& state, int card, std::string_view pileName, PressButton button) {
  const auto pile = pileFromName(pileName);
  if (!pile) return {PickUpOutcome::Ignore, 0, 0};
  return canPickUp(state, card, *pile, button);
}

}  // namespace kes
