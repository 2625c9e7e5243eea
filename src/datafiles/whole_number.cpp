#include "datafiles/whole_number.h"

#include <charconv>

namespace kes {

std::optional<long long> wholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return n;
}

}  // namespace kes
