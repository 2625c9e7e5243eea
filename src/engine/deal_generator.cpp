#include "deal_generator.h"

#include <array>
#include <cstdint>

namespace kes {

namespace {

// Suit digit for each of the 13 passes' rows and the 8 card columns; columns
// 5-8 belong to the second pack.
constexpr std::array<std::array<int, 8>, 13> kSuitTable{{
    {4, 2, 3, 1, 4, 2, 1, 3},
    {1, 3, 2, 4, 4, 3, 2, 1},
    {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2},
    {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4},
    {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3},
    {3, 1, 4, 2, 1, 2, 4, 3},
    {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
}};

// Slot-pointer steps, indexed by a digit of the game number and the column.
constexpr std::array<std::array<int, 8>, 10> kOffsetTable{{
    {25, 18, 13, 22, 21, 20, 15, 15},
    {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20},
    {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16},
    {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
}};

// Digits of the padded game number, 1-based as the algorithm counts them.
class Digits {
 public:
  explicit Digits(const std::string& t) : t_(t) {}
  int at(int pos) const { return t_[static_cast<std::size_t>(pos - 1)] - '0'; }
  int three(int p, int q, int r) const { return at(p) * 100 + at(q) * 10 + at(r); }

  // The 9 digits that choose the suit row of pass y.
  std::int64_t suitRowSource(int y) const {
    std::string s;
    if (y <= 10)
      s = t_.substr(0, static_cast<std::size_t>(y - 1)) + t_.substr(static_cast<std::size_t>(y + 3));
    else
      s = t_.substr(static_cast<std::size_t>(y - 9), 9);
    return std::stoll(s);
  }

 private:
  const std::string& t_;
};

// First free slot from w towards the high end (upward) or the low end, then
// anywhere from the start; -1 when the order is full.
int findFreeSlot(const std::vector<int>& order, int w, bool upward) {
  const int n = static_cast<int>(order.size());
  if (w >= 0 && w < n) {
    if (upward) {
      for (int i = w; i < n; ++i)
        if (order[static_cast<std::size_t>(i)] == 0) return i;
    } else {
      for (int i = w; i >= 0; --i)
        if (order[static_cast<std::size_t>(i)] == 0) return i;
    }
  }
  for (int i = 0; i < n; ++i)
    if (order[static_cast<std::size_t>(i)] == 0) return i;
  return -1;
}

void advance(int& position) {
  if (++position > 13) position -= 13;
}

}  // namespace

bool isDealableCardCount(int cardCount) { return (cardCount >= 1 && cardCount <= 52) || cardCount == 104; }

std::optional<std::string> normalizeDealNumber(std::string_view dealNumber) {
  while (!dealNumber.empty() && dealNumber.back() == ' ') dealNumber.remove_suffix(1);
  std::string t = std::string(kDealNumberDigits, '0') + std::string(dealNumber);
  t = t.substr(t.size() - kDealNumberDigits);
  for (char ch : t)
    if (ch < '0' || ch > '9') return std::nullopt;
  return t;
}

DealResult generateDeal(std::string_view dealNumber, int cardCount) {
  DealResult result;
  const auto padded = normalizeDealNumber(dealNumber);
  if (!isDealableCardCount(cardCount) || !padded) {
    result.error = kDealCardCountError;
    return result;
  }
  const int n = cardCount;
  const int columns = n <= 52 ? 4 : 8;
  auto& order = result.order;
  order.assign(static_cast<std::size_t>(n), 0);

  const Digits t(*padded);
  int w = t.three(2, 6, 12);
  int a = 1, b = 7, c = 13;
  std::vector<int> pool{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

  for (int y = 1; y <= 13; ++y) {
    const int d = t.at(y);
    const bool highEnd = d == 0;
    const auto row = static_cast<std::size_t>(t.suitRowSource(y) % 13);

    int k = t.three(a, b, c) % 13;
    const int last = static_cast<int>(pool.size()) - 1;
    if (k > last) k = highEnd ? last : 0;
    const int rank = pool[static_cast<std::size_t>(k)];
    pool.erase(pool.begin() + k);
    advance(a);
    advance(b);
    advance(c);

    w -= d;
    for (int i = 0; i < columns; ++i) {
      w += kOffsetTable[static_cast<std::size_t>(d)][static_cast<std::size_t>(i)];
      if (w >= n)
        w %= n;
      else if (w < 0)
        w = 0;
      const int code = (kSuitTable[row][static_cast<std::size_t>(i)] - 1) * 13 + rank + (i >= 4 ? 52 : 0);
      if (order[static_cast<std::size_t>(w)] != 0) w = findFreeSlot(order, w, highEnd);
      if (w >= 0) order[static_cast<std::size_t>(w)] = code;
    }
  }
  return result;
}

}  // namespace kes
