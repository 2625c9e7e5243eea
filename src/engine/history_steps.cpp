#include "history_steps.h"

#include "game_end.h"

namespace kes {

namespace {

struct StepDirection {
  bool isUndo;
  const char* sound;
  const char* soundKey;
};
constexpr StepDirection kUndo{true, "Undo.wav", "Sounds_Undo"};
constexpr StepDirection kRedo{false, "Redo.wav", "Sounds_Redo"};

bool refused(const GameState& g, const HistoryStack& from, bool justUsed) {
  return !g.inProgress || from.empty() || g.prefs.undoMode == UndoMode::Disabled ||
         (g.prefs.undoMode == UndoMode::OneStep && justUsed);
}

// Replaces every pile by its line of the snapshot, telling the display about
// the piles whose content changed.
void restoreTable(GameState& g, const Snapshot& snapshot, EngineEvents& events) {
  const Snapshot before = takeSnapshot(g.table);
  restoreSnapshot(g.table, snapshot);
  for (int o = 0; o < kPileCount; ++o)
    if (before[static_cast<std::size_t>(o)] != snapshot[static_cast<std::size_t>(o)]) events.pileReplaced(PileId::fromOrdinal(o));
}

// The log element of the step moves from the giving log to the receiving
// one, so counters that depend on the kind of move wind back and forth.
void moveLogElement(GameState& g, HistoryStack& from, HistoryStack& to, bool isUndo) {
  if (from.log.empty() || to.log.empty()) return;
  const std::string element = from.log.lastElement();
  if (MoveLog::elementContains(element, kCodeStockDeal)) g.dealCount += isUndo ? -1 : 1;
  to.log.removeLast();
  to.log.append(element);
  from.log.removeLast();
}

bool step(GameState& g, EngineEvents& events, bool silent, const StepDirection& dir) {
  History& h = g.history;
  HistoryStack& from = dir.isUndo ? h.undo : h.redo;
  HistoryStack& to = dir.isUndo ? h.redo : h.undo;
  bool& justUsed = dir.isUndo ? h.undoJustUsed : h.redoJustUsed;
  if (from.empty() && silent) return false;
  if (!silent) {
    if (refused(g, from, justUsed)) {
      events.beep();
      return false;
    }
    justUsed = true;
    events.sound(dir.sound, dir.soundKey);
  }
  if (dir.isUndo)
    h.pushRedo(g.table);
  else
    h.pushUndo(g.table);

  const bool stockWasEmpty = g.table.pile(PileId::stock()).empty();
  const bool newPass = !from.log.empty() && MoveLog::elementContains(from.log.lastElement(), kCodeTableauRedeal);
  const Snapshot snapshot = std::move(from.snapshots.back());
  from.snapshots.pop_back();
  restoreTable(g, snapshot, events);
  const bool stockIsEmpty = g.table.pile(PileId::stock()).empty();
  // A step that says it began a pass winds the pass by its code; any other
  // step that refilled the stock (the tableau gathered into it) by the stock.
  const bool passStep = newPass || (dir.isUndo ? !stockWasEmpty && stockIsEmpty : stockWasEmpty && !stockIsEmpty);
  if (passStep) g.passNumber += dir.isUndo ? -1 : 1;

  moveLogElement(g, from, to, dir.isUndo);
  if (!silent) updateScore(g);
  if (h.undo.empty()) g.movesMade = 0;
  return true;
}

}  // namespace

bool canUndo(const GameState& game) { return !refused(game, game.history.undo, game.history.undoJustUsed); }

bool canRedo(const GameState& game) { return !refused(game, game.history.redo, game.history.redoJustUsed); }

bool undoMove(GameState& game, EngineEvents& events, bool silent) { return step(game, events, silent, kUndo); }

bool redoMove(GameState& game, EngineEvents& events, bool silent) { return step(game, events, silent, kRedo); }

void rewindToDeal(GameState& g, EngineEvents& events) {
  if (!g.history.undo.empty()) restoreTable(g, g.history.undo.snapshots.front(), events);
  g.history.clear();
  g.passNumber = 1;
  g.dealCount = 0;
  g.movesMade = 0;
  g.drag = DragState{};
  g.won = false;
  updateScore(g);
}

int countDeals(const History& history) { return history.undo.log.countOf(kCodeStockDeal); }

}  // namespace kes
