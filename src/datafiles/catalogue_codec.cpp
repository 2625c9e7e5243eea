#include "catalogue_codec.h"

#include <limits>

namespace kes {

namespace {

constexpr int kShift = 48;
constexpr int kStoredSplit = 80;
constexpr int kFirstStorable = 32;
constexpr int kLastStorable = 255 - kShift;

int code(char c) { return static_cast<unsigned char>(c); }
char fromCode(int c) { return static_cast<char>(static_cast<unsigned char>(c)); }

}  // namespace

char restoreCatalogueChar(char stored) {
  const int c = code(stored);
  return fromCode(c >= kStoredSplit ? c - kShift : c + kShift);
}

std::string restoreCatalogueText(std::string_view stored) {
  std::string plain(stored.size(), ' ');
  for (std::size_t i = 0; i < stored.size(); ++i) plain[i] = restoreCatalogueChar(stored[i]);
  return plain;
}

std::optional<char> storeCatalogueChar(char plain) {
  const int c = code(plain);
  if (c < kFirstStorable || c > kLastStorable) return std::nullopt;
  return fromCode(c + kShift);
}

std::optional<std::string> storeCatalogueText(std::string_view plain) {
  std::string stored(plain.size(), ' ');
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const auto c = storeCatalogueChar(plain[i]);
    if (!c) return std::nullopt;
    stored[i] = *c;
  }
  return stored;
}

std::optional<long> parseCatalogueNumber(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  field = trimTrailingSpaces(field);
  bool negative = false;
  if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
    negative = field.front() == '-';
    field.remove_prefix(1);
  }
  if (field.empty()) return std::nullopt;
  long value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    if (value > (std::numeric_limits<long>::max() - 9) / 10) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

std::string_view trimTrailingSpaces(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace kes
