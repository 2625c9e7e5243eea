#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

inline constexpr const char* kTipsFileName = "tips.txt";

// The tips of a tips file: paragraphs separated by blank lines, with the
// lines of a paragraph joined by spaces; lines starting with "#" are left
// out. A missing file gives no tips.
std::vector<std::string> parseTips(std::string_view text);
std::vector<std::string> readTips(const std::filesystem::path& file);

}  // namespace kes
