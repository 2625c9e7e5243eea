#include "safe_moves.h"

#include "engine/build_rules.h"
#include "engine/card.h"
#include "engine/game_family.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "state_key.h"

namespace kes::solver {

// The proof. A single face-up card C that a foundation accepts is played
// there. Afterwards the player can do everything he could before, except
// use C where it lay: he can no longer build on C nor move C elsewhere.
//  - Moving C elsewhere only serves to uncover what lies under it, which
//    the foundation move does too (the same automatic fill, if any, follows
//    either way; we require that no fill takes from a place the player
//    might still want, so there is none).
//  - Building on C is tested through the engine's own build rule: when no
//    card still in play may be built on C on any tableau pile (nor in a run),
//    and the tableau builds only downwards without turning the corner, the
//    cards that could ever go on C are below it in rank and already on the
//    foundations, so the loss is nothing.
// Where the foundations give cards back, their cards count as in play (one
// may come back to be built on C), and C itself could only be wanted back
// to be built on, which no card can, or to cover a pile, which helps
// nothing.
// The conditions keep the rest of the table unchanged by the move:
//  - no tableau redeal collects the piles (it would collect C, or not);
//  - the waste takes no builds, and in games that turn more than one card
//    at a time a waste card is never taken (the turns would fall
//    differently in the next pass);
//  - standard family: the pairing, counting and row games play to their
//    foundations by rules of their own.
namespace {

constexpr int kDown = 0;

bool tableauBuildsDownWithoutWrap(const GameParams& p) {
  for (int i = 0; i < p[Param::TableauCount]; ++i)
    if (p[Param::tableauDirection(i)] != kDown || p[Param::tableauWrap(i)] > 0) return false;
  return true;
}

// The cards still in play: foundation cards left out, unless the
// foundations give cards back.
std::vector<int> cardsInPlay(const GameState& g) {
  const bool foundationsGiveBack = g.params[Param::FoundationLift] != 0;
  std::vector<int> cards;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if ((id.family == PileFamily::Foundation && !foundationsGiveBack) || !g.inUse(id)) continue;
    const Pile& pile = g.table.pile(id);
    for (int i = 0; i < pile.size(); ++i) cards.push_back(pile.cardAt(i));
  }
  return cards;
}

// The tableau piles whose build rules differ: a plain rule on the same
// terms judges a card alike on every pile, so one such pile stands for all.
std::vector<int> distinctBuildPiles(const GameParams& p) {
  std::vector<int> piles;
  const auto terms = [&p](int i) {
    return std::tuple(p[Param::tableauBuildRule(i)], p[Param::tableauDirection(i)], p[Param::tableauEmptyBase(i)]);
  };
  for (int i = 0; i < p[Param::TableauCount]; ++i) {
    const bool same = plainTableauRule(p[Param::tableauBuildRule(i)]) &&
                      std::any_of(piles.begin(), piles.end(), [&](int j) { return terms(j) == terms(i); });
    if (!same) piles.push_back(i);
  }
  return piles;
}

bool someCardBuildsOn(const GameState& g, int card) {
  const GameParams& p = g.params;
  const std::vector<int> piles = distinctBuildPiles(p);
  for (int x : cardsInPlay(g)) {
    if (x == card) continue;
    for (const int i : piles) {
      BuildQuery q;
      q.target = card;
      q.moving = x;
      q.base = p[Param::tableauEmptyBase(i)];
      q.pileIndex = i;
      q.wrap = false;
      q.code = p[Param::tableauBuildRule(i)];
      q.direction = p[Param::tableauDirection(i)];
      q.foundationBaseRank = p[Param::foundationBase(0)];
      for (bool drop : {true, false}) {
        q.isDrop = drop;
        if (canBuild(g, q)) return true;
      }
    }
  }
  return false;
}

}  // namespace

bool gameAllowsSafeMoves(const GameParams& p) {
  return p[Param::Family] == Family::Standard && p[Param::TableauRedealMode] == 0 &&
         p[Param::WasteBuildable] == 0 && p[Param::OpeningPhase] == 0 && p[Param::EmptyTableauFillSource] == 0 &&
         tableauBuildsDownWithoutWrap(p);
}

bool isSafeMove(const GameState& g, const SolverMove& move) {
  if (move.kind != MoveKind::Drag || move.target.family != PileFamily::Foundation || move.presses > 0) return false;
  if (!gameAllowsSafeMoves(g.params)) return false;
  const auto from = g.locateCard(move.card);
  if (!from || from->family == PileFamily::Foundation || g.table.pile(*from).top() != move.card) return false;
  if (*from == PileId::waste() && g.params[Param::CardsPerStockPress] > 1) return false;
  return !someCardBuildsOn(g, move.card);
}

}  // namespace kes::solver
