#pragma once

#include <optional>
#include <string>

#include "display/geometry/rect.h"
#include "display/geometry/table_metrics.h"

namespace kes {

// A card of a pile under a point: its code (0 when none) and its top-left corner.
struct CardHit {
  int card = 0;
  int left = 0, top = 0;
};

// The card of a tableau or reserve pile under (x, y), searched along the
// pile's fan. Only the fan direction is measured: whether the point lies
// within the pile's other extent is the caller's area test.
CardHit cardAtPoint(const TableView& view, PileId pile, int x, int y);

// What lies under a point: the pile (none when nothing is hit), the card
// under the point (0 for an empty stock pile or foundation), and the
// rectangle of that card (all zero when nothing is hit).
struct PileHit {
  std::optional<PileId> pile;
  int card = 0;
  Rect rect;

  // "Mazzo", "Fila3", ...; empty when nothing is hit.
  std::string name() const;
};

// Searches the stock family, the tableau, the foundations and the reserves,
// in that order, and stops at the first answer.
PileHit pileAtPoint(const TableView& view, int x, int y);

}  // namespace kes
