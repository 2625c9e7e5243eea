#include "display/geometry/card_size.h"

#include <array>

namespace kes {

std::optional<CardSize> cardSizeFromCode(std::string_view code) {
  static constexpr std::array kSizes{kBigCards, kMediumCards, kLittleCards};
  if (code.size() != 1) return std::nullopt;
  for (const CardSize& s : kSizes)
    if (s.code == code[0]) return s;
  return std::nullopt;
}

}  // namespace kes
