#pragma once

namespace kes {

// How many pixels a stock-family pile of c cards stands raised: its top card
// is drawn that far up and left, above the edges of the cards beneath.
int stockThickness(int cards);

}  // namespace kes
