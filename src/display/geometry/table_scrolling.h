#pragma once

#include <optional>

#include "display/geometry/table_metrics.h"

namespace kes {

// The table's vertical scroll bar: small and large change, and how close to
// the table's top or bottom a dragged card must come to scroll it.
inline constexpr int kScrollSmallChange = 2;
inline constexpr int kScrollLargeChange = 50;
inline constexpr int kAutoScrollMargin = 5;
// The bar's range while it is hidden.
inline constexpr int kHiddenScrollMaximum = 100;
// The table pictures are this much larger than the display.
inline constexpr int kSurfaceMargin = 30;

struct ScrollBarState {
  bool shown = false;
  int position = 0;
  int maximum = kHiddenScrollMaximum;

  bool operator==(const ScrollBarState&) const = default;
};

// Only downward-fanned and grid tableaus grow below the window, and only
// when the player wants the bar (the "VertScrollBar" preference).
bool scrollingApplies(bool vertScrollBarWanted, int tableauKind);
// Besides, a window too low for the places of a game's piles (the rows of
// a grid of squared piles) scrolls whatever the fanning.
bool scrollingApplies(bool vertScrollBarWanted, int tableauKind, int lowestCardBottom, int clientHeight);

// `LowestCardBottom`: the largest bottom edge of any card or empty-pile
// marker on the table, in table coordinates (the scroll offset added back).
int lowestCardBottom(const TableView& view);

struct ScrollingInputs {
  int lowestCardBottom = 0;
  int cardHeight = 0;
  int clientHeight = 0;   // of the table in the window
  int surfaceHeight = 0;  // of the table pictures
  int screenHeight = 0;   // of the whole display
  bool applies = true;    // scrollingApplies
};

enum class ScrollChange {
  None,
  Hidden,  // the bar went away: lay the table out again from the top
  Grown,   // the bar came or grew: repaint the table
};

struct ScrollingUpdate {
  ScrollChange change = ScrollChange::None;
  ScrollBarState bar;
  int surfaceHeight = 0;
};

// After the table was drawn or the window resized: whether the bar is
// shown, its range, and how high the table pictures must be. A bar that
// shows grows its range by the height the table wants beyond the window
// (two card heights more than the lowest card), less 30.
ScrollingUpdate updateScrolling(const ScrollingInputs& in, const ScrollBarState& bar);

// `RightmostCardRight`: the largest right edge of any card or empty-pile
// marker on the table, in table coordinates.
int rightmostCardRight(const TableView& view);

// The table's horizontal scroll bar, for windows too narrow for a game's
// piles even with small cards: it shows when the cards reach past the width
// the window shows, and reaches far enough to show the last card with a
// margin beside it. x is scrolled by the table widget alone; the stored
// places and every x the geometry reads stay unscrolled.
inline constexpr int kHorizontalScrollMargin = 10;
struct HorizontalScroll {
  bool shown = false;
  int position = 0;
  int maximum = 0;

  bool operator==(const HorizontalScroll&) const = default;
};
// The position asked for is kept within the new range.
HorizontalScroll horizontalScrolling(int rightmostCardRight, int clientWidth, int position);

// Where a card dragged to the pointer's height scrolls the table: up by a
// large change when it comes within the margin of the table's top while
// the table is scrolled down, down by a large change (not past the end)
// within the margin of the bottom while the bar is shown. Nothing when the
// table stays where it is.
std::optional<int> autoScrollPosition(int pointerY, int tableHeight, const ScrollBarState& bar);
// Its sideways twin, within the margin of the table's left or right edge.
std::optional<int> autoScrollPositionX(int pointerX, int tableWidth, const HorizontalScroll& bar);

}  // namespace kes
