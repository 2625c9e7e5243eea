#pragma once

#include "datafiles/config_record.h"
#include "datafiles/settings_file.h"

namespace kes {

// With no current player (a first run), the three standard players are
// written to the "Users" section and "Player 1" becomes the current one.
// True when they were written.
bool setUpFirstRunPlayers(ConfigRecord& record, SettingsFile& settings);

}  // namespace kes
