#pragma once

#include <string>

#include "app/startup/app_context.h"
#include "engine/game_params.h"

namespace kes {

// Displays narrower than this play the games that need room with medium cards.
inline constexpr int kNarrowDisplayWidth = 650;

// What the card-size rule of a narrow display decided for one game.
struct SmallScreenOutcome {
  bool narrow = false;        // the game needs more room than the display has
  bool showMessage = false;   // the player is told, once a run
};

// Forces medium cards with face set "003" and back design "006" (keeping the
// player's choices to give back) when a game that needs room meets a narrow
// display, and gives the choices back on the next game that does not.
SmallScreenOutcome applySmallScreenRule(AppContext& app, const GameParams& params, int displayWidth);

// The information shown the first time the rule forces medium cards.
std::string smallScreenMessage(const std::string& gameTitle);

}  // namespace kes
