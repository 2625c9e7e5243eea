#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "pile_id.h"

namespace kes {

// Screen places of the piles, written by the layout. Before each layout
// every entry holds its family's "not placed" sentinel.
struct PilePositions {
  static constexpr std::int16_t kStockOffTable = -10000;
  static constexpr std::int16_t kFoundationOffTable = -10001;
  static constexpr std::int16_t kTableauOffTable = -10002;
  static constexpr std::int16_t kReserveOffTable = -10003;

  std::array<std::int16_t, 3> stockX{}, stockY{};
  std::array<std::int16_t, 16> foundationX{}, foundationY{};
  std::array<std::int16_t, 26> tableauX{}, tableauY{};
  std::array<std::int16_t, 8> reserveX{}, reserveY{};

  PilePositions() { resetToOffTable(); }
  void resetToOffTable();

  static std::int16_t offTable(PileFamily f);
  std::int16_t x(PileId id) const;
  std::int16_t y(PileId id) const;
  void set(PileId id, int x, int y);
  bool isPlaced(PileId id) const { return x(id) != offTable(id.family); }

 private:
  // The x and y entries of a pile, for const and non-const use alike.
  template <typename Self>
  static auto entriesOf(Self& self, PileId id) {
    const auto i = static_cast<std::size_t>(id.index);
    switch (id.family) {
      case PileFamily::Foundation: return std::pair{&self.foundationX.at(i), &self.foundationY.at(i)};
      case PileFamily::Tableau: return std::pair{&self.tableauX.at(i), &self.tableauY.at(i)};
      case PileFamily::Reserve: return std::pair{&self.reserveX.at(i), &self.reserveY.at(i)};
      case PileFamily::Stock: break;
    }
    return std::pair{&self.stockX.at(i), &self.stockY.at(i)};
  }
};

}  // namespace kes
