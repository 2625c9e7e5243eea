#include "group_test.h"

#include <array>

#include "card.h"

namespace kes {

namespace {

int groupRank(int base) {
  switch (base) {
    case Base::kAceBalanced:
    case Base::kAceBalancedDistinct: return 1;
    case Base::kKingBalancedDistinct: return 13;
    default: return 0;
  }
}

}  // namespace

bool groupTestAccepts(const GameState& g, int base, int moving) {
  if (suitIndex(moving) < 0) return false;
  const int rank = groupRank(base);
  if (rank != 0 && cardRank(moving) != rank) return false;
  const bool distinctSuits = base == Base::kKingBalancedDistinct || base == Base::kAceBalancedDistinct;
  int members = 0, red = isRed(moving) ? 1 : 0, black = isRed(moving) ? 0 : 1;
  std::array<int, 4> suits{};
  ++suits[static_cast<std::size_t>(suitIndex(moving))];
  for (int i = 0; i < familySize(PileFamily::Foundation); ++i) {
    if (g.params[Param::foundationBase(i)] != base) continue;
    ++members;
    const Pile& f = g.table.pile(PileId::foundation(i));
    if (f.empty()) continue;
    const int first = f.cardAt(0);
    (isRed(first) ? red : black) += 1;
    ++suits[static_cast<std::size_t>(suitIndex(first))];
  }
  if (red > members / 2 || black > members / 2) return false;
  if (distinctSuits)
    for (int n : suits)
      if (n > 1) return false;
  return true;
}

}  // namespace kes
