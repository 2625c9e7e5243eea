#pragma once

#include <QCursor>
#include <map>

namespace kes {

class ResourceLibrary;

// The application's cursors by number: the twelve cursors of the resource
// library as 10 .. 15 (the cursor sets' normal pointers) and 20 .. 25 (the
// same sets while a card is held).
class CursorTable {
 public:
  // The offset from a cursor set's number to its pointer while dragging.
  static constexpr int kDraggingOffset = 10;

  explicit CursorTable(const ResourceLibrary& library);

  // The cursor registered under the number; the platform's standard arrow
  // for any other number (cursor set 0).
  QCursor cursor(int number) const;
  QCursor dragging(int cursorSet) const { return cursor(cursorSet + kDraggingOffset); }

 private:
  std::map<int, QCursor> cursors_;
};

}  // namespace kes
