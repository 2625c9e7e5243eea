#pragma once

namespace kes {

// The preferences start-up hands to the main window rather than to the
// configuration record.
struct WindowPreferences {
  bool toolbarLarge = false;  // "ToolBar_Large"
  bool toolbarFlat = true;    // "ToolBar_Flat"
  bool autoPlay = true;       // "AutoPlay"
  int cursorSet = 11;         // "Cursor"; the window's cursor too
  int shadowSize = 9;         // 0 when "Cards_Shadowed" is "N"
  bool undoRedoEnabled = true;  // off when "Undo_Enabled" is "2"
};

}  // namespace kes
