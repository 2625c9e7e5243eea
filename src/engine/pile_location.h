#pragma once

#include "engine/table_state.h"

namespace kes {

// Where a card lies, as the move rules compare it: -99 stock, -98 visible
// waste, -(i+1) foundation i, i+1 tableau pile i, -(i+21) reserve i, and 0
// for anywhere else (the second waste, or off the table).
using PileLocation = int;

inline constexpr PileLocation kLocationNone = 0;
inline constexpr PileLocation kLocationStock = -99;
inline constexpr PileLocation kLocationWaste = -98;

constexpr PileLocation foundationLocation(int i) { return -(i + 1); }
constexpr PileLocation tableauLocation(int i) { return i + 1; }
constexpr PileLocation reserveLocation(int i) { return -(i + 21); }

constexpr bool isFoundationLocation(PileLocation l) { return l <= -1 && l >= -16; }
constexpr bool isTableauLocation(PileLocation l) { return l >= 1 && l <= 26; }
constexpr bool isReserveLocation(PileLocation l) { return l <= -21 && l >= -28; }
// Index of the reserve a reserve location names.
constexpr int reserveIndexOf(PileLocation l) { return -l - 21; }

// Searches the stock, the visible waste, the foundations, the tableau and the
// reserves, in that order.
PileLocation locateCard(const TableState& table, int card);

}  // namespace kes
