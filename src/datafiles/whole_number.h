#pragma once

#include <optional>
#include <string_view>

namespace kes {

// The whole number a settings value or record field holds: decimal digits
// with an optional sign and nothing else; nothing for any other text.
std::optional<long long> wholeNumber(std::string_view text);

}  // namespace kes
