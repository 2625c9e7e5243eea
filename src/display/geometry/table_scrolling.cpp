#include "display/geometry/table_scrolling.h"

#include <algorithm>

#include "display/geometry/pile_geometry.h"
#include "display/geometry/pile_markers.h"
#include "display/geometry/stock_thickness.h"

namespace kes {

namespace {

// The lowest card of the grid: every slot that holds a card.
int gridBottom(const TableView& view) {
  const Pile& grid = view.pile(PileId::tableau(0));
  int bottom = pileOriginY(view, PileId::tableau(0)) + view.height();
  for (int entry = 1; entry <= grid.size(); ++entry) {
    const GridSlot slot = gridSlotPosition(view, entry);
    if (slot.card > 0) bottom = std::max(bottom, slot.y + view.height());
  }
  return bottom;
}

// The bottom edge of what a pile shows in window coordinates; nothing for
// an empty pile without a marker.
std::optional<int> drawnBottom(const TableView& view, PileId pile) {
  const Pile& cards = view.pile(pile);
  if (cards.empty()) {
    if (emptyPileMarker(view.game, pile) == 0) return std::nullopt;
    return pileOriginY(view, pile) + view.height();
  }
  // A stock pile's stored place is already where its raised top card lies.
  if (pile.family == PileFamily::Stock) return pileOriginY(view, pile) + view.height();
  if (pile == PileId::tableau(0) && view.kind(PileFamily::Tableau) == Fanning::Grid) return gridBottom(view);
  return pileBottom(view, pile);
}

// The right edge of what a pile shows: its top card lies furthest right
// when it fans sideways.
std::optional<int> drawnRight(const TableView& view, PileId pile) {
  const Pile& cards = view.pile(pile);
  const int left = pileOriginX(view, pile);
  if (cards.empty() && emptyPileMarker(view.game, pile) == 0) return std::nullopt;
  int right = left + view.width();
  if (pile == PileId::tableau(0) && view.kind(PileFamily::Tableau) == Fanning::Grid) {
    for (int entry = 1; entry <= cards.size(); ++entry) {
      const GridSlot slot = gridSlotPosition(view, entry);
      if (slot.card > 0) right = std::max(right, slot.x + view.width());
    }
    return right;
  }
  if (!cards.empty() && pile.family != PileFamily::Stock) right = std::max(right, cardLeft(view, pile, 0, false) + view.width());
  return right;
}

}  // namespace

bool scrollingApplies(bool vertScrollBarWanted, int tableauKind) {
  return vertScrollBarWanted && (tableauKind == Fanning::Down || tableauKind == Fanning::Grid);
}

int lowestCardBottom(const TableView& view) {
  const GameState& g = view.game;
  if (!g.params.loaded()) return 0;
  int lowest = 0;
  for (int ordinal = 0; ordinal < kPileCount; ++ordinal) {
    const PileId pile = PileId::fromOrdinal(ordinal);
    if (!g.onTable(pile)) continue;
    // The first foundation of the pairing games holds the selection, not cards on the table.
    if (pile == PileId::foundation(0) && g.history.foundationOneIsSelection) continue;
    if (pileOriginX(view, pile) < -9999 || g.positions.y(pile) < -9999) continue;
    if (const auto bottom = drawnBottom(view, pile)) lowest = std::max(lowest, *bottom + view.metrics.scrollOffset);
  }
  return lowest;
}

bool scrollingApplies(bool vertScrollBarWanted, int tableauKind, int lowestCardBottom, int clientHeight) {
  if (scrollingApplies(vertScrollBarWanted, tableauKind)) return true;
  return vertScrollBarWanted && lowestCardBottom > clientHeight;
}

int rightmostCardRight(const TableView& view) {
  const GameState& g = view.game;
  if (!g.params.loaded()) return 0;
  int rightmost = 0;
  for (int ordinal = 0; ordinal < kPileCount; ++ordinal) {
    const PileId pile = PileId::fromOrdinal(ordinal);
    if (!g.onTable(pile)) continue;
    if (pile == PileId::foundation(0) && g.history.foundationOneIsSelection) continue;
    if (pileOriginX(view, pile) < -9999 || g.positions.y(pile) < -9999) continue;
    if (const auto right = drawnRight(view, pile)) rightmost = std::max(rightmost, *right);
  }
  return rightmost;
}

HorizontalScroll horizontalScrolling(int rightmostCardRight, int clientWidth, int position) {
  const int wanted = rightmostCardRight + kHorizontalScrollMargin;
  if (clientWidth <= 0 || wanted <= clientWidth) return {};
  const int maximum = wanted - clientWidth;
  return {true, std::clamp(position, 0, maximum), maximum};
}

ScrollingUpdate updateScrolling(const ScrollingInputs& in, const ScrollBarState& bar) {
  ScrollingUpdate out{ScrollChange::None, bar, in.surfaceHeight};
  const int needed = in.lowestCardBottom;
  const int extra = 2 * in.cardHeight + needed - in.clientHeight;
  const bool moreWanted = bar.shown ? in.surfaceHeight - 2 * in.cardHeight < needed : in.clientHeight < needed;
  if (bar.shown && (!in.applies || in.clientHeight >= needed)) {
    out.change = ScrollChange::Hidden;
    out.bar = ScrollBarState{};
    out.surfaceHeight = in.screenHeight + kSurfaceMargin;
  }
  if (moreWanted && in.applies) {
    out.change = ScrollChange::Grown;
    out.surfaceHeight += extra;
    out.bar.maximum = extra + out.bar.maximum - kSurfaceMargin;
    out.bar.shown = true;
  }
  return out;
}

std::optional<int> autoScrollPosition(int pointerY, int tableHeight, const ScrollBarState& bar) {
  if (bar.position > 0 && pointerY < kAutoScrollMargin) return std::max(0, bar.position - kScrollLargeChange);
  if (bar.shown && pointerY > tableHeight - kAutoScrollMargin && bar.position < bar.maximum)
    return std::min(bar.maximum, bar.position + kScrollLargeChange);
  return std::nullopt;
}

std::optional<int> autoScrollPositionX(int pointerX, int tableWidth, const HorizontalScroll& bar) {
  if (bar.position > 0 && pointerX < kAutoScrollMargin) return std::max(0, bar.position - kScrollLargeChange);
  if (bar.shown && pointerX > tableWidth - kAutoScrollMargin && bar.position < bar.maximum)
    return std::min(bar.maximum, bar.position + kScrollLargeChange);
  return std::nullopt;
}

}  // namespace kes
