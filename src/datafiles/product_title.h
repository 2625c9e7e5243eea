#pragma once

#include <string>
#include <string_view>

namespace kes {

inline constexpr const char* kProductTitle = "Kestrova 2000";

// Puts the product title into a caption: the first "[Program]", then the
// first "[Program_sw]"; other text is returned unchanged.
std::string expandProductTitle(std::string_view text);

}  // namespace kes
