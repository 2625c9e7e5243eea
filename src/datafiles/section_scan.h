#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

// Sections are looked for in blocks of this many bytes, so large statistics
// files are never read whole just to find one section.
inline constexpr std::size_t kSectionSearchBlock = 8192;

// Byte offset of the "[" of the first line that is exactly "[" + section +
// "]". The text found inside a value or in the middle of a line is no header.
std::optional<std::uint64_t> findSectionHeader(std::istream& in, std::string_view section);

struct BodyLine {
  std::uint64_t offset = 0;  // of the line's first byte
  std::string text;          // without its line break
  bool terminated = false;   // ends in LF or CR LF
  std::size_t breakLength = 0;
};

// A section's body: the lines after its header up to the next line that
// starts with "[" (or the end of the file).
struct SectionBody {
  std::uint64_t header = 0;
  std::uint64_t start = 0;  // first byte after the header line
  std::uint64_t end = 0;    // first byte of the next section, or the file size
  bool headerTerminated = false;
  std::vector<BodyLine> lines;
};

std::optional<SectionBody> readSectionBody(std::istream& in, std::string_view section);

// "[" + section + "]"
std::string sectionHeader(std::string_view section);

}  // namespace kes
