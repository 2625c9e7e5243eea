#include "pile_id.h"

#include <charconv>

namespace kes {

namespace {

constexpr std::array<const char*, 3> kStockNames{"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};

struct NumberedFamily {
  std::string_view prefix;
  PileFamily family;
};
constexpr std::array<NumberedFamily, 3> kNumbered{{
    {"Dest", PileFamily::Foundation},
    {"Fila", PileFamily::Tableau},
    {"Appogg", PileFamily::Reserve},
}};

std::optional<int> plainNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 2 || digits.front() == '0') return std::nullopt;
  int value = 0;
  const auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (err != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string pileName(PileId id) {
  if (id.family == PileFamily::Stock) return kStockNames.at(static_cast<std::size_t>(id.index));
  for (const auto& n : kNumbered)
    if (n.family == id.family) return std::string(n.prefix) + std::to_string(id.index + 1);
  return {};
}

std::optional<PileId> pileFromName(std::string_view name) {
  for (std::size_t i = 0; i < kStockNames.size(); ++i)
    if (name == kStockNames[i]) return PileId{PileFamily::Stock, static_cast<int>(i)};
  for (const auto& n : kNumbered) {
    if (!name.starts_with(n.prefix)) continue;
    const auto number = plainNumber(name.substr(n.prefix.size()));
    if (!number || *number > familySize(n.family)) return std::nullopt;
    return PileId{n.family, *number - 1};
  }
  return std::nullopt;
}

}  // namespace kes
