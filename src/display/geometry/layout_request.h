#pragma once

#include "display/geometry/card_size.h"
#include "display/geometry/table_area.h"

namespace kes {

// What a layout is made for besides the game: where the table lies, the
// display, the card size, the shadow and the scroll bar.
struct LayoutRequest {
  TableArea area;
  ScreenSize screen;
  CardSize card = kBigCards;
  int shadowSize = 0;      // `ShadowSize`: 9 with shadows on, else 0
  int scrollPosition = 0;  // the vertical scroll bar's position
};

// The shadow of a lifted card, in pixels, when shadows are on ("Cards_Shadowed").
inline constexpr int kShadowSize = 9;

}  // namespace kes
