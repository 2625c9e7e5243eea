#pragma once

namespace kes {

// The name the desktop knows this program by: its desktop file, AppStream
// component and icon all carry it.
inline constexpr const char* kApplicationId = "org.kestrova.Kestrova";

// Tells the desktop who this program is (organisation domain, desktop file
// name, window icon), so the dock and the window switcher show its icon and
// name. Call once the application object exists.
void identifyApplication();

}  // namespace kes
