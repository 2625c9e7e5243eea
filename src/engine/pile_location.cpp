#include "engine/pile_location.h"

namespace kes {

namespace {

// Index of the first pile of a family that holds the card, or -1.
int indexHolding(const TableState& table, PileFamily family, int card) {
  for (int i = 0; i < familySize(family); ++i)
    if (table.pile({family, i}).contains(card)) return i;
  return -1;
}

}  // namespace

PileLocation locateCard(const TableState& table, int card) {
  if (card < 1) return kLocationNone;
  if (table.pile(PileId::stock()).contains(card)) return kLocationStock;
  if (table.pile(PileId::waste()).contains(card)) return kLocationWaste;
  if (const int i = indexHolding(table, PileFamily::Foundation, card); i >= 0) return foundationLocation(i);
  if (const int i = indexHolding(table, PileFamily::Tableau, card); i >= 0) return tableauLocation(i);
  if (const int i = indexHolding(table, PileFamily::Reserve, card); i >= 0) return reserveLocation(i);
  return kLocationNone;
}

}  // namespace kes
