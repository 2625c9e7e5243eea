#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kes::catalogue {

struct Symbol {
  const char* name;
  int value;
};

// Symbols written as a prefix and three digits: "card-040", "special-061".
enum class NumberedSymbol {
  None,
  FoundationCard,  // card-NNN is 100 + NNN
  StartCard,       // card-NNN is NNN up to 100, NNN + 100 above
  Arrangement,     // special-NNN is NNN, for the free special arrangement codes
};

// What a parameter's values mean: its symbols. Plain numbers are accepted for
// every kind.
struct ValueKind {
  const char* name;
  std::span<const Symbol> symbols;
  NumberedSymbol numbered = NumberedSymbol::None;
};

namespace kinds {
extern const ValueKind kNumber, kFlag, kRunCheck, kFanning, kRunLimit, kReserveLift, kPasses, kRedeal,
    kFoundationLift, kFillSource, kSpecialDeal, kFamily, kBase, kDirection, kBuildRule, kFoundationDeal,
    kTableauDeal, kFace, kStockDeal, kReserveKind, kReserveStockDeal, kStartCard, kWasteBuild, kWasteDrop,
    kStockPlacement, kFoundationPlacement, kTableauPlacement, kReservePlacement, kSecondWastePlacement,
    kCustomize, kPlayingTime, kDifficulty, kSkill, kChance;
}

// Every kind, for listing and checking the documentation.
std::span<const ValueKind* const> allValueKinds();

// The value of a symbol or a number; nullopt when the text is neither. A
// number outside the range of long is also nullopt.
std::optional<long> parseValue(const ValueKind& kind, std::string_view text);

// The symbol for a value when the kind has one, else the number.
std::string formatValue(const ValueKind& kind, int value);

}  // namespace kes::catalogue
