#include "display/geometry/hit_testing.h"

#include "display/geometry/pile_geometry.h"

namespace kes {

namespace {

// GameParams entry 12 when any card of a reserve may be lifted.
constexpr int kReserveLiftAnyCard = -11;

// The kind hit testing measures a pile by: the stock family is squared, and
// a grid is only tableau pile 1's.
int hitKind(const TableView& v, PileId id) {
  const int kind = v.kind(id.family);
  if (kind == Fanning::Grid && !(id.family == PileFamily::Tableau && id.index == 0)) return Fanning::Squared;
  return kind;
}

bool vertical(int kind) { return kind == Fanning::Down || kind == Fanning::Squared || kind == Fanning::DownEven; }
bool horizontal(int kind) {
  return kind == Fanning::Right || kind == Fanning::SideBySide || kind == Fanning::RightNarrow;
}

// Kinds 1, 3, 5: bands down the pile, each as high as the step after its
// card; the top card's band is the card less its last pixel row.
CardHit verticalCard(const TableView& v, PileId id, int kind, int y) {
  const Pile& pile = v.pile(id);
  const int m = pile.size();
  const FanningSteps& s = v.metrics.steps;
  int f = pileOriginY(v, id);
  for (int q = 1; q <= m; ++q) {
    const int card = pile.cardAt(q - 1);
    int e = kind == Fanning::DownEven ? s.downUniform : (isFaceDown(v.game, card) ? s.downFaceDown : s.downFaceUp);
    if (q == m) e = v.height() - 1;
    if (y >= f && y <= f + e) {
      if (kind == Fanning::Squared) return CardHit{pile.top(), pileOriginX(v, id), pileOriginY(v, id)};
      return CardHit{card, cardLeft(v, id, m - q + 1, false), f};
    }
    f += e;
  }
  return {};
}

// Kinds 2, 4, 6: bands along the pile to the right.
CardHit horizontalCard(const TableView& v, PileId id, int kind, int x) {
  const Pile& pile = v.pile(id);
  const int m = pile.size();
  const FanningSteps& s = v.metrics.steps;
  int f = pileOriginX(v, id);
  for (int q = 1; q <= m; ++q) {
    const int card = pile.cardAt(q - 1);
    int e = 0, advance = 0;
    if (kind == Fanning::SideBySide) {
      e = v.width();
      advance = v.width() + s.sideBySideGap;
    } else {
      e = kind == Fanning::RightNarrow ? s.rightNarrow : (isFaceDown(v.game, card) ? s.rightFaceDown : s.rightFaceUp);
      if (q == m) e = v.width() - 1;
      advance = e;
    }
    if (x >= f && x <= f + e) return CardHit{card, f, pileOriginY(v, id)};
    f += advance;
  }
  return {};
}

// Kind 8: the first real card whose slot holds the point.
CardHit gridCard(const TableView& v, int x, int y) {
  const int m = v.pile(PileId::tableau(0)).size();
  for (int e = 1; e <= m; ++e) {
    const GridSlot slot = gridSlotPosition(v, e);
    if (slot.card != 0 && cardRect(slot.x, slot.y, v.width(), v.height()).contains(x, y))
      return CardHit{slot.card, slot.x, slot.y};
  }
  return {};
}

// Kind 7 shows only its top card, one step lower.
CardHit loweredCard(const TableView& v, PileId id, int y) {
  const int top = cardTop(v, id, 0, false);
  if (y < top || y > top + v.height() - 1) return {};
  return CardHit{v.pile(id).top(), pileOriginX(v, id), top};
}

Rect topCardRect(const TableView& v, PileId id) {
  return cardRect(cardLeft(v, id, 0, false), cardTop(v, id, 0, false), v.width(), v.height());
}

// Where a tableau or reserve pile can be hit: down to its bottom for the
// vertical kinds, out to its top card for the horizontal ones.
Rect pileArea(const TableView& v, PileId id, int kind) {
  const int x = pileOriginX(v, id), y = pileOriginY(v, id);
  if (horizontal(kind)) return Rect{x, y, cardLeft(v, id, 0, false) + v.width(), y + v.height()};
  if (kind == Fanning::SquaredLowered) return Rect{x, y, x + v.width(), cardTop(v, id, 0, false) + v.height()};
  return Rect{x, y, x + v.width(), pileBottom(v, id)};
}

PileHit hitOf(PileId id, const CardHit& c, const TableView& v) {
  return PileHit{id, c.card, cardRect(c.left, c.top, v.width(), v.height())};
}

std::optional<PileHit> stockAt(const TableView& v, int x, int y) {
  for (int i = 0; i < familySize(PileFamily::Stock); ++i) {
    const PileId id{PileFamily::Stock, i};
    const Rect r = cardRect(pileOriginX(v, id), pileOriginY(v, id), v.width(), v.height());
    if (r.contains(x, y)) return PileHit{id, v.pile(id).top(), r};
  }
  return std::nullopt;
}

// Side by side rows may overlap; the later pile lies on top and is asked
// first, and a point on no card of it goes on to the pile before.
std::optional<PileHit> sideBySideTableauAt(const TableView& v, int n, int x, int y) {
  for (int k = n - 1; k >= 0; --k) {
    const PileId id = PileId::tableau(k);
    const int px = pileOriginX(v, id), py = pileOriginY(v, id);
    if (!Rect{px, py, cardLeft(v, id, 0, false) + v.width(), py + v.height()}.contains(x, y)) continue;
    const CardHit c = cardAtPoint(v, id, x, y);
    if (c.card > 0) return hitOf(id, c, v);
  }
  return std::nullopt;
}

// Otherwise the first pile whose area holds the point decides, even when
// it has no card there.
std::optional<PileHit> tableauAt(const TableView& v, int x, int y) {
  const int n = std::min<int>(v.params()[Param::TableauCount], familySize(PileFamily::Tableau));
  if (v.kind(PileFamily::Tableau) == Fanning::SideBySide) return sideBySideTableauAt(v, n, x, y);
  for (int k = 0; k < n; ++k) {
    const PileId id = PileId::tableau(k);
    const int kind = hitKind(v, id);
    if (kind != Fanning::Grid && !pileArea(v, id, kind).contains(x, y)) continue;
    const CardHit c = cardAtPoint(v, id, x, y);
    if (c.card > 0) return hitOf(id, c, v);
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<PileHit> foundationAt(const TableView& v, int x, int y) {
  for (int i = 0; i < familySize(PileFamily::Foundation); ++i) {
    const PileId id = PileId::foundation(i);
    const Rect r = topCardRect(v, id);
    if (r.contains(x, y)) return PileHit{id, v.pile(id).top(), r};
  }
  return std::nullopt;
}

std::optional<PileHit> reserveAt(const TableView& v, int x, int y) {
  const int r = std::min<int>(v.params()[Param::ReserveCount], familySize(PileFamily::Reserve));
  for (int k = 0; k < r; ++k) {
    const PileId id = PileId::reserve(k);
    if (v.pile(id).empty()) continue;
    const int kind = hitKind(v, id);
    // A reserve fanned to the right is hit on its top card only.
    const Rect area = kind == Fanning::Right ? topCardRect(v, id) : pileArea(v, id, kind);
    if (!area.contains(x, y)) continue;
    const CardHit c = cardAtPoint(v, id, x, y);
    if (c.card <= 0) continue;
    Rect rect{c.left, c.top, area.right, area.bottom};
    if (v.params()[Param::ReserveLiftAny] == kReserveLiftAnyCard) rect.bottom = c.top + v.height();
    return PileHit{id, c.card, rect};
  }
  return std::nullopt;
}

}  // namespace

CardHit cardAtPoint(const TableView& v, PileId id, int x, int y) {
  if (id.family != PileFamily::Tableau && id.family != PileFamily::Reserve) return {};
  if (v.pile(id).empty()) return {};
  const int kind = hitKind(v, id);
  if (vertical(kind)) return verticalCard(v, id, kind, y);
  if (horizontal(kind)) return horizontalCard(v, id, kind, x);
  if (kind == Fanning::Grid) return gridCard(v, x, y);
  if (kind == Fanning::SquaredLowered) return loweredCard(v, id, y);
  return verticalCard(v, id, Fanning::Squared, y);
}

std::string PileHit::name() const { return pile ? pileName(*pile) : std::string(); }

PileHit pileAtPoint(const TableView& v, int x, int y) {
  if (auto hit = stockAt(v, x, y)) return *hit;
  if (auto hit = tableauAt(v, x, y)) return *hit;
  if (auto hit = foundationAt(v, x, y)) return *hit;
  if (auto hit = reserveAt(v, x, y)) return *hit;
  return {};
}

}  // namespace kes
