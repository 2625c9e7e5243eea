#pragma once

#include <optional>

namespace kes {

// A rectangle of table or window pixels; both edges belong to it.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  bool spansX(int x) const { return x >= left && x <= right; }
  bool spansY(int y) const { return y >= top && y <= bottom; }
  bool operator==(const Rect&) const = default;
};

// Rect of one card at (x, y).
inline Rect cardRect(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

// Whether a held rectangle overlaps a pile's rectangle, as dropping and the
// layout's collision check see it: a corner of held inside pile; or a
// vertical edge of held within pile's columns and one of the heights
// held.top, held.top + 50, ... (not beyond held.bottom) within its rows.
bool overlaps(const Rect& held, const Rect& pile);

// The weight of that overlap (the larger, the better the pile fits the held
// rectangle); nothing when they do not overlap.
std::optional<int> overlapWeight(const Rect& held, const Rect& pile);

}  // namespace kes
