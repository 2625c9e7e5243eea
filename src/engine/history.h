#pragma once

#include <vector>

#include "move_log.h"
#include "snapshot.h"

namespace kes {

enum class UndoMode { Unlimited = 0, OneStep = 1, Disabled = 2 };

// One history stack: table snapshots with the move log that runs in step.
struct HistoryStack {
  std::vector<Snapshot> snapshots;
  MoveLog log;

  bool empty() const { return snapshots.empty(); }
  int size() const { return static_cast<int>(snapshots.size()); }
  void clear() {
    snapshots.clear();
    log.clear();
  }
};

// The history of the current deal: whole-table snapshots, not move records.
// Undo pops a snapshot back into the piles and keeps the table it replaced
// for redo.
struct History {
  HistoryStack undo;
  HistoryStack redo;
  bool undoJustUsed = false;
  bool redoJustUsed = false;

  // Foundation 1 holds the selection in pairing games; it is stored empty so
  // that undo and redo always leave it empty there.
  bool foundationOneIsSelection = false;
  // Whether a step keeps the table it replaced. A search that plays
  // thousands of moves it never undoes turns this off: each move then
  // pushes an empty snapshot and the log alone runs as it always does.
  bool tablesKept = true;

  void pushUndo(const TableState& table);
  void pushRedo(const TableState& table);
  void clearRedo() { redo.clear(); }
  // Folds the last n + 1 undo snapshots into one step: the oldest table stays,
  // and the step's log element holds the codes of all of them.
  void mergeLastSnapshots(int n);
  void tagLastMove(int code) { undo.log.tagLast(code); }
  // Empties everything; used when a new deal starts.
  void clear();

  Snapshot snapshotOf(const TableState& table) const;
};

}  // namespace kes
