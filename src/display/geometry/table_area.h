#pragma once

namespace kes {

// Width and height of the whole display.
struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The part of the main window (or of a preview image) the table is laid out
// in. right already leaves room for the vertical scroll bar.
struct TableArea {
  int top = 5;
  int left = 0;
  int bottom = 0;
  int windowHeight = 0;
  int right = 0;
  // How far below the top of the window's client area the table's own y = 0
  // lies: the rows measured from the window's height move up by as much.
  int clientTop = 0;
};

// What the main window measures for its table, in pixels: the window with
// its frame, its client area under the menu bar, the bottom edge of the
// first visible panel above the table (demo bar or toolbar; 0 when none
// shows) and the top of the table itself, both within the client area.
struct WindowMeasures {
  int outerWidth = 0;
  int outerHeight = 0;
  int clientHeight = 0;
  int panelsBottom = 0;
  int tableTop = 0;
};

inline constexpr int kScrollBarWidth = 13;
// The table's top when neither the demo panel nor a toolbar is shown.
inline constexpr int kTopWithoutPanels = 5;

// The main window's table: top is the bottom edge of the first visible panel
// above the table (kTopWithoutPanels when none is shown); the scroll bar's
// width is kept free whether the bar is shown or not.
TableArea windowTableArea(int outerWidth, int outerHeight, int clientHeight, int top = kTopWithoutPanels);
// The same in the table's own coordinates, for a table that starts below
// the toolbar: the area keeps the window's measures and is shifted up by
// the table's top.
TableArea windowTableArea(const WindowMeasures& window);

// The miniature of a game in the game selection dialog, drawn into an image
// of the given size.
TableArea previewTableArea(int imageWidth, int imageHeight);

}  // namespace kes
