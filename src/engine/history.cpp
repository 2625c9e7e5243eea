#include "history.h"

namespace kes {

Snapshot History::snapshotOf(const TableState& table) const {
  Snapshot s = takeSnapshot(table);
  if (foundationOneIsSelection) s[static_cast<std::size_t>(PileId::foundation(0).ordinal())].clear();
  return s;
}

void History::pushUndo(const TableState& table) {
  // Without tables (the solver's games) the step still counts, but an empty
  // table is built in place rather than moved in.
  if (tablesKept)
    undo.snapshots.push_back(snapshotOf(table));
  else
    undo.snapshots.emplace_back();
  undo.log.appendEmpty();
  undoJustUsed = false;
}

void History::pushRedo(const TableState& table) {
  redo.snapshots.push_back(tablesKept ? snapshotOf(table) : Snapshot{});
  redo.log.appendEmpty();
  redoJustUsed = false;
}

void History::mergeLastSnapshots(int n) {
  for (int i = 0; i < n && undo.snapshots.size() >= 2; ++i) {
    undo.snapshots.pop_back();
    // The step keeps the codes of both moves, so that the counters wound
    // back by undo still find the code of the move an automatic move followed.
    const std::string newer = undo.log.lastElement();
    undo.log.removeLast();
    const std::string older = undo.log.lastElement();
    undo.log.removeLast();
    undo.log.append(older + newer);
  }
}

void History::clear() {
  undo.clear();
  redo.clear();
  undoJustUsed = false;
  redoJustUsed = false;
}

}  // namespace kes
