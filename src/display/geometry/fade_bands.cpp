#include "display/geometry/fade_bands.h"

#include <cstdint>

namespace kes {

int mulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t divisor = c;
  const bool negative = (product < 0) != (divisor < 0);
  const std::int64_t magnitude = (product < 0 ? -product : product);
  const std::int64_t by = divisor < 0 ? -divisor : divisor;
  const std::int64_t rounded = (magnitude + by / 2) / by;
  return static_cast<int>(negative ? -rounded : rounded);
}

int fadeAreaHeight(int surfaceHeight, bool scrollBarShown) { return surfaceHeight + (scrollBarShown ? 80 : 1); }

std::vector<FadeBand> fadeBands(Rgb colour, int areaHeight) {
  std::vector<FadeBand> bands;
  bands.reserve(kFadeBandCount);
  const int bottom = areaHeight;
  for (int k = 0; k < kFadeBandCount; ++k) {
    FadeBand band;
    band.top = bottom - mulDiv(k + 1, areaHeight, kFadeBandCount);
    band.bottom = bottom - mulDiv(k, areaHeight, kFadeBandCount);
    band.colour = Rgb{mulDiv(colour.red, k, kFadeBandCount), mulDiv(colour.green, k, kFadeBandCount),
                      mulDiv(colour.blue, k, kFadeBandCount)};
    bands.push_back(band);
  }
  return bands;
}

}  // namespace kes
