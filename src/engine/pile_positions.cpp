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

std::pair<std::int16_t*, std::int16_t*> PilePositions::slots(PileId id) {
  const auto i = static_cast<std::size_t>(id.index);
  switch (id.family) {
    case PileFamily::Stock: return {&stockX.at(i), &stockY.at(i)};
    case PileFamily::Foundation: return {&foundationX.at(i), &foundationY.at(i)};
    case PileFamily::Tableau: return {&tableauX.at(i), &tableauY.at(i)};
    case PileFamily::Reserve: return {&reserveX.at(i), &reserveY.at(i)};
  }
  return {&stockX.at(0), &stockY.at(0)};
}

std::int16_t PilePositions::x(PileId id) const { return *const_cast<PilePositions*>(this)->slots(id).first; }

std::int16_t PilePositions::y(PileId id) const { return *const_cast<PilePositions*>(this)->slots(id).second; }

void PilePositions::set(PileId id, int x, int y) {
  auto [px, py] = slots(id);
  *px = static_cast<std::int16_t>(x);
  *py = static_cast<std::int16_t>(y);
}

}  // namespace kes
