#pragma once

#include <cstdint>
#include <string>

#include "cli_context.h"

namespace kes::cli {

inline constexpr long long kMaxDeal = 9999999999999LL;

// A whole number of 1 to 13 digits, from 1 to max.
bool parseCount(const std::string& s, long long& value, long long max);
// "FIRST..LAST", two deal numbers with FIRST <= LAST.
bool parseRange(const std::string& s, long long& first, long long& last);
// Takes "--name N" from the arguments: false when it is not there; a value
// that is not a whole number of at least 1 is reported (under the
// command's name) and sets bad.
bool takeSolverLimit(CliContext& ctx, const char* command, const char* name, std::int64_t& limit, bool& bad);

}  // namespace kes::cli
