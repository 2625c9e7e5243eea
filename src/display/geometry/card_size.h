#pragma once

#include <optional>
#include <string_view>

namespace kes {

// The three card sizes of the face sets: "B" 71 x 96, "M" 59 x 80, "L" 25 x 32.
struct CardSize {
  char code = 'B';
  int width = 71;
  int height = 96;

  bool operator==(const CardSize&) const = default;
};

inline constexpr CardSize kBigCards{'B', 71, 96};
inline constexpr CardSize kMediumCards{'M', 59, 80};
inline constexpr CardSize kLittleCards{'L', 25, 32};

// The size a `CardSize` letter names; nothing for any other text.
std::optional<CardSize> cardSizeFromCode(std::string_view code);

}  // namespace kes
