#pragma once

#include <functional>

#include "display/geometry/card_size.h"

namespace kes {

// One card thrown by the winning animation: its face at (x, y), then a
// pause of pauseAfter milliseconds that lets the player stop the show.
struct ShowerCard {
  int x = 0, y = 0;
  int card = 0;
  int pauseAfter = 0;
};

struct ShowerWindow {
  int width = 0, height = 0;
  int toolbarBottom = 5;  // 5 without a visible toolbar
};

// The cards of the winning animation one after another: style 1 scatters
// them over the window, style 2 lays them in overlapping rows. `random(n)`
// gives a uniform number 0..n-1.
class WinningShower {
 public:
  WinningShower(int style, CardSize size, ShowerWindow window, std::function<int(int)> random);

  bool done() const { return thrown_ >= total_; }
  int total() const { return total_; }
  ShowerCard next();

 private:
  ShowerCard scattered();
  ShowerCard inRow();
  int rowStart() const;

  int style_;
  CardSize size_;
  ShowerWindow window_;
  std::function<int(int)> random_;
  int total_ = 0, pause_ = 0, thrown_ = 0;
  int x_ = -20, y_ = 0, rows_ = 0, line_ = 0;
};

}  // namespace kes
