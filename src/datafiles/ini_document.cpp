#include "ini_document.h"

#include <algorithm>
#include <charconv>
#include <cctype>

namespace kes {

namespace {

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> headerName(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const auto key = trim(line.substr(0, eq));
  if (key.empty() || key.front() == ';') return std::nullopt;
  return KeyLine{key, trim(line.substr(eq + 1))};
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool validSection(std::string_view section) {
  return !trim(section).empty() && !hasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool validKey(std::string_view key) {
  const auto name = trim(key);
  return !name.empty() && name.front() != '[' && name.front() != ';' && !hasLineBreak(key) &&
         key.find('=') == std::string_view::npos;
}

}  // namespace

IniDocument IniDocument::parse(std::string_view text) {
  IniDocument doc;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    doc.lines_.emplace_back(line);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return doc;
}

std::optional<IniDocument::Range> IniDocument::findSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = headerName(lines_[i]);
    if (!name || !sameName(*name, trim(section))) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !headerName(lines_[end])) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const Range& range, std::string_view key) const {
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    const auto line = keyLine(lines_[i]);
    if (line && sameName(line->key, trim(key))) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  const auto range = findSection(section);
  if (!range) return std::nullopt;
  const auto at = findKey(*range, key);
  if (!at) return std::nullopt;
  return std::string(keyLine(lines_[*at])->value);
}

std::string IniDocument::stringValue(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  return value(section, key).value_or(std::string(fallback));
}

int IniDocument::intValue(std::string_view section, std::string_view key, int fallback) const {
  const auto text = value(section, key);
  if (!text || text->empty()) return fallback;
  const char* first = text->data();
  const char* last = first + text->size();
  if (*first == '+') ++first;
  int number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  return error == std::errc{} && end == last ? number : fallback;
}

std::vector<SettingsEntry> IniDocument::entries(std::string_view section) const {
  std::vector<SettingsEntry> result;
  const auto range = findSection(section);
  if (!range) return result;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    if (const auto line = keyLine(lines_[i])) result.push_back({std::string(line->key), std::string(line->value)});
  }
  return result;
}

std::vector<std::string> IniDocument::sectionNames() const {
  std::vector<std::string> names;
  for (const auto& line : lines_) {
    if (const auto name = headerName(line)) names.emplace_back(*name);
  }
  return names;
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  if (!validSection(section) || !validKey(key) || hasLineBreak(value)) return false;
  std::string line = std::string(trim(key)) + "=" + std::string(value);
  const auto range = findSection(section);
  if (!range) {
    if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(trim(section)) + "]");
    lines_.push_back(std::move(line));
    return true;
  }
  if (const auto at = findKey(*range, key)) {
    lines_[*at] = std::move(line);
    return true;
  }
  // After the section's last non-blank line, so the blank line that parts it
  // from the next section stays where it is.
  std::size_t insertAt = range->end;
  while (insertAt > range->header + 1 && trim(lines_[insertAt - 1]).empty()) --insertAt;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
  return true;
}

bool IniDocument::eraseKey(std::string_view section, std::string_view key) {
  const auto range = findSection(section);
  if (!range) return false;
  const auto at = findKey(*range, key);
  if (!at) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
  return true;
}

bool IniDocument::eraseSection(std::string_view section) {
  const auto range = findSection(section);
  if (!range) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
               lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
  return true;
}

std::string IniDocument::text() const {
  std::string result;
  for (const auto& line : lines_) result += line + "\r\n";
  return result;
}

}  // namespace kes
