#include "pile_positions.h"

#include <algorithm>

namespace kes {

std::int16_t PilePositions::offTable(PileFamily f) {
  switch (f) {
    case PileFamily::Stock: return kStockOffTable;
    case PileFamily::Foundation: return kFoundationOffTable;
    case PileFamily::Tableau: return kTableauOffTable;
    case PileFamily::Reserve: return kReserveOffTable;
  }
  return kStockOffTable;
}

void PilePositions::resetToOffTable() {
  for (auto* a : {&stockX, &stockY}) a->fill(kStockOffTable);
  for (auto* a : {&foundationX, &foundationY}) a->fill(kFoundationOffTable);
  for (auto* a : {&tableauX, &tableauY}) a->fill(kTableauOffTable);
  for (auto* a : {&reserveX, &reserveY}) a->fill(kReserveOffTable);
}

std::int16_t PilePositions::x(PileId id) const { return *entriesOf(*this, id).first; }

std::int16_t PilePositions::y(PileId id) const { return *entriesOf(*this, id).second; }

void PilePositions::set(PileId id, int x, int y) {
  auto [px, py] = entriesOf(*this, id);
  *px = static_cast<std::int16_t>(x);
  *py = static_cast<std::int16_t>(y);
}

}  // namespace kes
