#include "section_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

#include "datafiles/file_text.h"
#include "datafiles/file_append.h"
#include "datafiles/safe_replace.h"
#include "datafiles/section_scan.h"

namespace kes {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string pairLine(const KeyValue& pair) { return pair.key + "=" + pair.value; }

std::vector<std::string> pairLines(std::span<const KeyValue> pairs) {
  std::vector<std::string> lines;
  lines.reserve(pairs.size());
  for (const auto& pair : pairs) lines.push_back(pairLine(pair));
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + std::string(kLineBreak);
  return text;
}

// The line holds key "=" value for exactly this key (a key that merely
// begins with it, as "Player 10" with "Player 1", is another key).
bool isKeyLine(std::string_view line, std::string_view key) {
  return line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == '=';
}

std::string withoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Text that would split a line or shift a key's "=" would corrupt the file.
bool writable(std::string_view section, std::span<const KeyValue> pairs) {
  if (section.empty() || hasLineBreak(section) || section.find(']') != std::string_view::npos) return false;
  return std::all_of(pairs.begin(), pairs.end(), [](const KeyValue& pair) {
    return !pair.key.empty() && pair.key.front() != '[' && pair.key.find('=') == std::string::npos &&
           !hasLineBreak(pair.key) && !hasLineBreak(pair.value);
  });
}

std::vector<std::string> nonEmpty(const SectionBody& body) {
  std::vector<std::string> lines;
  for (const auto& line : body.lines) {
    if (!line.text.empty()) lines.push_back(line.text);
  }
  return lines;
}

}  // namespace

SectionFile::SectionFile(std::filesystem::path path, MessageSink& messages, FileSystemOps& fs)
    : path_(std::move(path)), messages_(messages), fs_(fs) {}

bool SectionFile::exists() const {
  std::error_code ec;
  return std::filesystem::exists(path_, ec);
}

void SectionFile::cannotOpen() const { messages_.information(cannotOpenFileMessage(path_)); }

std::optional<std::ifstream> SectionFile::openToRead() const {
  if (!exists()) return std::nullopt;
  std::error_code ec;
  std::ifstream in(path_, std::ios::binary);
  if (!in || !std::filesystem::is_regular_file(path_, ec)) {
    cannotOpen();
    return std::nullopt;
  }
  return in;
}

std::optional<SectionBody> SectionFile::body(std::string_view section) const {
  auto in = openToRead();
  return in ? readSectionBody(*in, section) : std::nullopt;
}

std::optional<std::uint64_t> SectionFile::findSection(std::string_view section) const {
  auto in = openToRead();
  return in ? findSectionHeader(*in, section) : std::nullopt;
}

std::optional<std::string> SectionFile::readValue(std::string_view section, std::string_view key) const {
  const auto found = body(section);
  if (!found) return std::nullopt;
  for (const auto& line : found->lines) {
    if (isKeyLine(line.text, key)) return withoutTrailingBlanks(line.text.substr(key.size() + 1));
  }
  return std::nullopt;
}

bool SectionFile::readKeys(std::string_view section, std::span<const std::string> keys,
                           std::vector<std::string>& values) const {
  values.resize(keys.size());
  const auto found = body(section);
  if (!found) return keys.empty();
  std::vector<bool> seen(keys.size(), false);
  std::size_t missing = keys.size();
  for (const auto& line : found->lines) {
    if (missing == 0) break;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (seen[k] || !isKeyLine(line.text, keys[k])) continue;
      values[k] = line.text.substr(keys[k].size() + 1);
      seen[k] = true;
      --missing;
      break;
    }
  }
  return missing == 0;
}

std::vector<std::string> SectionFile::listSections() const {
  std::vector<std::string> names;
  auto in = openToRead();
  if (!in) return names;
  std::string line;
  while (std::getline(*in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() != '[') continue;
    line.erase(0, 1);
    if (!line.empty() && line.back() == ']') line.pop_back();
    names.push_back(line);
  }
  return names;
}

std::vector<std::string> SectionFile::readSectionLines(std::string_view section) const {
  const auto found = body(section);
  return found ? nonEmpty(*found) : std::vector<std::string>{};
}

bool SectionFile::appendSection(std::string_view section, std::span<const KeyValue> pairs) {
  if (!writable(section, pairs)) return false;
  // A section written half way (a full disk) would be read as a whole one:
  // the append is taken back when it fails.
  const std::string text =
      std::string(kLineBreak) + sectionHeader(section) + std::string(kLineBreak) + joinLines(pairLines(pairs));
  return appendToFile(path_, text, messages_, fs_);
}

