#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

class ConfigRecord;

// The bitmaps of a folder whose names start with prefix and end in ".bmp",
// both without regard to case, in name order (lower-cased). Sub-folders,
// such as the double-size backs' "2x", are not searched.
std::vector<std::string> listPictures(const std::filesystem::path& folder, std::string_view prefix);

// What a random appearance draws from.
struct RandomAppearanceSources {
  std::vector<std::string> backgrounds;  // "b*.bmp" of Images, in name order
  int backCount = 0;                     // how many "db*.bmp" there are
  bool manyColours = true;               // the display shows more than 256 colours
  // A whole number from low to high, both included.
  std::function<int(int low, int high)> random;
};

struct RandomAppearanceOutcome {
  bool background = false;  // a background was drawn: paint it anew
  bool faceSet = false;     // the face set changed: reload the cards
  bool backDesign = false;  // the back changed: reload it
};

// Draws the parts of the appearance whose random switch is "Y": the
// background among the pictures and the six fixed colours, and at the big
// card size the face set 1 .. 5 and the back 1 .. backCount.
RandomAppearanceOutcome chooseRandomAppearance(ConfigRecord& config, const RandomAppearanceSources& sources);

// The background candidates: every picture on a display of many colours,
// else those before the first whose name sorts after "b256.bmp".
std::vector<std::string> randomBackgroundCandidates(const std::vector<std::string>& pictures, bool manyColours);

}  // namespace kes
