#pragma once

#include <span>
#include <string_view>

namespace kes {

// The codes the entries of the background tree carry.
namespace BackgroundCode {
inline constexpr int kCustomizedGroup = -100;
inline constexpr int kPlaceholder = -101;
inline constexpr int kCustomizedImage = -102;
inline constexpr int kGroup = 0;  // nothing chosen: the default background
inline constexpr int kCustomColour = 1;
inline constexpr int kFirstPicture = 2;
inline constexpr int kLastPicture = 1000;
inline constexpr int kFirstFullScreenPicture = 500;
}  // namespace BackgroundCode

inline constexpr std::string_view kCustomizedGroupText = "Customized";
inline constexpr std::string_view kPlaceholderText = "(Double click to customize)";
inline constexpr std::string_view kCustomColourText = "(Custom color)";

// One row of a picture tree: depth 0 is a top group, 1 its entries or
// sub-groups, 2 the entries of a sub-group. Groups carry code 0.
struct TreeRow {
  int depth;
  std::string_view text;
  long long code;
};

// The fixed part of the background tree, after the "Customized" group:
// "Colors", "Over 256 colors" and "Under 256 colors".
std::span<const TreeRow> backgroundTreeRows();

// The card back tree; an entry's code is its design number.
std::span<const TreeRow> backDesignTreeRows();

// The six colours a random background draws from, in their order.
std::span<const long long> fixedBackgroundColours();

}  // namespace kes
