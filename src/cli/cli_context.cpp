#include "cli_context.h"

#include <algorithm>

namespace kes::cli {

bool takeOption(std::vector<std::string>& args, const std::string& name, std::string& value) {
  const auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end() || it + 1 == args.end()) return false;
  value = *(it + 1);
  args.erase(it, it + 2);
  return true;
}

bool takeFlag(std::vector<std::string>& args, const std::string& name) {
  const auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

}  // namespace kes::cli
