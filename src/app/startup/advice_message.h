#pragma once

#include <string_view>

#include "app/startup/startup_ui.h"
#include "datafiles/settings_file.h"

namespace kes {

inline constexpr std::string_view kShowMessagesSection = "Show_Messages";

// Shows an advice the user has not turned off: the key of the settings
// file's "Show_Messages" section holds "N" once the user asked not to see it
// again. True when the advice was shown.
bool adviceMessage(std::string_view text, std::string_view key, AdvicePicture picture, SettingsFile& settings,
                   StartupUi& ui);

}  // namespace kes
