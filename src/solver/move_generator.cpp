#include "move_generator.h"

#include <algorithm>
#include <array>

#include "engine/drop_card.h"
#include "engine/game_family.h"
#include "engine/drop_rules.h"
#include "engine/pick_up_rules.h"
#include "safe_moves.h"
#include "solver_position.h"
#include "state_key.h"

namespace kes::solver {

namespace {

constexpr std::size_t kUsualMoveCount = 48;

bool isLift(PickUpOutcome o) { return o == PickUpOutcome::Lift || o == PickUpOutcome::LiftRun; }

bool isPressAction(PickUpOutcome o) {
  return o == PickUpOutcome::TurnFaceUp || o == PickUpOutcome::PairingSelection || o == PickUpOutcome::SendToWaste;
}

// The piles on the table, each a place a card might be dropped on.
std::vector<PileId> pilesOnTable(const GameState& g) {
  std::vector<PileId> piles;
  piles.reserve(kPileCount);
  for (int o = 0; o < kPileCount; ++o)
    if (g.onTable(PileId::fromOrdinal(o))) piles.push_back(PileId::fromOrdinal(o));
  return piles;
}

// For each pile family, whether its empty piles are alike: a card dropped
// onto one of them leads to the same position as onto any other but for the
// pile's place. All false where every drop counts (the legal moves).
using AlikeEmpty = std::array<bool, 4>;

AlikeEmpty alikeEmptyPiles(const GameState& g) {
  return {false, foundationsInterchangeable(g), tableauInterchangeable(g), reservesInterchangeable(g)};
}

// The card's drops onto the targets; of the empty piles that are alike only
// the first that takes it is kept, and the others are not asked at all.
void addDrops(GameState& g, const std::vector<PileId>& targets, const PickUp& pickUp, int card, PileId from,
              const AlikeEmpty& alike, std::vector<SolverMove>& moves) {
  g.drag.draggedCard = pickUp.card;
  g.drag.draggedRunTop = pickUp.runTop;
  g.drag.singleCardHeld = pickUp.outcome == PickUpOutcome::Lift;
  AlikeEmpty taken{};
  // The whole of a pile moved onto an empty pile alike leaves the position
  // as it was (ace from foundation to foundation, a card from free cell to
  // free cell, a whole column to an empty one).
  const Pile& source = g.table.pile(from);
  const bool wholePile = !source.empty() && source.cardAt(0) == pickUp.card && source.top() == pickUp.runTop &&
                         !keyReadsMovesMade(g.params);
  for (const PileId target : targets) {
    if (target == from) continue;
    const auto family = static_cast<std::size_t>(target.family);
    const bool twin = alike[family] && g.table.pile(target).empty();
    if (twin && (taken[family] || (wholePile && target.family == from.family))) continue;
    if (!canDropOn(g, target, pickUp.card)) continue;
    moves.push_back({MoveKind::Drag, card, target});
    if (twin) taken[family] = true;
  }
  releaseHeld(g);
}

// A press moves cards from the stock to the waste and nothing else: no row
// dealt to the tableau or the reserves, no pile filled from the stock, no
// press that waits for an empty waste, no cards built on the waste.
bool pressesOnlyTurnToWaste(const GameParams& p) {
  return !stockDealsToPiles(p) && p[Param::Family] == Family::Standard && p[Param::EmptyTableauFillSource] == 0 &&
         p[Param::OpeningPhase] == 0 && p[Param::StockOnlyWhenWasteEmpty] == 0 &&
         p[Param::SecondWasteDealCard] == 0 && p[Param::WasteBuildable] == 0 && p[Param::TableauRedealMode] == 0;
}

// Where presses only turn cards to the waste, a press with the stock and
// the waste both empty has nothing to turn and nothing to turn back: the
// engine would refuse it, and trying it costs a whole move (FreeCell's
// unused stock is pressed in every position).
bool pressIsIdle(const GameState& g) {
  return pressesOnlyTurnToWaste(g.params) && g.table.pile(PileId::stock()).empty() &&
         g.table.pile(PileId::waste()).empty();
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
bool backAtStart(const GameState& g, const TableState& start) {
  return !g.drag.redealArmed && g.table.pile(PileId::stock()) == start.pile(PileId::stock()) &&
         g.table.pile(PileId::waste()) == start.pile(PileId::waste());
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
  const std::vector<PileId> targets = pilesOnTable(position.state());
  const int turn = pressesForOneTurn(position.state());
  for (int k = 1; k <= turn; ++k) {
    if (!position.pressStock() || position.over() || backAtStart(position.state(), start.table)) break;
    GameState& g = position.mutableState();
    const Pile& waste = g.table.pile(PileId::waste());
    if (waste.empty()) continue;
    const int card = waste.top();
    const PickUp pickUp = canPickUp(g, card, PileId::waste(), PressButton::Left);
    if (!isLift(pickUp.outcome)) continue;
    const std::size_t first = moves.size();
    addDrops(g, targets, pickUp, card, PileId::waste(), alikeEmptyPiles(g), moves);
    for (std::size_t i = first; i < moves.size(); ++i) moves[i].presses = k;
  }
  position.restore(start);
  // Where presses only turn cards to the waste, a press between two plays
  // of waste cards can always be made just before the second one: the plays
  // cover every line, and single presses would only lengthen them.
  if (pressesOnlyTurnToWaste(position.state().params))
    std::erase_if(moves, [](const SolverMove& m) { return m.kind == MoveKind::Stock; });
}

std::vector<SolverMove> candidates(GameState& g, const AlikeEmpty& alike) {
  std::vector<SolverMove> moves;
  // Room for the moves of most positions at once: grown one by one, the
  // list would be copied several times for every position expanded.
  moves.reserve(kUsualMoveCount);
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
        addDrops(g, targets, pickUp, card, id, alike, moves);
      else if (isPressAction(pickUp.outcome))
        moves.push_back({MoveKind::Click, card, {}});
      else if (refusedForBrokenRun(g, card, id))
        break;
    }
  }
  if (g.onTable(PileId::stock())) {
    const Pile& stock = g.table.pile(PileId::stock());
    const PickUp pickUp = canPickUp(g, stock.top(), PileId::stock(), PressButton::Left);
    if ((pickUp.outcome == PickUpOutcome::StockPress && !pressIsIdle(g)) ||
        pickUp.outcome == PickUpOutcome::PairingSelection)
      moves.push_back({MoveKind::Stock, 0, {}});
    // A stock whose cards are lifted one by one (placing games).
    if (stock.top() >= 1 && isLift(pickUp.outcome))
      addDrops(g, targets, pickUp, stock.top(), PileId::stock(), alike, moves);
  }
  return moves;
}

}  // namespace

std::vector<SolverMove> candidateMoves(GameState& g) { return candidates(g, AlikeEmpty{}); }

std::vector<SolverMove> searchMoves(Position& position, bool safeMoves, bool stockPlays) {
  GameState& g = position.mutableState();
  std::vector<SolverMove> moves = candidates(g, alikeEmptyPiles(g));
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
