#pragma once

#include <vector>

#include "game_state.h"

namespace kes {

// What a press in a pairing game did to the selection held in foundation 1.
enum class PairingOutcome {
  Refused,    // beep; the card is not (or no longer) selected
  Marked,     // the card joined a selection that is not complete yet
  Unmarked,   // a selected card was pressed again and left the selection
  Completed,  // the selection is complete: its cards are to be removed
};

// The selection in the order the cards were chosen.
std::vector<int> selectedCards(const GameState& game);

// Toggles card in the selection and judges the result by the family's rule.
// A refused press leaves the card out of the selection.
PairingOutcome pairingPress(GameState& game, int card);

// A card of the pyramid (one tableau pile per row, placeholders "000" where
// cards were removed) that nothing covers.
bool isFreePyramidCard(const GameState& game, int card);

// Cells of the five-wide grid: neighbours share an edge or a corner.
bool areNeighbourCells(int cellA, int cellB);

}  // namespace kes
