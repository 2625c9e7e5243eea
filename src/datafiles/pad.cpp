#include "pad.h"

#include <string>

namespace kes {

std::string pad(long long n, int width) {
  if (width <= 0) return {};
  const bool negative = n < 0;
  // The magnitude as unsigned, so that the most negative number has one too.
  const unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  const std::string digits = std::to_string(magnitude);
  const auto room = static_cast<std::size_t>(width) - (negative ? 1U : 0U);
  if (digits.size() > room) return std::string(static_cast<std::size_t>(width), '*');
  return (negative ? "-" : "") + std::string(room - digits.size(), '0') + digits;
}

}  // namespace kes
