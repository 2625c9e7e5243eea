#include "solver_position.h"

#include <tuple>

#include "engine/card.h"
#include "engine/move_log.h"
#include "state_key.h"

namespace kes::solver {

namespace {

// The rules ask whether any tableau move was made and how many modulo 20;
// keeping the count below 40 answers both.
constexpr int kTableauMoveWindow = 20;

}  // namespace

void compactHistory(GameState& g) {
  std::vector<Snapshot>& snapshots = g.history.undo.snapshots;
  // Once the tables are no longer kept every snapshot pushed is empty, and
  // dropping the ones after the first frees nothing.
  if (g.history.tablesKept || snapshots.empty())
    snapshots.assign(1, Snapshot{});
  else
    snapshots.resize(1);
  g.history.tablesKept = false;
  int tableauMoves = g.history.undo.log.countOf(kCodeTableauMove);
  if (tableauMoves >= 2 * kTableauMoveWindow) tableauMoves = kTableauMoveWindow + tableauMoves % kTableauMoveWindow;
  std::string element;
  element.reserve(static_cast<std::size_t>(tableauMoves) * 3 + 1);
  for (int i = 0; i < tableauMoves; ++i) element += "001";
  element += ',';
  g.history.undo.log = MoveLog(std::move(element));
  g.history.redo.clear();
}

std::string Position::deal(const GameParams& params, const std::string& dealNumber) {
  GameState& g = session_.state();
  g.prefs = PlayPreferences{};
  g.prefs.autoplay = false;
  won_ = false;
  std::string error = session_.start(params, dealNumber);
  compactHistory(session_.state());
  return error;
}

void Position::setState(const GameState& state) {
  session_.state() = state;
  session_.state().prefs.autoplay = false;
  compactHistory(session_.state());
  won_ = state.won;
}

void Position::recordResult(const GameState&, bool won, int) { won_ = won; }

Position::Saved Position::save() const {
  Saved saved;
  saveInto(saved);
  return saved;
}

void Position::saveInto(Saved& saved) const {
  const GameState& g = session_.state();
  saved.table = g.table;
  saved.log = g.history.undo.log;
  saved.drag = g.drag;
  saved.passNumber = g.passNumber;
  saved.dealCount = g.dealCount;
  saved.movesMade = g.movesMade;
  saved.score = g.score;
  saved.gameWon = g.won;
  saved.inProgress = g.inProgress;
  saved.autoplayStop = g.autoplayStop;
  saved.won = won_;
}

void Position::restore(const Saved& saved) {
  GameState& g = session_.state();
  g.table = saved.table;
  // The history as compactHistory leaves it: one empty step and the log.
  g.history.undo.snapshots.resize(1);
  g.history.undo.log = saved.log;
  g.history.redo.clear();
  g.drag = saved.drag;
  g.passNumber = saved.passNumber;
  g.dealCount = saved.dealCount;
  g.movesMade = saved.movesMade;
  g.score = saved.score;
  g.won = saved.gameWon;
  g.inProgress = saved.inProgress;
  g.autoplayStop = saved.autoplayStop;
  won_ = saved.won;
}

bool Position::sameAs(const Saved& saved) const {
  const GameState& g = session_.state();
  if (g.passNumber != saved.passNumber || g.dealCount != saved.dealCount || g.movesMade != saved.movesMade ||
      g.score != saved.score || g.inProgress != saved.inProgress)
    return false;
  for (int o = 0; o < kPileCount; ++o)
    if (!(g.table.pileAt(o) == saved.table.pileAt(o))) return false;
  for (int card = 1; card <= kMaxCards; ++card)
    if (g.table.cards.isFaceUp(card) != saved.table.cards.isFaceUp(card)) return false;
  return tableauMovesRead(g, g.history.undo.log) == tableauMovesRead(g, saved.log);
}

bool Position::applyUnchecked(const SolverMove& move) {
  const GameState& g = session_.state();
  switch (move.kind) {
    case MoveKind::Drag: {
      const auto from = g.locateCard(move.card);
      if (!from) return false;
      const PickUpOutcome outcome = canPickUp(g, move.card, *from, PressButton::Left).outcome;
      if (outcome != PickUpOutcome::Lift && outcome != PickUpOutcome::LiftRun) return false;
      if (session_.press(move.card, *from) != PressResult::Lifted) {
        session_.release();
        return false;
      }
      return session_.release({move.target});
    }
    case MoveKind::Click: {
      const auto at = g.locateCard(move.card);
      if (!at) return false;
      session_.press(move.card, *at);
      session_.release();
      return true;
    }
    case MoveKind::Stock:
      session_.press(g.table.pile(PileId::stock()).top(), PileId::stock());
      session_.release();
      return true;
  }
  return false;
}

bool Position::apply(const SolverMove& move) {
  if (over()) return false;
  if (move.presses > 0) return applyAfterPresses(move);
  // A drop reports whether the held cards moved; a press is judged by
  // whether it changed anything the rules read.
  if (move.kind == MoveKind::Drag) {
    const bool moved = applyUnchecked(move);
    compactHistory(session_.state());
    return moved;
  }
  const std::string before = exactKey(session_.state());
  const bool tried = applyUnchecked(move);
  compactHistory(session_.state());
  return tried && (over() || exactKey(session_.state()) != before);
}

bool Position::pressStock() {
  const GameState& g = session_.state();
  const auto shape = [&g] {
    return std::tuple(g.table.pile(PileId::stock()).size(), g.table.pile(PileId::waste()).size(), g.passNumber,
                      g.drag.redealArmed, g.inProgress);
  };
  const auto before = shape();
  applyUnchecked(SolverMove{});
  compactHistory(session_.state());
  return shape() != before;
}

// The presses, each of which must change the stock or the waste (the only
// piles a press of these plays touches), then the drag; on a
// refusal the position is put back as it was.
bool Position::applyAfterPresses(const SolverMove& move) {
  const Saved before = save();
  for (int i = 0; i < move.presses; ++i)
    if (!pressStock() || over()) {
      restore(before);
      return false;
    }
  SolverMove drag = move;
  drag.presses = 0;
  if (apply(drag)) return true;
  restore(before);
  return false;
}

}  // namespace kes::solver
