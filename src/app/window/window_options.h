#pragma once

namespace kes {

class SettingsFile;

// The main window's display options as kept in the settings file.
struct WindowOptions {
  bool toolbarVisible = true;  // "ToolBar_Visible"
  bool toolbarLarge = false;   // "ToolBar_Large"
  bool toolbarFlat = true;     // "ToolBar_Flat"
  bool showTime = true;        // "Show_Time"
  bool showScore = true;       // "Show_Score"
  bool showToolTips = true;    // "Show_ToolTips"
  bool confirmQuit = false;    // "ConfirmQuit"
};

WindowOptions readWindowOptions(const SettingsFile& settings);
// Whether closing the window asks first; read afresh at every close.
bool readConfirmQuit(const SettingsFile& settings);

}  // namespace kes
