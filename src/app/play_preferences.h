#pragma once

#include "datafiles/config_record.h"
#include "engine/game_state.h"

namespace kes {

// The preferences the rules play by: cards turned up by themselves, the undo
// mode ("0" unlimited, "1" one step, "2" none) and autoplay as switched on.
PlayPreferences playPreferencesOf(const ConfigRecord& config, bool autoplay);

}  // namespace kes
