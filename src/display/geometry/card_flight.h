#pragma once

#include <vector>

namespace kes {

// One place of a flying card picture: shown at (x, y), then held for
// `waits` times the move speed before the next place.
struct FlightFrame {
  int x = 0, y = 0;
  int waits = 0;
  bool operator==(const FlightFrame&) const = default;
};

struct FlightRequest {
  int fromX = 0, fromY = 0;
  int toX = 0, toY = 0;
  // The target is a pile place: the picture flies raised by the shadow and
  // settles onto the pile at the end.
  bool landing = false;
  // Short steps with no waiting between them (the deal).
  bool fine = false;
  int shadowSize = 0;
  int cardWidth = 0, cardHeight = 0;  // for targets off the table
};

// Length of one step along the major axis of a flight of `distance` pixels;
// never more than the distance.
int flightStep(int distance, bool fine);

// Every place the picture takes from the start to the end: the first frame
// is the start, the last the final position.
std::vector<FlightFrame> flightPath(const FlightRequest& request);

}  // namespace kes
