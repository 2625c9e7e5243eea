#include "tip_list.h"

#include <fstream>
#include <sstream>

namespace kes {

namespace {

std::string trimmed(std::string_view line) {
  const auto first = line.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = line.find_last_not_of(" \t\r");
  return std::string(line.substr(first, last - first + 1));
}

}  // namespace

std::vector<std::string> parseTips(std::string_view text) {
  std::vector<std::string> tips;
  std::string tip;
  const auto endTip = [&] {
    if (!tip.empty()) tips.push_back(tip);
    tip.clear();
  };
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = std::min(text.find('\n', start), text.size());
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line.starts_with('#')) continue;
    if (line.empty()) {
      endTip();
      continue;
    }
    tip += (tip.empty() ? "" : " ") + line;
  }
  endTip();
  return tips;
}

std::vector<std::string> readTips(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return parseTips(text.str());
}

}  // namespace kes
