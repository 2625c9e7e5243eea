#include "history.h"

namespace kes {

Snapshot History::snapshotOf(const TableState& table) const {
  Snapshot s = takeSnapshot(table);
  if (foundationOneIsSelection) s[static_cast<std::size_t>(PileId::foundation(0).ordinal())].clear();
  return s;
}

void History::pushUndo(const TableState& table) {
  undo.snapshots.push_back(snapshotOf(table));
  undo.log.appendEmpty();
  undoJustUsed = false;
}

void History::pushRedo(const TableState& table) {
  redo.snapshots.push_back(snapshotOf(table));
  redo.log.appendEmpty();
  redoJustUsed = false;
}

void History::mergeLastSnapshots(int n) {
  for (int i = 0; i < n && undo.snapshots.size() >= 2; ++i) {
    undo.snapshots.pop_back();
    const std::string newer = undo.log.lastElement();
    undo.log.removeLast();
    undo.log.removeLast();
    undo.log.append(newer);
  }
}

void History::clear() {
  undo.clear();
  redo.clear();
  undoJustUsed = false;
  redoJustUsed = false;
}

}  // namespace kes
