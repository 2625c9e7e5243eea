#include "engine/run_rules.h"

#include <algorithm>

#include "engine/base_rule.h"
#include "engine/build_rules.h"
#include "engine/rule_card.h"

namespace kes {

namespace {

// Values of the limit on cards moved together; other negative values allow
// as many cards as there are empty tableau piles (at least one), and
// non-negative values are the limit itself.
constexpr int kRunLimitUnlimited = -1;
constexpr int kRunLimitKingHeaded = -12;     // a single card, or a run headed by a King
constexpr int kRunLimitCellsAndSpaces = -5;  // empty reserves and tableau piles add up
constexpr int kRunLimitCellsOrSpaces = -6;
constexpr int kRunLimitCellsDoubledBySpaces = -7;  // (free cells + 1) x 2^(empty piles that take any card)

constexpr int kRunCheckOwnRule = 1;
constexpr int kRunCheckSameSuit = 10;
constexpr int kSameSuitCode = 0;

int emptyPiles(const GameState& state, PileFamily family, int inUse) {
  int empty = 0;
  for (int i = 0; i < std::clamp(inUse, 0, familySize(family)); ++i)
    if (state.table.pile({family, i}).empty()) ++empty;
  return empty;
}

bool openWhenEmpty(const GameState& state, int tableauIndex) {
  return state.params[Param::tableauEmptyBase(tableauIndex)] == BaseCode::AnyCard;
}

// Empty tableau piles that could hold any card on the way: only they help
// to move a run card by card (a pile that takes only Kings holds no part of
// a run but its bottom card).
int emptyOpenPiles(const GameState& state) {
  int empty = 0;
  for (int i = 0; i < std::clamp(state.tableauCount(), 0, familySize(PileFamily::Tableau)); ++i)
    if (state.table.pile(PileId::tableau(i)).empty() && openWhenEmpty(state, i)) ++empty;
  return empty;
}

// Every free cell moves one card more; every open empty pile doubles what
// can be moved, except the one the run is moving onto.
bool withinDoublingLimit(const GameState& state, int cards, bool destinationIsEmptyTableau, int destinationPile) {
  const int cells = emptyPiles(state, PileFamily::Reserve, state.reserveCount());
  int open = emptyOpenPiles(state);
  const bool ontoOpenPile = destinationPile >= 0 ? openWhenEmpty(state, destinationPile) : open > 0;
  if (destinationIsEmptyTableau && ontoOpenPile) --open;
  long long limit = cells + 1;
  for (int k = 0; k < open && limit < cards; ++k) limit *= 2;
  return cards <= limit;
}

bool withinLimit(const GameState& state, int cards, int bottomCard, bool destinationIsEmptyTableau, int destinationPile) {
  const int mode = state.params[Param::RunLimitMode];
  if (mode == kRunLimitUnlimited) return true;
  if (mode == kRunLimitKingHeaded) return cards == 1 || cardRank(bottomCard) == kKing;
  const int f = emptyPiles(state, PileFamily::Tableau, state.tableauCount());
  const int c = emptyPiles(state, PileFamily::Reserve, state.reserveCount());
  switch (mode) {
    case kRunLimitCellsAndSpaces:
      if (f == 0) return cards <= c + 1;
      return cards <= (destinationIsEmptyTableau ? c + f : c + f + 1);
    case kRunLimitCellsOrSpaces: return cards <= (f == 0 ? c + 1 : c + f);
    case kRunLimitCellsDoubledBySpaces: return withinDoublingLimit(state, cards, destinationIsEmptyTableau, destinationPile);
    default: return cards <= (mode < 0 ? std::max(f, 1) : mode);
  }
}

}  // namespace

bool isValidRun(const GameState& state, int card, int tableauIndex) {
  if (tableauIndex < 0 || tableauIndex >= familySize(PileFamily::Tableau)) return false;
  const Pile& pile = state.table.pile(PileId::tableau(tableauIndex));
  const int position = pile.positionOf(card);
  if (position < 0) return false;
  const int check = state.params[Param::RunCheck];
  if (check != kRunCheckOwnRule && check != kRunCheckSameSuit) return true;

  BuildQuery pair;
  pair.base = state.params[Param::tableauEmptyBase(tableauIndex)];
  pair.isDrop = false;
  pair.pileIndex = tableauIndex;
  pair.wrap = state.params[Param::tableauWrap(tableauIndex)] > 0;
  pair.foundationMode = false;
  pair.code = check == kRunCheckSameSuit ? kSameSuitCode : state.params[Param::tableauBuildRule(tableauIndex)];
  pair.direction = state.params[Param::tableauDirection(tableauIndex)];
  pair.foundationBaseRank = state.params[Param::foundationBase(0)];
  for (int k = position; k + 1 < pile.size(); ++k) {
    pair.target = pile.cardAt(k);
    pair.moving = pile.cardAt(k + 1);
    if (!canBuild(state, pair)) return false;
  }
  return true;
}

RunLengthCheck checkRunLength(const GameState& state, int card, bool destinationIsEmptyTableau, int destinationPile) {
  const auto where = card >= 1 ? state.table.locate(card) : std::nullopt;
  if (!where) return {};
  return checkRunLengthIn(state, *where, card, destinationIsEmptyTableau, destinationPile);
}

RunLengthCheck checkRunLengthIn(const GameState& state, PileId pile, int card, bool destinationIsEmptyTableau,
                                int destinationPile) {
  const Pile& cards = state.table.pile(pile);
  const int position = card >= 1 ? cards.positionOf(card) : -1;
  if (position < 0) return {};
  return {withinLimit(state, cards.size() - position, card, destinationIsEmptyTableau, destinationPile), cards.top()};
}

bool runLengthAllowed(GameState& state, int card, bool destinationIsEmptyTableau) {
  const RunLengthCheck check = checkRunLength(state, card, destinationIsEmptyTableau);
  state.drag.draggedRunTop = check.runTop;
  return check.allowed;
}

}  // namespace kes
