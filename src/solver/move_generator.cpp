#include "move_generator.h"

#include <algorithm>

#include "engine/drop_card.h"
#include "engine/game_family.h"
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

// The piles on the table, each a place a card might be dropped on.
std::vector<PileId> pilesOnTable(const GameState& g) {
  std::vector<PileId> piles;
  for (int o = 0; o < kPileCount; ++o)
    if (g.onTable(PileId::fromOrdinal(o))) piles.push_back(PileId::fromOrdinal(o));
  return piles;
}

void addDrops(GameState& g, const std::vector<PileId>& targets, const PickUp& pickUp, int card, PileId from,
              std::vector<SolverMove>& moves) {
  g.drag.draggedCard = pickUp.card;
  g.drag.draggedRunTop = pickUp.runTop;
  g.drag.singleCardHeld = pickUp.outcome == PickUpOutcome::Lift;
  for (const PileId target : targets)
    if (target != from && canDropOn(g, target, pickUp.card)) moves.push_back({MoveKind::Drag, card, target});
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

// A press moves cards from the stock to the waste and nothing else: no row
// dealt to the tableau or the reserves, no pile filled from the stock, no
// press that waits for an empty waste, no cards built on the waste.
bool pressesOnlyTurnToWaste(const GameParams& p) {
  return !stockDealsToPiles(p) && p[Param::Family] == Family::Standard && p[Param::EmptyTableauFillSource] == 0 &&
         p[Param::OpeningPhase] == 0 && p[Param::StockOnlyWhenWasteEmpty] == 0 &&
         p[Param::SecondWasteDealCard] == 0 && p[Param::WasteBuildable] == 0 && p[Param::TableauRedealMode] == 0;
}

// The stock turns its cards onto a waste whose top card may be played.
bool stockFeedsWaste(GameState& g) {
  if (!g.onTable(PileId::stock()) || !g.onTable(PileId::waste())) return false;
  return canPickUp(g, g.table.pile(PileId::stock()).top(), PileId::stock(), PressButton::Left).outcome ==
         PickUpOutcome::StockPress;
}

// Presses enough to go once round the whole turn from here: to the end of
// the stock, the turnover, and through the turned pack back to here.
int pressesForOneTurn(const GameState& g) {
  const int perPress = std::max<int>(1, g.params[Param::CardsPerStockPress]);
  const int stock = g.table.pile(PileId::stock()).size();
  const int total = stock + g.table.pile(PileId::waste()).size();
  return (stock + perPress - 1) / perPress + 1 + (total + perPress - 1) / perPress;
}

// The stock and the waste are as they were: the turn has come round.
bool backAtStart(const GameState& g, const GameState& start) {
  return !g.drag.redealArmed && g.table.pile(PileId::stock()) == start.table.pile(PileId::stock()) &&
         g.table.pile(PileId::waste()) == start.table.pile(PileId::waste());
}

// The plays of every card the stock will bring to the top of the waste
// within one turn: after k presses, each drop of the waste's top card. A
// card may come up more than once in a turn (three cards a press, lying
// differently after the turnover); each time leaves the stock otherwise,
// so each is a play of its own. Long games of stock and waste are searched
// in plays of cards rather than in presses, which makes their lines short
// enough to be searched at all.
void addStockPlays(Position& position, std::vector<SolverMove>& moves) {
  if (!stockFeedsWaste(position.mutableState())) return;
  const Position::Saved start = position.save();
  const std::vector<PileId> targets = pilesOnTable(start.game);
  const int turn = pressesForOneTurn(position.state());
  for (int k = 1; k <= turn; ++k) {
    if (!position.pressStock() || position.over() || backAtStart(position.state(), start.game)) break;
    GameState& g = position.mutableState();
    const Pile& waste = g.table.pile(PileId::waste());
    if (waste.empty()) continue;
    const int card = waste.top();
    const PickUp pickUp = canPickUp(g, card, PileId::waste(), PressButton::Left);
    if (!isLift(pickUp.outcome)) continue;
    std::vector<SolverMove> drops;
    addDrops(g, targets, pickUp, card, PileId::waste(), drops);
    for (SolverMove& drop : withoutTwinDrops(g, drops)) {
      drop.presses = k;
      moves.push_back(drop);
    }
  }
  position.restore(start);
  // Where presses only turn cards to the waste, a press between two plays
  // of waste cards can always be made just before the second one: the plays
  // cover every line, and single presses would only lengthen them.
  if (pressesOnlyTurnToWaste(start.game.params))
    std::erase_if(moves, [](const SolverMove& m) { return m.kind == MoveKind::Stock; });
}

}  // namespace

std::vector<SolverMove> candidateMoves(GameState& g) {
  std::vector<SolverMove> moves;
  if (!g.inProgress) return moves;
  const std::vector<PileId> targets = pilesOnTable(g);
  // Foundations first: the order is the search's tie-break.
  for (const PileId id : targets) {
    if (id == PileId::stock()) continue;
    if (g.history.foundationOneIsSelection && id == PileId::foundation(0)) continue;
    const Pile& pile = g.table.pile(id);
    // A press anywhere on a foundation is a press on its top card, except
    // in the pairing games, which select the card pressed.
    const int lowest = id.family == PileFamily::Foundation && g.params[Param::PairingGame] == 0
                           ? std::max(pile.size() - 1, 0)
                           : 0;
    for (int i = pile.size() - 1; i >= lowest; --i) {
      const int card = pile.cardAt(i);
      const PickUp pickUp = canPickUp(g, card, id, PressButton::Left);
      // A press anywhere on a squared pile lifts its top card: that move is
      // the top card's own, not one more for every card under it.
      if (isLift(pickUp.outcome) && pickUp.card != card) continue;
      if (isLift(pickUp.outcome))
        addDrops(g, targets, pickUp, card, id, moves);
      else if (isPressAction(pickUp.outcome))
        moves.push_back({MoveKind::Click, card, {}});
      else if (refusedForBrokenRun(g, card, id))
        break;
    }
  }
  if (g.onTable(PileId::stock())) {
    const Pile& stock = g.table.pile(PileId::stock());
    const PickUp pickUp = canPickUp(g, stock.top(), PileId::stock(), PressButton::Left);
    if (pickUp.outcome == PickUpOutcome::StockPress || pickUp.outcome == PickUpOutcome::PairingSelection)
      moves.push_back({MoveKind::Stock, 0, {}});
    // A stock whose cards are lifted one by one (placing games).
    if (stock.top() >= 1 && isLift(pickUp.outcome))
      addDrops(g, targets, pickUp, stock.top(), PileId::stock(), moves);
  }
  return moves;
}

std::vector<SolverMove> searchMoves(Position& position, bool safeMoves, bool stockPlays) {
  GameState& g = position.mutableState();
  std::vector<SolverMove> moves = withoutTwinDrops(g, candidateMoves(g));
  if (safeMoves) {
    const auto safe = std::find_if(moves.begin(), moves.end(), [&](const SolverMove& m) { return isSafeMove(g, m); });
    if (safe != moves.end()) return {*safe};
  }
  if (stockPlays) addStockPlays(position, moves);
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
