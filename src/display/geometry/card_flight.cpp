#include "display/geometry/card_flight.h"

#include <cstdlib>

namespace kes {

namespace {

constexpr int kOffTable = -9999;

struct Axis {
  int start, target;
  int value;
  bool done = false;
};

// Advances a coordinate towards its target; reaching or passing it ends the axis.
void clampAt(Axis& a, int sign) {
  if ((sign > 0 && a.value >= a.target) || (sign < 0 && a.value <= a.target) || sign == 0) {
    a.value = a.target;
    a.done = true;
  }
}

int sign(int v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

}  // namespace

int flightStep(int distance, bool fine) {
  if (distance <= 0) return 0;
  const double d = distance;
  int s = static_cast<int>(d / (d / 50.0 * 100.0 / 6.25 * 4.0 / 100.0 + 4.0) + 0.5);
  if (fine) s = static_cast<int>(s * 0.3);
  return s > distance ? distance : s;
}

std::vector<FlightFrame> flightPath(const FlightRequest& r) {
  int toX = r.toX, toY = r.toY;
  if (r.landing) {
    toX -= r.shadowSize;
    toY -= r.shadowSize;
  }
  if (toX < kOffTable) toX = -3 * r.cardWidth;
  if (toY < kOffTable) toY = -3 * r.cardHeight;
  const int dx = std::abs(toX - r.fromX), dy = std::abs(toY - r.fromY);
  const bool xMajor = dx >= dy;
  Axis major{xMajor ? r.fromX : r.fromY, xMajor ? toX : toY, xMajor ? r.fromX : r.fromY};
  Axis minor{xMajor ? r.fromY : r.fromX, xMajor ? toY : toX, xMajor ? r.fromY : r.fromX};
  const int majorSign = sign(major.target - major.start), minorSign = sign(minor.target - minor.start);
  const int step = flightStep(xMajor ? dx : dy, r.fine) * majorSign;
  const int wait = r.fine ? 0 : 1;

  std::vector<FlightFrame> frames{{r.fromX, r.fromY, 0}};
  while (step != 0) {
    major.value += step;
    clampAt(major, majorSign);
    const long span = std::abs(major.target - major.start);
    const long p = (std::abs(major.value - major.start) * 100L + span / 2) / span;
    minor.value = minor.start + static_cast<int>((minor.target - minor.start) * p / 100);
    clampAt(minor, minorSign);
    frames.back().waits += wait;
    if (major.done && minor.done) break;
    frames.push_back({xMajor ? major.value : minor.value, xMajor ? minor.value : major.value, 0});
  }
  if (r.landing) {
    frames.push_back({toX, toY, 2});
    toX += r.shadowSize;
    toY += r.shadowSize;
  }
  frames.push_back({toX, toY, 0});
  return frames;
}

}  // namespace kes
