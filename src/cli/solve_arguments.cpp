#include "solve_arguments.h"

#include <ostream>

namespace kes::cli {

bool parseCount(const std::string& s, long long& value, long long max) {
  if (s.empty() || s.size() > 13 || s.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::stoll(s);
  return value >= 1 && value <= max;
}

bool parseRange(const std::string& s, long long& first, long long& last) {
  const auto dots = s.find("..");
  return dots != std::string::npos && parseCount(s.substr(0, dots), first, kMaxDeal) &&
         parseCount(s.substr(dots + 2), last, kMaxDeal) && first <= last;
}

bool takeSolverLimit(CliContext& ctx, const char* command, const char* name, std::int64_t& limit, bool& bad) {
  std::string value;
  if (!takeOption(ctx.args, name, value)) return false;
  long long n = 0;
  if (!parseCount(value, n, kMaxDeal)) {
    ctx.err << command << ": " << name << " needs a whole number of at least 1: '" << value << "'\n";
    bad = true;
    return false;
  }
  limit = n;
  return true;
}

}  // namespace kes::cli
