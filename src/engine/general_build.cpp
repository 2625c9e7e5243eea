#include <algorithm>
#include <array>
#include <optional>

#include "engine/base_rule.h"
#include "engine/build_context.h"

namespace kes {

namespace {

enum class SuitGate { Pass, SameSuit, SameColour, AlternateColours, Refuse };

struct SuitGateEntry {
  int code;
  SuitGate gate;
};

// Codes not listed pass the gate.
constexpr std::array<SuitGateEntry, 5> kSuitGates{{
    {0, SuitGate::SameSuit},
    {11, SuitGate::SameSuit},
    {1, SuitGate::SameColour},
    {3, SuitGate::AlternateColours},
    {6, SuitGate::Refuse},
}};

bool suitGatePasses(const BuildContext& c, int gateCode) {
  const auto* entry = std::find_if(kSuitGates.begin(), kSuitGates.end(),
                                   [gateCode](const SuitGateEntry& e) { return e.code == gateCode; });
  const SuitGate gate = entry == kSuitGates.end() ? SuitGate::Pass : entry->gate;
  switch (gate) {
    case SuitGate::Pass: return true;
    case SuitGate::SameSuit: return c.inSuit();
    case SuitGate::SameColour: return c.sameColour();
    case SuitGate::AlternateColours: return !c.sameColour();
    case SuitGate::Refuse: return false;
  }
  return false;
}

constexpr int kDown = 0;
constexpr int kUp = 1;
constexpr int kEither = 2;

// Foundations that start from a rank run around the corner to it; a
// foundation that starts at Ace (up) or King (down) ends at the other end.
std::optional<bool> upStepFinal(const BuildContext& c) {
  const BuildQuery& q = c.q;
  if (q.foundationMode) {
    if (c.t == kKing) return c.m == kAce && q.base != kAce;
    return std::nullopt;
  }
  // Building up in the tableau stops at the foundations' starting rank.
  if (c.t == q.foundationBaseRank && !q.wrap) return false;
  if (c.t == kKing && c.m == kAce) return true;
  return std::nullopt;
}

bool tableauStopsBelow(const BuildQuery& q, int t) {
  const int e = q.foundationBaseRank;
  return t == e || (t == kAce && (e == BaseCode::AceColourBalanced || e == BaseCode::RunRemoval ||
                                  e == BaseCode::RunRemovalOther));
}

bool downStep(const BuildContext& c) {
  const BuildQuery& q = c.q;
  if (q.foundationMode) {
    if (c.t == kAce) return c.m == kKing && q.base != kKing;
    return c.m == c.t - 1;
  }
  // In the tableau nothing goes below the foundations' starting rank unless
  // the pile wraps.
  if (tableauStopsBelow(q, c.t) && !q.wrap) return false;
  if (c.t == kAce) return c.m == kKing;
  return c.m == c.t - 1;
}

// Building up is tried first; some cases of it settle the answer outright,
// otherwise "either" falls back to building down.
bool rankStep(const BuildContext& c) {
  const int direction = c.q.direction;
  if (direction == kUp || direction == kEither) {
    if (const auto final = upStepFinal(c)) return *final;
    if (c.m == c.t + 1) return true;
    if (direction == kUp) return false;
  }
  if (direction == kDown || direction == kEither) return downStep(c);
  return false;
}

}  // namespace

bool generalBuild(const BuildContext& c, int gateCode) {
  if (c.onEmpty()) return baseRuleAccepts(c.state, c.q.base, c.q.moving, c.q.foundationBaseRank);
  return suitGatePasses(c, gateCode) && rankStep(c);
}

const Pile& BuildContext::pileOrEmpty(PileFamily family, int i) const {
  static const Pile kEmpty;
  if (i < 0 || i >= familySize(family)) return kEmpty;
  return state.table.pile({family, i});
}

int BuildContext::foundationBaseOf(int i) const {
  if (i < 0 || i >= familySize(PileFamily::Foundation)) return BaseCode::NoCard;
  return param(Param::foundationBase(i));
}

int BuildContext::tableauEmptyBaseOf(int i) const {
  if (i < 0 || i >= familySize(PileFamily::Tableau)) return BaseCode::NoCard;
  return param(Param::tableauEmptyBase(i));
}

}  // namespace kes
