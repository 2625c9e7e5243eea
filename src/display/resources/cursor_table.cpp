#include "display/resources/cursor_table.h"

#include "display/resources/resource_library.h"
#include "display/resources/resource_names.h"

namespace kes {

CursorTable::CursorTable(const ResourceLibrary& library) {
  for (const int number : kCursorNumbers) cursors_.emplace(number, library.cursor(cursorName(number)));
}

QCursor CursorTable::cursor(int number) const {
  const auto found = cursors_.find(number);
  return found != cursors_.end() ? found->second : QCursor(Qt::ArrowCursor);
}

}  // namespace kes
