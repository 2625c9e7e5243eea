#pragma once

#include "datafiles/config_record.h"
#include "datafiles/game_list.h"

namespace kes {

// A remembered game that no longer exists (neither in the catalogue nor
// among the custom games) leaves no game selected: CurrentGame "-001" and a
// blank GameTitle. So does any other negative number. True when the game
// was dropped.
bool dropVanishedGame(ConfigRecord& record, const GameList& games, const CustomGameNames& custom);

}  // namespace kes
