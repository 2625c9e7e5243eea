#pragma once

#include "datafiles/ini_document.h"
#include "datafiles/settings_file.h"

namespace kes {

// The main window's place on the screen, as kept in the "Preference" section.
struct StoredPlacement {
  int left = 50;
  int top = 50;
  int width = 0;
  int height = 0;
  bool maximized = true;
};

// The placement stored, with the defaults for a screen of this size
// (150 pixels narrower and lower than the screen, maximized).
StoredPlacement readStoredPlacement(const IniDocument& settings, int screenWidth, int screenHeight);

// A maximized window writes only that it was maximized, so the last normal
// placement stays for the next time it is restored.
bool saveStoredPlacement(SettingsFile& settings, const StoredPlacement& placement);

}  // namespace kes