bool SectionFile::overwriteAt(std::uint64_t offset, std::string_view bytes) {
  std::fstream file(path_, std::ios::binary | std::ios::in | std::ios::out);
  if (!file) {
    cannotOpen();
    return false;
  }
  file.seekp(static_cast<std::streamoff>(offset));
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) {
    messages_.information(std::string(kWriteErrorOnFile) + " " + path_.string());
    return false;
  }
  return true;
}

bool SectionFile::writeSectionInPlace(std::string_view section, std::span<const KeyValue> pairs) {
  if (!writable(section, pairs)) return false;
  const auto found = body(section);
  if (!found) return appendSection(section, pairs);
  const std::string text = joinLines(pairLines(pairs));
  std::uint64_t oldLength = 0;
  bool sameShape = found->lines.size() >= pairs.size();
  for (std::size_t i = 0; sameShape && i < pairs.size(); ++i) {
    sameShape = found->lines[i].breakLength == kLineBreak.size();
    oldLength += found->lines[i].text.size() + found->lines[i].breakLength;
  }
  if (sameShape && oldLength == text.size()) return overwriteAt(found->start, text);
  std::vector<std::string> lines = pairLines(pairs);
  for (std::size_t i = pairs.size(); i < found->lines.size(); ++i) {
    if (!found->lines[i].text.empty()) lines.push_back(found->lines[i].text);
  }
  return replaceBodyLines(section, std::move(lines));
}

bool SectionFile::updateValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto found = body(section);
  const KeyValue pair{std::string(key), std::string(value)};
  if (!writable(section, std::span(&pair, 1))) return false;
  if (!found) return appendSection(section, std::span(&pair, 1));
  std::vector<std::string> lines = nonEmpty(*found);
  for (const auto& line : found->lines) {
    if (!isKeyLine(line.text, key)) continue;
    if (line.text.size() - key.size() - 1 == value.size()) return overwriteAt(line.offset + key.size() + 1, value);
    // Another width would run into the next line: rewrite the section.
    for (auto& kept : lines) {
      if (isKeyLine(kept, key)) kept = pairLine(pair);
    }
    return replaceBodyLines(section, std::move(lines));
  }
  lines.push_back(pairLine(pair));
  return replaceBodyLines(section, std::move(lines));
}

bool SectionFile::replaceSection(std::string_view section, std::span<const KeyValue> pairs) {
  if (!writable(section, pairs)) return false;
  return replaceBodyLines(section, pairLines(pairs));
}

bool SectionFile::replaceBodyLines(std::string_view section, std::vector<std::string> lines) {
  const bool present = exists();
  const auto bytes = present ? readFileBytes(path_) : std::optional<std::string>(std::string{});
  if (!bytes) {
    cannotOpen();
    return false;
  }
  std::istringstream in(*bytes);
  const auto found = readSectionBody(in, section);
  const std::string newBody = joinLines(lines) + std::string(kLineBreak);
  std::string contents;
  if (!found) {
    contents = *bytes + std::string(kLineBreak) + sectionHeader(section) + std::string(kLineBreak) + newBody;
  } else {
    contents = bytes->substr(0, found->start);
    if (!found->headerTerminated) contents += kLineBreak;
    contents += newBody;
    contents += bytes->substr(found->end);
  }
  return replaceFileContents(path_, contents, messages_, fs_);
}

bool SectionFile::replaceInLines(std::size_t from, std::string_view oldText, std::string_view newText) {
  if (from < 1 || oldText.empty() || hasLineBreak(oldText) || hasLineBreak(newText)) return false;
  if (!exists()) return true;
  const auto bytes = readFileBytes(path_);
  if (!bytes) {
    cannotOpen();
    return false;
  }
  const std::size_t at = from - 1;
  std::string contents;
  contents.reserve(bytes->size());
  bool changed = false;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const auto newline = rest.find('\n');
    const std::size_t lineEnd = newline == std::string_view::npos ? rest.size() : newline + 1;
    std::string line(rest.substr(0, lineEnd));
    rest.remove_prefix(lineEnd);
    std::size_t textLength = line.size();
    if (textLength > 0 && line[textLength - 1] == '\n') --textLength;
    if (textLength > 0 && line[textLength - 1] == '\r') --textLength;
    if (at + oldText.size() <= textLength && line.compare(at, oldText.size(), oldText) == 0) {
      line.replace(at, oldText.size(), newText);
      changed = true;
    }
    contents += line;
  }
  return !changed || replaceFileContents(path_, contents, messages_, fs_);
}

bool SectionFile::createIfMissing() {
  if (exists()) return false;
  std::ofstream out(path_, std::ios::binary);
  if (!out) {
    cannotOpen();
    return false;
  }
  return true;
}

}  // namespace kes
