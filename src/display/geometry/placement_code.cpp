#include "display/geometry/placement_code.h"

namespace kes {

int firstDigit(int value) {
  if (value < 0) return -1;
  while (value > 9) value /= 10;
  return value;
}

PlacementCode placementCode(const GameParams& params, int variantEntry, int rowEntry) {
  return PlacementCode{firstDigit(params[rowEntry]), params[variantEntry]};
}

PlacementCodes placementCodes(const GameParams& p) {
  return PlacementCodes{
      placementCode(p, Param::StockPlacementVariant, Param::StockPlacementRow),
      placementCode(p, Param::FoundationPlacementVariant, Param::FoundationPlacementRow),
      placementCode(p, Param::TableauPlacementVariant, Param::TableauPlacementRow),
      placementCode(p, Param::ReservePlacementVariant, Param::ReservePlacementRow),
      placementCode(p, Param::SecondWastePlacementVariant, Param::SecondWastePlacementRow),
  };
}

bool isSpecialArrangement(int v) { return (v >= 51 && v <= 101) || (v >= 103 && v <= 111); }

}  // namespace kes
