#include "display/geometry/pile_markers.h"

#include <array>

#include "engine/move_executor.h"
#include "engine/game_family.h"

namespace kes {

namespace {

constexpr std::array<int, 13> kRankMarkers{10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 6, 3, 11};
constexpr int kNoRankFoundation = 4;
constexpr int kNoRankTableau = 4;
constexpr int kClosedTableau = 7;
constexpr int kReserve = 1;
constexpr int kCourtReserve = 9;
constexpr int kKingReserve = 11;
constexpr int kWasteMarker = 2;
constexpr int kRedealLeft = 22;
constexpr int kNoRedealLeft = 8;
constexpr int kGridStock = 21;
constexpr int kRedealArmed = 5;
constexpr int kQueensOnlyRule = 10;
constexpr int kReserveKindCourt = 9;
constexpr int kReserveKindKings = 8;

int stockMarker(const GameState& g) {
  if (g.family() == Family::NeighbourPairs) return kGridStock;
  if (g.drag.redealArmed) return kRedealArmed;
  const bool redealLeft = redealAllowed(g);
  if (g.params[Param::TableauRedealMode] > 0 && redealLeft) return kRedealLeft;
  if (g.table.pile(PileId::waste()).size() <= 1) return kNoRedealLeft;
  return redealLeft ? kRedealLeft : kNoRedealLeft;
}

int wasteMarker(const GameState& g) {
  if (g.params[Param::StockShownAtStock] == 1) return kWasteMarker;
  if (g.params[Param::StockPasses] != 0 && g.params[Param::TableauRedealMode] <= 0) return 0;
  return g.params[Param::StockPasses] == 0 || !redealAllowed(g) ? kNoRedealLeft : kRedealLeft;
}

}  // namespace

int rankMarker(int base) {
  if (base >= 1 && base <= 13) return kRankMarkers[static_cast<std::size_t>(base - 1)];
  if (base == 81 || base == 85) return kRankMarkers[0];
  if (base == 84) return kRankMarkers[12];
  return 0;
}

int emptyPileMarker(const GameState& g, PileId pile) {
  switch (pile.family) {
    case PileFamily::Stock:
      if (pile.index == kStock) return stockMarker(g);
      if (pile.index == kWaste) return wasteMarker(g);
      return kWasteMarker;
    case PileFamily::Foundation: {
      if (g.params[Param::foundationBuildRule(pile.index)] == kQueensOnlyRule) return rankMarker(12);
      const int marker = rankMarker(g.params[Param::foundationBase(pile.index)]);
      return marker ? marker : kNoRankFoundation;
    }
    case PileFamily::Tableau: {
      const int marker = rankMarker(g.params[Param::tableauEmptyBase(pile.index)]);
      if (marker) return marker;
      return g.params[Param::tableauEmptyBase(0)] != 0 ? kNoRankTableau : kClosedTableau;
    }
    case PileFamily::Reserve: {
      const int kind = g.params[Param::reserveKind(0)];
      return kind == kReserveKindCourt ? kCourtReserve : kind == kReserveKindKings ? kKingReserve : kReserve;
    }
  }
  return 0;
}

}  // namespace kes
