#include "engine/base_rule.h"

#include <algorithm>
#include <array>

#include "engine/pile_location.h"
#include "engine/rule_card.h"

namespace kes {

namespace {

int foundationsInUse(const GameState& state) {
  return std::clamp(state.foundationCount(), 0, familySize(PileFamily::Foundation));
}

// Bases whose own condition is not relaxed when the foundations take any card.
bool keepsOwnCondition(int base) {
  return (base >= BaseCode::AceColourBalanced && base <= BaseCode::FromStockOnly) ||
         base == BaseCode::FoundationStartRank;
}

int requiredRankForGroup(int base) {
  switch (base) {
    case BaseCode::AceColourBalanced:
    case BaseCode::AceBalancedDistinct: return kAce;
    case BaseCode::KingBalancedDistinct: return kKing;
    default: return -1;  // no rank condition
  }
}

bool needsDistinctSuits(int base) {
  return base == BaseCode::KingBalancedDistinct || base == BaseCode::AceBalancedDistinct;
}

bool comesFromStockFamily(const GameState& state, int card) {
  const PileLocation where = locateCard(state.table, card);
  return where == kLocationStock || where == kLocationWaste ||
         state.table.pile(PileId::secondWaste()).contains(card);
}

// Every started foundation begins with a card of the same rank.
bool matchesStartedFoundations(const GameState& state, int moving) {
  for (int i = 0; i < foundationsInUse(state); ++i) {
    const Pile& p = state.table.pile(PileId::foundation(i));
    if (!p.empty() && cardRank(p.cardAt(0)) != cardRank(moving)) return false;
  }
  return true;
}

bool ownCondition(const GameState& state, int base, int moving) {
  if (base >= kAce && base <= kKing) return cardRank(moving) == base;
  switch (base) {
    case BaseCode::AnyCard: return true;
    case BaseCode::AceColourBalanced:
    case BaseCode::KingBalancedDistinct:
    case BaseCode::AceBalancedDistinct: return groupTestPasses(state, base, moving);
    case BaseCode::SingleCardOnly: return state.drag.singleCardHeld;
    case BaseCode::FromStockOnly: return comesFromStockFamily(state, moving);
    case BaseCode::FoundationStartRank: return matchesStartedFoundations(state, moving);
    case BaseCode::BelowFoundationBase:
      return cardRank(moving) == rankBelowFoundationBase(state.params[Param::foundationBase(0)]);
    default: return false;  // 0 (none), 82 and 83 (run removal only), unknown values
  }
}

}  // namespace

int rankBelowFoundationBase(int foundationBase) {
  // Foundations that start from no fixed rank (the colour-balanced and
  // run-removal bases) start from an Ace or are built down from a King:
  // their spaces take a King, as the rule's name says.
  if (foundationBase < kAce || foundationBase > kKing) return kKing;
  return foundationBase == kAce ? kKing : foundationBase - 1;
}

bool baseRuleAccepts(const GameState& state, int base, int moving, int foundationBaseRank) {
  if (foundationBaseRank == -1 && !keepsOwnCondition(base)) return true;
  return ownCondition(state, base, moving);
}

bool groupTestPasses(const GameState& state, int base, int moving) {
  if (suitIndex(moving) < 0) return false;
  const int rank = requiredRankForGroup(base);
  if (rank != -1 && cardRank(moving) != rank) return false;

  int sharing = 0;
  int red = isRed(moving) ? 1 : 0;
  int black = 1 - red;
  std::array<bool, 4> suitSeen{};
  suitSeen[static_cast<std::size_t>(suitIndex(moving))] = true;
  bool suitRepeated = false;
  for (int i = 0; i < foundationsInUse(state); ++i) {
    if (state.params[Param::foundationBase(i)] != base) continue;
    ++sharing;
    const Pile& p = state.table.pile(PileId::foundation(i));
    const int first = p.cardAt(0);
    if (suitIndex(first) < 0) continue;  // empty, or a placeholder
    (isRed(first) ? red : black) += 1;
    bool& seen = suitSeen[static_cast<std::size_t>(suitIndex(first))];
    suitRepeated = suitRepeated || seen;
    seen = true;
  }
  if (red > sharing / 2 || black > sharing / 2) return false;
  return !(needsDistinctSuits(base) && suitRepeated);
}

}  // namespace kes
