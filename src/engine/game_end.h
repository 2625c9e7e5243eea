#pragma once

#include "game_state.h"

namespace kes {

// A game is won when its playing area is cleared; what "cleared" means
// depends on the family. Foundations and the second waste are not examined.
bool checkGameWon(const GameState& game);

// The score of scoring system "01" outside poker: five points for every card
// on the foundations and the second waste and for every bonus card counted at
// the deal, less the number of cards of the game.
int scoreOf(const GameState& game);

// Recomputes the score after an executed action (poker is scored by its hands).
void updateScore(GameState& game);

}  // namespace kes
