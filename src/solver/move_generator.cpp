#include "move_generator.h"

#include <algorithm>

#include "engine/drop_card.h"
#include "engine/drop_rules.h"
#include "engine/pick_up_rules.h"
#include "safe_moves.h"
#include "solver_position.h"
#include "state_key.h"

namespace kes::solver {

namespace {

bool isLift(PickUpOutcome o) { return o == PickUpOutcome::Lift || o == PickUpOutcome::LiftRun; }

bool isPressAction(PickUpOutcome o) {
  return o == PickUpOutcome::TurnFaceUp || o == PickUpOutcome::PairingSelection || o == PickUpOutcome::SendToWaste;
}

void addDrops(GameState& g, const PickUp& pickUp, int card, PileId from, std::vector<SolverMove>& moves) {
  g.drag.draggedCard = pickUp.card;
  g.drag.draggedRunTop = pickUp.runTop;
  g.drag.singleCardHeld = pickUp.outcome == PickUpOutcome::Lift;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId target = PileId::fromOrdinal(o);
    if (target == from || !g.onTable(target)) continue;
    if (canDropOn(g, target, pickUp.card)) moves.push_back({MoveKind::Drag, card, target});
  }
  releaseHeld(g);
}

// Of the drops onto empty piles that are alike, only the one onto the first
// is kept: the others lead to the same position but for the pile's place.
std::vector<SolverMove> withoutTwinDrops(const GameState& g, std::vector<SolverMove> moves) {
  const bool alike[] = {false, emptyFoundationsInterchangeable(g), tableauInterchangeable(g),
                        reservesInterchangeable(g)};
  std::vector<SolverMove> kept;
  for (const SolverMove& m : moves) {
    const bool twin = m.kind == MoveKind::Drag && alike[static_cast<int>(m.target.family)] &&
                      g.table.pile(m.target).empty() &&
                      std::any_of(kept.begin(), kept.end(), [&](const SolverMove& k) {
                        return k.kind == MoveKind::Drag && k.card == m.card && k.target.family == m.target.family &&
                               g.table.pile(k.target).empty();
                      });
    if (!twin) kept.push_back(m);
  }
  return kept;
}

}  // namespace

std::vector<SolverMove> candidateMoves(GameState& g) {
  std::vector<SolverMove> moves;
  if (!g.inProgress) return moves;
  // Foundations first: the order is the search's tie-break.
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (!g.onTable(id) || id == PileId::stock()) continue;
    if (g.history.foundationOneIsSelection && id == PileId::foundation(0)) continue;
    const Pile& pile = g.table.pile(id);
    for (int i = pile.size() - 1; i >= 0; --i) {
      const int card = pile.cardAt(i);
      const PickUp pickUp = canPickUp(g, card, id, PressButton::Left);
      if (isLift(pickUp.outcome))
        addDrops(g, pickUp, card, id, moves);
      else if (isPressAction(pickUp.outcome))
        moves.push_back({MoveKind::Click, card, {}});
    }
  }
  if (g.onTable(PileId::stock())) {
    const Pile& stock = g.table.pile(PileId::stock());
    const PickUp pickUp = canPickUp(g, stock.top(), PileId::stock(), PressButton::Left);
    if (pickUp.outcome == PickUpOutcome::StockPress || pickUp.outcome == PickUpOutcome::PairingSelection)
      moves.push_back({MoveKind::Stock, 0, {}});
    // A stock whose cards are lifted one by one (placing games).
    if (stock.top() >= 1 && isLift(pickUp.outcome)) addDrops(g, pickUp, stock.top(), PileId::stock(), moves);
  }
  return moves;
}

std::vector<SolverMove> searchMoves(GameState& g, bool safeMoves) {
  std::vector<SolverMove> moves = withoutTwinDrops(g, candidateMoves(g));
  if (!safeMoves) return moves;
  const auto safe = std::find_if(moves.begin(), moves.end(), [&](const SolverMove& m) { return isSafeMove(g, m); });
  if (safe != moves.end()) moves = {*safe};
  return moves;
}

bool movesComplete(const GameParams& params) { return params[Param::TableauRedealMode] == 0; }

std::vector<SolverMove> legalMoves(Position& position) {
  const Position::Saved saved = position.save();
  std::vector<SolverMove> legal;
  for (const SolverMove& move : candidateMoves(position.mutableState())) {
    if (position.apply(move)) legal.push_back(move);
    position.restore(saved);
  }
  return legal;
}

}  // namespace kes::solver
