#pragma once

#include <string>

namespace kes {

// Every fixed-width number of the data files: n right-aligned in width
// characters, filled with "0"; a negative number keeps its "-" in the first
// place (-1 in width 4 is "-001"); a number that does not fit is width "*".
std::string pad(long long n, int width);

}  // namespace kes
