#pragma once

#include "engine/game_params.h"

namespace kes {

// A family's place: the row digit (the first digit of the row entry) and the
// variant (the placement entry, read as three digits).
struct PlacementCode {
  int row = 0;      // 0..9, or -1 when the row entry does not start with a digit
  int variant = 0;  // compared as its three-digit text, so as an integer

  bool operator==(const PlacementCode&) const = default;
};

// The placement codes of the five placed families of a game.
struct PlacementCodes {
  PlacementCode stock, foundations, tableau, reserves, secondWaste;
};

// The first decimal digit of value, -1 for a negative value.
int firstDigit(int value);
PlacementCode placementCode(const GameParams& params, int variantEntry, int rowEntry);
PlacementCodes placementCodes(const GameParams& params);

// Tableau variants 051..101 and 103..111 place the whole table at once.
bool isSpecialArrangement(int tableauVariant);

// Variants the layout refers to by number.
namespace Placement {
inline constexpr int kStockOverFirstColumns = 4;
inline constexpr int kStockLeftOfTableau = 3;
inline constexpr int kTableauSpread = 1;
inline constexpr int kTableauCentred = 2;
inline constexpr int kTableauSpreadShrinkHigh = 15;
inline constexpr int kTableauUnderFoundations = 20;
inline constexpr int kReserveRowFromLeft = 5;
}  // namespace Placement

}  // namespace kes
