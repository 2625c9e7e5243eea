#include "poker_hand.h"

#include <algorithm>
#include <map>
#include <vector>

#include "card.h"

namespace kes {

namespace {

bool isStraight(std::array<int, 5> ranks) {
  std::sort(ranks.begin(), ranks.end());
  if (ranks == std::array<int, 5>{1, 10, 11, 12, 13}) return true;
  for (std::size_t i = 1; i < ranks.size(); ++i)
    if (ranks[i] != ranks[i - 1] + 1) return false;
  return true;
}

// Sizes of the rank groups, largest first.
std::vector<int> groupSizes(const std::array<int, 5>& ranks) {
  std::map<int, int> count;
  for (int r : ranks) ++count[r];
  std::vector<int> sizes;
  for (auto [rank, n] : count) sizes.push_back(n);
  std::sort(sizes.rbegin(), sizes.rend());
  return sizes;
}

struct GroupHand {
  std::vector<int> sizes;
  PokerHand hand;
};

const std::array<GroupHand, 5>& groupHands() {
  static const std::array<GroupHand, 5> kHands{{
      {{4, 1}, {50, "Four of a Kind"}},
      {{3, 2}, {25, "Full House"}},
      {{3, 1, 1}, {10, "Three of a Kind"}},
      {{2, 2, 1}, {5, "Two Pair"}},
      {{2, 1, 1, 1}, {2, "One Pair"}},
  }};
  return kHands;
}

}  // namespace

PokerHand pokerHandValue(const std::array<int, 5>& cards) {
  std::array<int, 5> ranks{};
  bool flush = true;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    ranks[i] = cardRank(cards[i]);
    flush = flush && suitIndex(cards[i]) == suitIndex(cards[0]);
  }
  const bool straight = isStraight(ranks);
  if (flush && straight) {
    std::array<int, 5> sorted = ranks;
    std::sort(sorted.begin(), sorted.end());
    if (sorted == std::array<int, 5>{1, 10, 11, 12, 13}) return {100, "Royal Flush"};
    return {75, "Straight Flush"};
  }
  if (flush) return {20, "Flush"};
  if (straight) return {15, "Straight"};
  const std::vector<int> sizes = groupSizes(ranks);
  for (const GroupHand& g : groupHands())
    if (g.sizes == sizes) return g.hand;
  return {};
}

}  // namespace kes
