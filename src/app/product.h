#pragma once

namespace kes {

inline constexpr const char* kProductTitle = "Kestrova 2000";

}  // namespace kes
