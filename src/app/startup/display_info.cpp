#include "display_info.h"

namespace kes {

long long colourCountOf(int bitsPerPixel) {
  if (bitsPerPixel > 24) return 999999999;
  if (bitsPerPixel < 1) return 2;
  return 1LL << bitsPerPixel;
}

}  // namespace kes
