#include "display/geometry/winning_shower.h"

#include <array>

namespace kes {

namespace {

struct ShowerPace {
  int cards;
  int pause;
};

// Per card size "B", "M", "L": how many cards and how long the pauses.
constexpr std::array<ShowerPace, 3> kScatterPace{{{2000, 5}, {3000, 7}, {4000, 9}}};
constexpr std::array<ShowerPace, 3> kRowPace{{{1500, 18}, {2500, 22}, {3500, 25}}};
constexpr int kScatterPauseEvery = 15;
constexpr int kRowPauseEvery = 20;
constexpr int kRowPause = 700;
constexpr int kRowGap = 35;

std::size_t sizeIndex(CardSize size) { return size.code == 'M' ? 1 : size.code == 'L' ? 2 : 0; }

}  // namespace

WinningShower::WinningShower(int style, CardSize size, ShowerWindow window, std::function<int(int)> random)
    : style_(style == 2 ? 2 : 1), size_(size), window_(window), random_(std::move(random)) {
  const ShowerPace pace = (style_ == 1 ? kScatterPace : kRowPace)[sizeIndex(size)];
  // The scattered style throws one card more than its count.
  total_ = style_ == 1 ? pace.cards + 1 : pace.cards;
  pause_ = pace.pause;
  y_ = window_.toolbarBottom;
}

ShowerCard WinningShower::next() {
  ShowerCard c = style_ == 1 ? scattered() : inRow();
  ++thrown_;
  return c;
}

ShowerCard WinningShower::scattered() {
  const int w2 = size_.width / 2, h2 = size_.height / 2;
  ShowerCard c;
  c.x = random_(window_.width + w2) - w2;
  c.y = random_(window_.height + h2) - h2;
  c.card = 1 + random_(51);
  if (thrown_ % kScatterPauseEvery == 0) c.pauseAfter = pause_;
  return c;
}

// Rows start further left after an odd row count than after an even one.
int WinningShower::rowStart() const { return rows_ % 2 ? -size_.width / 3 : -size_.width / 4; }

ShowerCard WinningShower::inRow() {
  ShowerCard c{x_, y_, 1 + random_(51), 0};
  if ((thrown_ + 1) % kRowPauseEvery == 0) c.pauseAfter = pause_;
  x_ += static_cast<int>(size_.width / 5.8);
  if (x_ >= window_.width) {
    ++rows_;
    x_ = rowStart();
    c.pauseAfter += kRowPause;
    y_ += kRowGap;
  }
  if (y_ + size_.height >= window_.height) {
    x_ = rowStart();
    y_ = line_ + kRowGap;
    line_ = y_;
    if (line_ >= window_.height) line_ = window_.toolbarBottom + kRowGap;
  }
  return c;
}

}  // namespace kes
