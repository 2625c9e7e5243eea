#pragma once

#include <array>

#include "engine/game_params.h"
#include "display/geometry/layout_request.h"
#include "display/geometry/placement_code.h"

namespace kes {

// The quantities one layout pass builds its rules from: the usable width,
// the row margin, the rows, the vertically centred row sets and the left edge.
struct LayoutFrame {
  int top = 0;
  int bottom = 0;
  int tableWidth = 0;  // t
  int rowMargin = 0;   // m
  int leftEdge = 0;
  int cardHeight = 0;
  std::array<int, 7> rows{};  // RowY[1..6]; [0] is the table's top edge
  int centred3First = 0;      // CentredRowY3[1]
  int centred4First = 0;      // CentredRowY4[1]

  // RowY[d]. Row 0 is the table's top edge; rows 7..9 go on below row 4 at
  // the regular row distance.
  int rowY(int d) const;
  // CentredRowY3[j] and CentredRowY4[j]: rows one card and 10 pixels apart.
  int centredRowY3(int j) const;
  int centredRowY4(int j) const;
};

inline constexpr int kLowWindow = 500;      // below this, margins and widths shrink
inline constexpr int kNarrowTable = 650;    // below this, the left edge moves in

LayoutFrame layoutFrame(const LayoutRequest& request, const GameParams& params, const PlacementCodes& codes);

}  // namespace kes
