#pragma once

#include <array>
#include <string>
#include <string_view>

#include "table_state.h"

namespace kes {

// One pile as four-character groups, bottom card first: the card code and
// that card's face flag ("0011" is the ace of hearts face up). A value below 1
// is written "0000".
std::string pileLine(const TableState& table, PileId id);
// Empties the pile, then appends each group's card with the group's face.
// Returns false on a malformed line: the pile keeps the groups read before a
// bad group, and every complete group when only a trailing part is left over.
bool readPileLine(TableState& table, PileId id, std::string_view line);

// The whole table as 53 pile lines: stock family, foundations, tableau, reserves.
using Snapshot = std::array<std::string, kPileCount>;
Snapshot takeSnapshot(const TableState& table);
bool restoreSnapshot(TableState& table, const Snapshot& snapshot);

}  // namespace kes
