#include "engine/drop_rules.h"

#include <algorithm>

#include "engine/build_rules.h"
#include "engine/move_log.h"
#include "engine/pile_location.h"
#include "engine/rule_card.h"
#include "engine/run_rules.h"
#include "game_family.h"

namespace kes {

namespace {

constexpr int kCodeQueensOnEmpty = 10;
constexpr int kCodeDiscardUnderHigher = 22;
constexpr int kCodeUpAnySuit = 20;
constexpr int kCodeClimbAndReturn = 29;
constexpr int kCodeAlternateDown = 34;
constexpr int kFullPack = 52;
constexpr int kRunLimitCellsAndSpaces = -5;
constexpr int kRunLimitCellsDoubledBySpaces = -7;

constexpr int kReserveNever = 4;
constexpr int kReserveKings = 8;
constexpr int kReserveCourtCards = 9;
constexpr int kReserveStack = 13;
constexpr int kKingsReserveCapacity = 3;
constexpr int kStackReserveCapacity = 5;

constexpr int kWasteBuildable = 2;
constexpr int kWasteNotDropTarget = 4;

bool inRange(int index, PileFamily family) { return index >= 0 && index < familySize(family); }

int targetOf(const Pile& pile) { return pile.top() >= 1 ? pile.top() : kEmptyTarget; }

bool foundationWindowOpen(const GameState& state, int card) {
  if (state.family() != Family::SevensRow) return true;
  if (!isTableauLocation(locateCard(state.table, card))) return true;
  return state.history.undo.log.countOf(kCodeTableauMove) % kTableauMovesPerWindow == 0 ||
         state.table.pile(PileId::waste()).empty();
}

// A discard foundation takes a card when a higher card of its suit (or an
// Ace) shows on top of a tableau pile.
bool higherCardOfSuitShows(const GameState& state, int card) {
  const int piles = std::clamp(state.tableauCount(), 0, familySize(PileFamily::Tableau));
  for (int i = 0; i < piles; ++i) {
    const int top = state.table.pile(PileId::tableau(i)).top();
    if (top < 1 || suitIndex(top) != suitIndex(card)) continue;
    if (cardRank(top) == kAce || cardRank(top) > cardRank(card)) return true;
  }
  return false;
}

}  // namespace

bool canDropOnFoundation(const GameState& state, int i, int card) {
  if (!inRange(i, PileFamily::Foundation)) return false;
  if (!foundationWindowOpen(state, card)) return false;
  if (!state.drag.singleCardHeld) return false;
  const GameParams& p = state.params;
  const Pile& pile = state.table.pile(PileId::foundation(i));
  const int code = p[Param::foundationBuildRule(i)];
  if (code == kCodeQueensOnEmpty) return cardRank(card) == kQueen && pile.empty();
  if (code == kCodeDiscardUnderHigher) return cardRank(card) == kAce || higherCardOfSuitShows(state, card);
  if (code != kCodeUpAnySuit && code != kCodeClimbAndReturn && pile.size() >= p[Param::FoundationMaxCards])
    return false;
  if (code == kCodeUpAnySuit && pile.size() >= kFullPack) return false;

  BuildQuery q;
  q.target = targetOf(pile);
  q.moving = card;
  q.base = p[Param::foundationBase(i)];
  q.isDrop = true;
  q.pileIndex = i;
  q.wrap = true;
  q.foundationMode = true;
  q.code = code;
  q.direction = p[Param::foundationDirection(i)];
  q.foundationBaseRank = p[Param::foundationBase(i)];
  return canBuild(state, q);
}

bool canDropOnTableau(const GameState& state, int i, int card) {
  if (!inRange(i, PileFamily::Tableau)) return false;
  const GameParams& p = state.params;
  const Pile& pile = state.table.pile(PileId::tableau(i));
  const int top = pile.top();
  if (top >= 1 && !state.table.isFaceUp(top)) return false;

  BuildQuery q;
  q.target = targetOf(pile);
  q.moving = card;
  q.base = p[Param::tableauEmptyBase(i)];
  q.isDrop = true;
  q.pileIndex = i;
  q.wrap = p[Param::tableauWrap(i)] > 0;
  q.foundationMode = false;
  q.code = p[Param::tableauBuildRule(i)];
  q.direction = p[Param::tableauDirection(i)];
  q.foundationBaseRank = p[Param::foundationBase(0)];
  if (!canBuild(state, q)) return false;

  const bool single = state.drag.singleCardHeld;
  if (q.code == kCodeAlternateDown && !pile.empty() && !single) return false;
  // The limits that count the empty piles allow less onto one of them.
  const int limit = p[Param::RunLimitMode];
  const bool emptyCounts = limit == kRunLimitCellsAndSpaces || limit == kRunLimitCellsDoubledBySpaces;
  if (emptyCounts && !single && pile.empty() && !checkRunLength(state, card, true, i).allowed) return false;
  // A run may not go back onto the pile it was lifted from.
  return pile.empty() || top != state.drag.draggedRunTop;
}

bool canDropOnReserve(const GameState& state, int i, int card) {
  if (!inRange(i, PileFamily::Reserve)) return false;
  const bool single = state.drag.singleCardHeld;
  const int firstReserveCards = state.table.pile(PileId::reserve(0)).size();
  switch (state.params[Param::reserveKind(i)]) {
    case kReserveNever: return false;
    case kReserveKings: return single && cardRank(card) == kKing && firstReserveCards < kKingsReserveCapacity;
    case kReserveStack: return single && firstReserveCards < kStackReserveCapacity;
    case kReserveCourtCards: return single && state.table.pile(PileId::reserve(i)).empty() && isCourtCard(card);
    default: return single && state.table.pile(PileId::reserve(i)).empty();
  }
}

bool canDropOnWaste(const GameState& state, int card) {
  const GameParams& p = state.params;
  if (p[Param::WasteNotDropTarget] == kWasteNotDropTarget || !state.onTable(PileId::waste()) ||
      p[Param::WasteBuildable] != kWasteBuildable)
    return false;
  const int top = state.table.pile(PileId::waste()).top();
  if (top < 1 || card < 1 || suitIndex(card) != suitIndex(top)) return false;
  const int rank = cardRank(card);
  return rank == rankAbove(cardRank(top)) || rank == rankBelow(cardRank(top));
}

bool canDropOn(const GameState& state, PileId pile, int card) {
  switch (pile.family) {
    case PileFamily::Foundation: return canDropOnFoundation(state, pile.index, card);
    case PileFamily::Tableau: return canDropOnTableau(state, pile.index, card);
    case PileFamily::Reserve: return canDropOnReserve(state, pile.index, card);
    case PileFamily::Stock: return pile.index == kWaste && canDropOnWaste(state, card);
  }
  return false;
}

bool canDropOn(const GameState& state, std::string_view pileName, int card) {
  const auto pile = pileFromName(pileName);
  return pile && canDropOn(state, *pile, card);
}

}  // namespace kes
