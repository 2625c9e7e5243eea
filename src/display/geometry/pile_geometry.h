#pragma once

#include "display/geometry/table_metrics.h"

namespace kes {

// A card's face-down state: its face flag is "0". Card 0 (a placeholder) is
// never face down.
bool isFaceDown(const GameState& game, int card);

// The pile's stored place, y less the scroll offset.
int pileOriginX(const TableView& view, PileId pile);
int pileOriginY(const TableView& view, PileId pile);

// y of the card depth cards below the top (0 = the top card). With beyond,
// where a card laid on the rest of the pile would go: depth 0 and beyond is
// the place of a new card.
int cardTop(const TableView& view, PileId pile, int depth, bool beyond);
// The x twin of cardTop, including the irregular-pile offset.
int cardLeft(const TableView& view, PileId pile, int depth, bool beyond);
// The lowest y the pile covers: its top card's y + H (origin + H when empty).
int pileBottom(const TableView& view, PileId pile);

struct GridSlot {
  int x = 0, y = 0;
  int card = 0;  // the code of the entry, 0 for a separator or past the end
};
// Entry 1-based of tableau pile 1 in the grid layout: each run of cards
// between two "000" separators shares a slot; the slots run in rows as wide
// as the display allows, every second row right to left.
GridSlot gridSlotPosition(const TableView& view, int entry);
// Slot number (0-based) of an entry: the separators among entries 1..entry.
int gridSlotNumber(const Pile& grid, int entry);

}  // namespace kes
