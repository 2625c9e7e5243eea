#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace kes {

// Small sideways offsets that make the cards of downward-fanned tableau
// piles look laid by hand: 7 rows of 13, each -1..2 pixels, column 0 always 0.
// Drawn afresh for every new game.
class IrregularOffsets {
 public:
  static constexpr int kRows = 7;
  static constexpr int kColumns = 13;

  // Every offset 0.
  IrregularOffsets() = default;

  // Draws the offsets with random0to3 giving a number 0..3 on every call.
  // Within a row an offset other than 0 usually follows a 0, and the running
  // sum stays between -2 and 2 so a pile never drifts far.
  static IrregularOffsets draw(const std::function<int()>& random0to3);
  // The same walk from a seeded generator, for reproducible games and tests.
  static IrregularOffsets drawSeeded(std::uint32_t seed);

  int at(int row, int column) const {
    return values_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
  }

 private:
  std::array<std::array<int, kColumns>, kRows> values_{};
};

}  // namespace kes
