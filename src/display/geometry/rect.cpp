#include "display/geometry/rect.h"

namespace kes {

namespace {

// Heights sampled down a held rectangle taller than the pile it crosses.
constexpr int kSampleStep = 50;

bool sampledRowsMeet(const Rect& held, const Rect& pile) {
  for (int y = held.top; y <= held.bottom; y += kSampleStep)
    if (pile.spansY(y)) return true;
  return false;
}

}  // namespace

std::optional<int> overlapWeight(const Rect& h, const Rect& p) {
  if (p.contains(h.left, h.top)) return (p.right - h.left) * (p.bottom - h.top);
  if (p.contains(h.right, h.bottom)) return (h.right - p.left) * (h.bottom - p.top);
  if (p.contains(h.right, h.top)) return (p.bottom - h.top) * (h.right - p.left);
  if (p.contains(h.left, h.bottom)) return (p.right - h.left) * (h.bottom - p.top);
  const bool leftIn = p.spansX(h.left);
  if (!leftIn && !p.spansX(h.right)) return std::nullopt;
  if (!sampledRowsMeet(h, p)) return std::nullopt;
  return (leftIn ? p.right - h.left : h.right - p.left) * (h.bottom - h.top);
}

bool overlaps(const Rect& held, const Rect& pile) { return overlapWeight(held, pile).has_value(); }

}  // namespace kes
