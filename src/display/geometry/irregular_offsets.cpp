#include "display/geometry/irregular_offsets.h"

#include <random>

namespace kes {

namespace {

// One row: a walk in which a draw of 1 or 2 only counts right after a 3 and
// a 3 (one pixel left) never follows a 3.
std::array<int, IrregularOffsets::kColumns> drawRow(const std::function<int()>& random0to3) {
  std::array<int, IrregularOffsets::kColumns> row{};
  int a = random0to3();
  int sum = 0;
  for (std::size_t i = 1; i < row.size(); ++i) {
    int b = random0to3();
    if ((a > 2 && b > 2) || (b >= 1 && b <= 2 && a <= 2)) b = 0;
    int v = b == 3 ? -1 : b;
    sum += v;
    if (sum >= 3) {
      v -= 2;
      sum -= 2;
    } else if (sum < -2) {
      v += 2;
      sum += 2;
    }
    row[i] = v;
    a = b;
  }
  return row;
}

}  // namespace

IrregularOffsets IrregularOffsets::draw(const std::function<int()>& random0to3) {
  IrregularOffsets o;
  for (auto& row : o.values_) row = drawRow(random0to3);
  return o;
}

IrregularOffsets IrregularOffsets::drawSeeded(std::uint32_t seed) {
  // The low bits of the engine's output, not a distribution, so that one
  // seed gives the same offsets with every standard library.
  std::mt19937 engine(seed);
  return draw([&engine] { return static_cast<int>(engine() % 4); });
}

}  // namespace kes
