#pragma once

namespace kes {

class ConfigRecord;
class CursorTable;
class GameSession;
class TableWidget;
class TfrmMain;

// What the main window does for the card table: the scroll bar along its
// right edge, the pile-size tip after the pointer rests, the clock shown
// anew at each press. The preferences "VertScrollBar" and "ShowPilesSize"
// switch the first two.
void connectTableToWindow(TableWidget& table, TfrmMain& window, GameSession& session, const ConfigRecord& config);

// The pointers of a cursor set: the window's and the table's, and the
// table's while a card is held (the set's number plus 10).
void applyCursorSet(TableWidget& table, TfrmMain& window, const CursorTable& cursors, int cursorSet);

}  // namespace kes
