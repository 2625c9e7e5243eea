#include "display/geometry/pile_geometry.h"

#include <algorithm>

#include "engine/card.h"

namespace kes {

namespace {

constexpr int kGridGapX = 12;
constexpr int kGridGapY = 8;

bool isGridPile(const TableView& v, PileId id) {
  return id.family == PileFamily::Tableau && id.index == 0 && v.kind(PileFamily::Tableau) == Fanning::Grid;
}

// Step after a card of a downward-fanned pile (kinds 1 and 5), 0 otherwise.
int downStep(const TableView& v, int kind, int card) {
  const FanningSteps& s = v.metrics.steps;
  if (kind == Fanning::Down) return isFaceDown(v.game, card) ? s.downFaceDown : s.downFaceUp;
  if (kind == Fanning::DownEven) return s.downUniform;
  return 0;
}

// Step after a card of a rightward pile, for the kinds the family fans to the right.
int rightStep(const TableView& v, PileFamily family, int kind, int card) {
  const FanningSteps& s = v.metrics.steps;
  if (kind == Fanning::Right) return isFaceDown(v.game, card) ? s.rightFaceDown : s.rightFaceUp;
  if (kind == Fanning::SideBySide) return v.width() + s.sideBySideGap;
  if (kind == Fanning::RightNarrow && family == PileFamily::Tableau) return s.rightNarrow;
  return 0;
}

// Cards 1..p of the pile from the bottom (1..p-1 without beyond) each add
// their step.
template <typename Step>
int walk(const Pile& pile, int p, bool beyond, Step step) {
  const int last = std::min(beyond ? p : p - 1, pile.size());
  int sum = 0;
  for (int position = 1; position <= last; ++position) {
    const int card = pile.cardAt(position - 1);
    if (card >= 0) sum += step(card);
  }
  return sum;
}

int irregularOffset(const TableView& v, PileId id, int m, int depth, bool beyond) {
  if (!v.metrics.irregularPiles || id.family != PileFamily::Tableau || v.kind(PileFamily::Tableau) != Fanning::Down)
    return 0;
  int column = (depth == 0 && !beyond) ? m - 1 : m - depth;
  if (column > IrregularOffsets::kColumns - 1) column %= IrregularOffsets::kColumns - 1;
  column = std::max(column, 0);  // an empty pile has no column -1
  const int row = id.index < IrregularOffsets::kRows ? id.index : id.index % (IrregularOffsets::kRows - 1);
  return v.metrics.irregular.at(row, column);
}

}  // namespace

bool isFaceDown(const GameState& game, int card) {
  return card >= 1 && card <= kMaxCards && !game.table.cards.isFaceUp(card);
}

int pileOriginX(const TableView& v, PileId id) { return v.game.positions.x(id); }

int pileOriginY(const TableView& v, PileId id) { return v.game.positions.y(id) - v.metrics.scrollOffset; }

int cardTop(const TableView& v, PileId id, int depth, bool beyond) {
  const Pile& pile = v.pile(id);
  const int p = pile.size() - depth;
  if (isGridPile(v, id)) return gridSlotPosition(v, p).y;
  const int kind = v.kind(id.family);
  int y = pileOriginY(v, id);
  if (kind == Fanning::Down || kind == Fanning::DownEven)
    y += walk(pile, p, beyond, [&](int card) { return downStep(v, kind, card); });
  if (kind == Fanning::SquaredLowered && p >= 1) y += v.metrics.steps.downFaceUp;
  return y;
}

int cardLeft(const TableView& v, PileId id, int depth, bool beyond) {
  const Pile& pile = v.pile(id);
  const int p = pile.size() - depth;
  if (isGridPile(v, id)) return gridSlotPosition(v, p).x;
  const int kind = v.kind(id.family);
  int x = pileOriginX(v, id) + walk(pile, p, beyond, [&](int card) { return rightStep(v, id.family, kind, card); });
  return x + irregularOffset(v, id, pile.size(), depth, beyond);
}

int pileBottom(const TableView& v, PileId id) {
  const Pile& pile = v.pile(id);
  const int kind = v.kind(id.family);
  const int below = walk(pile, pile.size(), false, [&](int card) { return downStep(v, kind, card); });
  return pileOriginY(v, id) + below + v.height();
}

int gridSlotNumber(const Pile& grid, int entry) {
  int separators = 0;
  for (int e = 1; e <= std::min(entry, grid.size()); ++e)
    if (grid.cardAt(e - 1) == 0) ++separators;
  return separators;
}

GridSlot gridSlotPosition(const TableView& v, int entry) {
  const Pile& grid = v.pile(PileId::tableau(0));
  const int z = gridSlotNumber(grid, entry);
  const int slotW = v.width() + kGridGapX;
  const int columns = std::max(v.metrics.screenWidth / slotW, 1);
  const int row = z / columns, column = z % columns;
  int x = slotW * column;
  if (row % 2 == 1) x = slotW * (columns - 1) - x;
  GridSlot slot;
  slot.x = x + v.game.positions.tableauX[0];
  slot.y = (v.height() + kGridGapY) * row + v.game.positions.tableauY[0] - v.metrics.scrollOffset;
  slot.card = entry >= 1 && entry <= grid.size() ? grid.cardAt(entry - 1) : 0;
  return slot;
}

}  // namespace kes
