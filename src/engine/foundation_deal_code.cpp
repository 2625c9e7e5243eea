#include "foundation_deal_code.h"

#include <algorithm>

#include "card.h"

namespace kes {

namespace {

int firstOfOtherSuit(DealContext& deal, int foundation) {
  const auto conflicts = [&](int card) {
    for (int f = 0; f < foundation; ++f) {
      const Pile& p = deal.game.table.pile(PileId::foundation(f));
      if (!p.empty() && suitIndex(p.cardAt(0)) == suitIndex(card)) return true;
    }
    return false;
  };
  const auto it = std::find_if_not(deal.order.begin(), deal.order.end(), conflicts);
  if (it != deal.order.end()) return *it;
  return deal.order.empty() ? 0 : deal.order.back();
}

int firstOfRank(const DealContext& deal, int rank) {
  const auto it = std::find_if(deal.order.begin(), deal.order.end(), [rank](int c) { return cardRank(c) == rank; });
  return it != deal.order.end() ? *it : 0;
}

}  // namespace

int foundationDealCard(DealContext& deal, int i) {
  using namespace FoundationDeal;
  const int v = deal.param(Param::foundationDealCode(i));
  const int q = 13 * i;
  const int first = deal.order.empty() ? 0 : deal.order.front();
  switch (v) {
    case kNone:
    case kAcesFromTableau: return 0;
    case kFirstCard: return first;
    case kFirstOtherSuit: return firstOfOtherSuit(deal, i);
    case kFirstPlusSuitStep: {
      if (first == 0) return 0;
      const int n = deal.param(Param::CardCount);
      const int card = first + q + 13;
      return card > n ? card % n : card;
    }
    case kSameBaseAsFirst:
      deal.game.params[Param::foundationBase(i)] = deal.game.params[Param::foundationBase(0)];
      return 0;
    case kAceScanAll:
    case kAceScanOwnPile: return q + 1;
    case kKingsThenAces: return i < 4 ? q + 13 : q - 51;
    default: break;
  }
  if (v >= kFirstOfRankLow && v <= kFirstOfRankHigh) {
    const int card = firstOfRank(deal, v - 50);
    return card ? card : v;
  }
  return v >= kExplicitCard ? v - 100 : v + q;
}

}  // namespace kes
