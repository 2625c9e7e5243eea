#pragma once

#include <span>

#include "engine/build_rules.h"
#include "engine/pile_location.h"
#include "engine/rule_card.h"

namespace kes {

// A build query with the ranks worked out and the piles at hand. Shared by
// the files that hold the build rule codes; not part of the engine's API.
struct BuildContext {
  const GameState& state;
  const BuildQuery& q;
  int t;  // target rank, -1 on an empty pile
  int m;  // moving rank

  bool onEmpty() const { return isEmptyTarget(q.target); }
  bool inSuit() const { return ruleSuit(q.target) == ruleSuit(q.moving); }
  bool sameColour() const { return ruleIsRed(q.target) == ruleIsRed(q.moving); }
  bool adjacent() const { return m == t + 1 || m == t - 1; }
  PileLocation source() const { return locateCard(state.table, q.moving); }
  int param(int entry) const { return state.params[entry]; }

  // Piles addressed by index; an index outside the family reads as an empty pile.
  const Pile& foundation(int i) const { return pileOrEmpty(PileFamily::Foundation, i); }
  const Pile& tableau(int i) const { return pileOrEmpty(PileFamily::Tableau, i); }
  const Pile& destination() const {
    return q.foundationMode ? foundation(q.pileIndex) : tableau(q.pileIndex);
  }
  const Pile& waste() const { return state.table.pile(PileId::waste()); }
  // Foundation i's base, 0 for an index outside the foundations.
  int foundationBaseOf(int i) const;
  int tableauEmptyBaseOf(int i) const;

 private:
  const Pile& pileOrEmpty(PileFamily family, int i) const;
};

// The rule every code without one of its own follows: the base rule on an
// empty pile, else the suit gate of gateCode and the rank step.
bool generalBuild(const BuildContext& c, int gateCode);

using BuildRuleFn = bool (*)(const BuildContext&);
struct BuildRule {
  int code;
  BuildRuleFn decide;
};

// Codes decided by the two cards alone.
std::span<const BuildRule> cardBuildRules();
// Codes that also look at other piles, at where the moving card comes
// from, or at the game's counters.
std::span<const BuildRule> tableBuildRules();

}  // namespace kes
