#pragma once

namespace kes {

// The main window's own preferences, read once at start-up; the window
// writes each back when the player changes it.
struct WindowOptions {
  bool toolbarVisible = true;   // "ToolBar_Visible"
  bool toolbarLarge = false;    // "ToolBar_Large"
  bool toolbarFlat = true;      // "ToolBar_Flat"
  bool showTime = true;         // "Show_Time"
  bool showScore = true;        // "Show_Score"
  bool showToolTips = true;     // "Show_ToolTips"
  bool showStatusBar = false;   // "StatusBar"
  bool autoPlay = true;         // "AutoPlay"
  int cursorSet = 11;           // "Cursor"; the window's cursor too
};

}  // namespace kes
