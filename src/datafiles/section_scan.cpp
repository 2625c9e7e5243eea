#include "section_scan.h"

#include <algorithm>

namespace kes {

namespace {

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// One block of the file and what lies just before it.
struct Block {
  std::uint64_t start = 0;
  std::string bytes;
  bool lineStartBefore = true;  // the block starts a line
  bool last = false;
};

bool readBlock(std::istream& in, Block& block, std::size_t size) {
  in.clear();
  in.seekg(static_cast<std::streamoff>(block.start));
  block.bytes.resize(size);
  in.read(block.bytes.data(), static_cast<std::streamsize>(size));
  block.bytes.resize(static_cast<std::size_t>(in.gcount()));
  block.last = block.bytes.size() < size;
  return !block.bytes.empty();
}

// A hit that reaches the end of a full block is judged in the next block,
// which repeats it whole and shows the byte after it.
enum class Hit { Header, NotHeader, Later };

Hit judge(const Block& block, std::size_t at, std::size_t length) {
  const bool lineStart = at == 0 ? block.lineStartBefore : block.bytes[at - 1] == '\n';
  if (!lineStart) return Hit::NotHeader;
  const std::size_t after = at + length;
  if (after < block.bytes.size()) return isLineBreak(block.bytes[after]) ? Hit::Header : Hit::NotHeader;
  return block.last ? Hit::Header : Hit::Later;
}

}  // namespace

std::string sectionHeader(std::string_view section) { return "[" + std::string(section) + "]"; }

std::optional<std::uint64_t> findSectionHeader(std::istream& in, std::string_view section) {
  const std::string needle = sectionHeader(section);
  // Consecutive blocks overlap by the needle's length, so a header split
  // across two blocks lies whole in the second.
  const std::size_t size = std::max(kSectionSearchBlock, 2 * needle.size());
  Block block;
  while (readBlock(in, block, size)) {
    for (auto at = block.bytes.find(needle); at != std::string::npos; at = block.bytes.find(needle, at + 1)) {
      if (judge(block, at, needle.size()) == Hit::Header) return block.start + at;
    }
    if (block.last) break;
    const std::size_t step = block.bytes.size() - needle.size();
    block.lineStartBefore = block.bytes[step - 1] == '\n';
    block.start += step;
  }
  return std::nullopt;
}

std::optional<SectionBody> readSectionBody(std::istream& in, std::string_view section) {
  const auto header = findSectionHeader(in, section);
  if (!header) return std::nullopt;
  SectionBody body;
  body.header = *header;
  in.clear();
  in.seekg(static_cast<std::streamoff>(*header));
  std::string line;
  std::getline(in, line);
  body.headerTerminated = !in.eof();
  std::uint64_t offset = *header + line.size() + (body.headerTerminated ? 1 : 0);
  body.start = offset;
  while (body.headerTerminated && std::getline(in, line)) {
    if (!line.empty() && line.front() == '[') break;
    BodyLine entry;
    entry.offset = offset;
    entry.terminated = !in.eof();
    entry.breakLength = entry.terminated ? 1 : 0;
    offset += line.size() + entry.breakLength;
    if (entry.terminated && !line.empty() && line.back() == '\r') {
      line.pop_back();
      ++entry.breakLength;
    }
    entry.text = line;
    body.lines.push_back(std::move(entry));
  }
  body.end = offset;
  return body;
}

}  // namespace kes
