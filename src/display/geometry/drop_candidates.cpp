#include "display/geometry/drop_candidates.h"

#include <algorithm>

#include "display/geometry/pile_geometry.h"
#include "engine/card.h"

namespace kes {

namespace {

constexpr int kMaxKeyWeight = 999999;
constexpr int kWasteNotDropTarget = 4;

std::string digits(int value, std::size_t width) {
  std::string s = std::to_string(std::clamp(value, 0, width == 6 ? kMaxKeyWeight : 999));
  return std::string(width - std::min(width, s.size()), '0') + s;
}

struct Collector {
  const TableView& view;
  const Rect& held;
  std::vector<DropCandidate> found;

  void offer(int kind, int index, int slot, const Rect& pile) {
    const auto weight = overlapWeight(held, pile);
    if (!weight) return;
    const int w = std::clamp(*weight, 0, kMaxKeyWeight);
    found.push_back(DropCandidate{kind, index, slot, w, digits(w, 6) + digits(slot >= 0 ? slot : kind, 3) + digits(index, 3)});
  }

  void offerPile(int kind, PileId id) {
    if (!view.game.positions.isPlaced(id)) return;
    offer(kind, id.index, -1,
          cardRect(cardLeft(view, id, 0, false), cardTop(view, id, 0, false), view.width(), view.height()));
  }

  // Every slot of the grid that holds a card, at its slot's place.
  void offerGridSlots() {
    const Pile& grid = view.pile(PileId::tableau(0));
    int lastSlot = -1;
    for (int e = 1; e <= grid.size(); ++e) {
      const GridSlot s = gridSlotPosition(view, e);
      const int slot = gridSlotNumber(grid, e);
      if (s.card == kNoCard || slot == lastSlot) continue;
      lastSlot = slot;
      offer(DropKind::kTableau, 0, slot, cardRect(s.x, s.y, view.width(), view.height()));
    }
  }
};

}  // namespace

PileId DropCandidate::pile() const {
  switch (kind) {
    case DropKind::kTableau: return PileId::tableau(index);
    case DropKind::kFoundation: return PileId::foundation(index);
    case DropKind::kReserve: return PileId::reserve(index);
    default: return PileId::waste();
  }
}

std::vector<DropCandidate> findDropCandidates(const TableView& view, const Rect& held) {
  const GameState& g = view.game;
  Collector c{view, held, {}};
  for (int i = 0; i < g.foundationCount() && i < familySize(PileFamily::Foundation); ++i)
    c.offerPile(DropKind::kFoundation, PileId::foundation(i));
  const bool grid = view.kind(PileFamily::Tableau) == Fanning::Grid;
  for (int i = 0; i < g.tableauCount() && i < familySize(PileFamily::Tableau); ++i) {
    if (grid && i == 0)
      c.offerGridSlots();
    else
      c.offerPile(DropKind::kTableau, PileId::tableau(i));
  }
  for (int i = 0; i < g.reserveCount() && i < familySize(PileFamily::Reserve); ++i)
    c.offerPile(DropKind::kReserve, PileId::reserve(i));
  if (view.params()[Param::WasteNotDropTarget] != kWasteNotDropTarget) c.offerPile(DropKind::kWaste, PileId::waste());

  std::sort(c.found.begin(), c.found.end(), [](const DropCandidate& a, const DropCandidate& b) { return a.key < b.key; });
  std::vector<DropCandidate> best;
  for (auto it = c.found.rbegin(); it != c.found.rend() && best.size() < kMaxDropCandidates; ++it) best.push_back(*it);
  return best;
}

}  // namespace kes
