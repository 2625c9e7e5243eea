#pragma once

#include <vector>

namespace kes {

// A colour as its three channels, 0..255 each.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// a * b / c rounded to the nearest whole number, halves away from zero, with
// a wide intermediate product; 0 when c is 0.
int mulDiv(int a, int b, int c);

// One horizontal band of a faded background: rows top .. bottom - 1.
struct FadeBand {
  int top = 0;
  int bottom = 0;
  Rgb colour;
};

inline constexpr int kFadeBandCount = 256;

// The area a fade covers below a surface's top: one row more than the
// surface, or 80 more while the scroll bar is shown so that the visible
// bottom keeps a trace of the colour when the table scrolls.
int fadeAreaHeight(int surfaceHeight, bool scrollBarShown);
inline int fadeAreaWidth(int surfaceWidth) { return surfaceWidth + 1; }

// The 256 bands of a colour fading to black downward over an area of this
// height, from band 0 at the bottom (black) to band 255 at the top (almost
// the full colour). Bands thinner than a row are empty (top == bottom).
std::vector<FadeBand> fadeBands(Rgb colour, int areaHeight);

}  // namespace kes
