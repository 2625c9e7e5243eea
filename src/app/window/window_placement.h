#pragma once

namespace kes {

class SettingsFile;

// The main window's place on the screen, as kept in the settings file.
struct WindowPlacement {
  bool maximized = true;
  int left = 50;
  int top = 50;
  int width = 0;
  int height = 0;
};

// The placement used when the settings hold none: maximized, and 150 pixels
// smaller than the screen when restored.
WindowPlacement defaultPlacement(int screenWidth, int screenHeight);

WindowPlacement readPlacement(const SettingsFile& settings, int screenWidth, int screenHeight);

// A maximized window writes only that it is maximized, so the last normal
// placement survives for the next time it is restored.
bool writePlacement(SettingsFile& settings, const WindowPlacement& placement);

}  // namespace kes
