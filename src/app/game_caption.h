#pragma once

#include <QString>
#include <string>

namespace kes {

// The main window's caption for a game, its player and its deal number
// (left out while there is none).
QString gameCaption(const std::string& gameTitle, const std::string& playerName, const std::string& dealNumber);

}  // namespace kes
