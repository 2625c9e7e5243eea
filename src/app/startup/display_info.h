#pragma once

namespace kes {

// What start-up needs to know of the screen.
struct DisplayInfo {
  long long colours = 16777216;
};

// The number of colours a screen of this depth shows; deeper than 24 bits
// counts as 999999999.
long long colourCountOf(int bitsPerPixel);

inline bool isLowColourDisplay(const DisplayInfo& display) { return display.colours <= 256; }

}  // namespace kes
