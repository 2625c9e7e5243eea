#include "value_kinds.h"

#include <array>
#include <charconv>

namespace kes::catalogue {

namespace {

// Kinds share their symbol tables where the values mean the same.
constexpr std::array kFlagSymbols{Symbol{"no", 0}, Symbol{"yes", 1}};
constexpr std::array kRunCheckSymbols{Symbol{"none", 0}, Symbol{"pile-rule", 1}, Symbol{"same-suit", 10}};
constexpr std::array kFanningSymbols{Symbol{"down", 1},         Symbol{"right", 2},        Symbol{"squared", 3},
                                     Symbol{"side-by-side", 4}, Symbol{"down-even", 5},    Symbol{"right-narrow", 6},
                                     Symbol{"squared-lowered", 7}, Symbol{"grid", 8}};
constexpr std::array kRunLimitSymbols{Symbol{"unlimited", -1},       Symbol{"single-or-king-run", -12},
                                      Symbol{"cells-and-spaces", -5}, Symbol{"cells-or-spaces", -6},
                                      Symbol{"cells-doubled-by-spaces", -7},
                                      Symbol{"spaces", -2},           Symbol{"none", 0},
                                      Symbol{"single", 1}};
constexpr std::array kReserveLiftSymbols{Symbol{"top", 0}, Symbol{"any", -11}};
constexpr std::array kPassesSymbols{Symbol{"unlimited", -1}};
constexpr std::array kRedealSymbols{Symbol{"none", 0}, Symbol{"regroup", 1}, Symbol{"one-per-pile", 2},
                                    Symbol{"to-stock", 4}};
constexpr std::array kFoundationLiftSymbols{Symbol{"never", 0}, Symbol{"top", 1}, Symbol{"top-if-several", 2}};
constexpr std::array kFillSourceSymbols{Symbol{"none", 0}, Symbol{"reserve-1", 1}, Symbol{"waste-then-stock", 2},
                                        Symbol{"stock-then-waste", 3},
                                        Symbol{"waste-then-stock-until-row-move", 4}};
constexpr std::array kSpecialDealSymbols{Symbol{"none", 0}, Symbol{"kings-to-stock", 1},
                                         Symbol{"king-headed-piles", 2}, Symbol{"sorted-fill", 3},
                                         Symbol{"queen-headed-piles", 4}};
constexpr std::array kFamilySymbols{
    Symbol{"standard", 0},
    Symbol{"sum-fours", 1},
    Symbol{"discard-adjacent", 2},
    Symbol{"pairs-fourteen", 3},
    Symbol{"pyramid", 4},
    Symbol{"pairs-sum", 7},
    Symbol{"neighbour-pairs", 8},
    Symbol{"poker-grid", 9},
    Symbol{"counting", 10},
    Symbol{"aces-from-reserve", 11},
    Symbol{"discard-adjacent-wrap", 12},
    Symbol{"pairs-equal", 14},
    Symbol{"discard-adjacent-wrap-exposed", 15},
    Symbol{"elevens-courts", 17},
    Symbol{"eighteen", 18},
    Symbol{"row-grid", 19},
    Symbol{"row-tens", 20},
    Symbol{"row-jumps", 21},
    Symbol{"row-jumps-royal", 22},
    Symbol{"sevens-row", 23},
    Symbol{"nines-and-courts", 24},
    Symbol{"pairs-equal-face-up", 25},
    Symbol{"elevens-courts-face-up", 26},
    Symbol{"one-card-per-pile", 27},
    Symbol{"counted-deals", 28},
    Symbol{"four-of-a-kind", 29},
};
constexpr std::array kBaseSymbols{
    Symbol{"none", 0},
    Symbol{"any", -1},
    Symbol{"ace", 1},
    Symbol{"two", 2},
    Symbol{"three", 3},
    Symbol{"four", 4},
    Symbol{"five", 5},
    Symbol{"six", 6},
    Symbol{"seven", 7},
    Symbol{"eight", 8},
    Symbol{"nine", 9},
    Symbol{"ten", 10},
    Symbol{"jack", 11},
    Symbol{"queen", 12},
    Symbol{"king", 13},
    Symbol{"ace-balanced", 81},
    Symbol{"run-removal", 82},
    Symbol{"run-removal-in-suit", 83},
    Symbol{"king-balanced", 84},
    Symbol{"ace-balanced-suits", 85},
    Symbol{"any-single", 86},
    Symbol{"any-from-stock", 87},
    Symbol{"below-foundation", 91},
    Symbol{"rank-of-first-foundation", 92},
};
constexpr std::array kDirectionSymbols{Symbol{"down", 0}, Symbol{"up", 1}, Symbol{"either", 2}};
constexpr std::array kBuildRuleSymbols{
    Symbol{"in-suit", 0},
    Symbol{"same-colour", 1},
    Symbol{"any-suit", 2},
    Symbol{"alternate-colours", 3},
    Symbol{"never", 4},
    Symbol{"foundation-row", 5},
    Symbol{"empty-only", 6},
    Symbol{"empty-when-stock-empty", 7},
    Symbol{"queens-on-empty", 10},
    Symbol{"in-suit-no-queen-on-king-or-jack", 11},
    Symbol{"always", 12},
    Symbol{"any-suit-general", 13},
    Symbol{"up-by-two", 14},
    Symbol{"up-by-three", 15},
    Symbol{"up-by-four", 16},
    Symbol{"not-from-tableau", 17},
    Symbol{"tableau-card-to-empty", 18},
    Symbol{"not-from-tableau-or-reserve", 19},
    Symbol{"up-any-suit-wrap", 20},
    Symbol{"other-suit", 21},
    Symbol{"ace-or-below-tableau-top", 22},
    Symbol{"up-in-suit-while-waste-empty", 23},
    Symbol{"in-suit-no-queen-king", 24},
    Symbol{"in-suit-by-two", 25},
    Symbol{"up-or-down-short-pile", 26},
    Symbol{"alternate-colours-not-from-foundation-or-reserve", 27},
    Symbol{"up-or-down-in-suit", 28},
    Symbol{"up-then-down-in-suit", 29},
    Symbol{"in-suit-pile-direction", 30},
    Symbol{"down-in-suit-no-ace", 31},
    Symbol{"up-in-suit-no-king", 32},
    Symbol{"not-from-tableau-small-pile", 33},
    Symbol{"alternate-colours-single", 34},
    Symbol{"up-or-down-wrap", 35},
    Symbol{"down-wrap-staged", 36},
    Symbol{"doubling", 37},
    Symbol{"row-fill-king", 38},
    Symbol{"up-below-queen", 39},
    Symbol{"counting-deals", 40},
    Symbol{"up-by-two-distinct-suits", 41},
    Symbol{"up-in-suit-king-last", 42},
    Symbol{"up-by-two-in-suit", 43},
    Symbol{"up-no-king", 44},
    Symbol{"row-fill-king-down", 45},
    Symbol{"up-to-jack", 46},
    Symbol{"down-no-queen", 47},
    Symbol{"row-fill-queen", 48},
    Symbol{"up-to-jack-paired", 49},
    Symbol{"down-no-queen-paired", 50},
    Symbol{"up-to-jack-paired-suit", 51},
    Symbol{"down-no-queen-paired-suit", 52},
    Symbol{"up-wrap-after-first", 53},
    Symbol{"down-not-from-reserves", 54},
    Symbol{"up-same-colour-from-waste", 55},
    Symbol{"same-rank", 56},
};
constexpr std::array kFoundationDealSymbols{
    Symbol{"none", 0},
    Symbol{"own-ace", 1},
    Symbol{"own-two", 2},
    Symbol{"own-three", 3},
    Symbol{"own-four", 4},
    Symbol{"own-five", 5},
    Symbol{"own-six", 6},
    Symbol{"own-seven", 7},
    Symbol{"own-eight", 8},
    Symbol{"own-nine", 9},
    Symbol{"own-ten", 10},
    Symbol{"own-jack", 11},
    Symbol{"own-queen", 12},
    Symbol{"own-king", 13},
    Symbol{"first-card", 20},
    Symbol{"first-card-new-suit", 21},
    Symbol{"first-ace", 51},
    Symbol{"first-two", 52},
    Symbol{"first-three", 53},
    Symbol{"first-four", 54},
    Symbol{"first-five", 55},
    Symbol{"first-six", 56},
    Symbol{"first-seven", 57},
    Symbol{"first-eight", 58},
    Symbol{"first-nine", 59},
    Symbol{"first-ten", 60},
    Symbol{"first-jack", 61},
    Symbol{"first-queen", 62},
    Symbol{"first-king", 63},
    Symbol{"first-card-shifted", 91},
    Symbol{"base-of-first", 92},
    Symbol{"scan-any", 93},
    Symbol{"scan-own-pile", 94},
    Symbol{"scan-kings-and-aces", 95},
    Symbol{"aces-up-refill", 96},
};
constexpr std::array kTableauDealSymbols{
    Symbol{"one-ace", 1001},   Symbol{"one-two", 1002},   Symbol{"one-three", 1003}, Symbol{"one-four", 1004},
    Symbol{"one-five", 1005},  Symbol{"one-six", 1006},   Symbol{"one-seven", 1007}, Symbol{"one-eight", 1008},
    Symbol{"one-nine", 1009},  Symbol{"one-ten", 1010},   Symbol{"one-jack", 1011},  Symbol{"one-queen", 1012},
    Symbol{"one-king", 1013},
};
constexpr std::array kFaceSymbols{Symbol{"all-down", 0},           Symbol{"top-up", 1},
                                  Symbol{"all-up", 104},           Symbol{"alternate-up-first", -1},
                                  Symbol{"alternate-down-first", -2}, Symbol{"bottom-up", -3}};
constexpr std::array kStockDealSymbols{Symbol{"no", 0}, Symbol{"yes", 1}, Symbol{"when-no-gaps", 2}};
constexpr std::array kReserveKindSymbols{Symbol{"cell", 0}, Symbol{"closed", 4}, Symbol{"court-cell", 9},
                                         Symbol{"king-stack", 8}, Symbol{"stack-of-five", 13}};
constexpr std::array kReserveStockDealSymbols{Symbol{"no", 0}, Symbol{"yes", 1}, Symbol{"two-rows-or-last", 3},
                                              Symbol{"alternate-three", 4}};
constexpr std::array kNoneSymbol{Symbol{"none", 0}};
constexpr std::array kWasteBuildSymbols{Symbol{"no", 0}, Symbol{"yes", 2}};
constexpr std::array kWasteDropSymbols{Symbol{"no", 0}, Symbol{"yes", 4}};
constexpr std::array kStockPlacementSymbols{Symbol{"row-only", 0},     Symbol{"left-of-tableau", 3},
                                            Symbol{"over-first-columns", 4}, Symbol{"row-from-left", 5},
                                            Symbol{"left-corner", 11}, Symbol{"top-left", 13},
                                            Symbol{"left-near", 16},   Symbol{"left-far", 19},
                                            Symbol{"left-pair", 21}};
constexpr std::array kFoundationPlacementSymbols{Symbol{"spread", 1},
                                                 Symbol{"centred", 2},
                                                 Symbol{"over-last-tableau", 7},
                                                 Symbol{"right-aligned", 8},
                                                 Symbol{"ending-at-last-tableau", 9},
                                                 Symbol{"over-last-tableau-packed", 13},
                                                 Symbol{"after-stock", 17}};
constexpr std::array kTableauPlacementSymbols{
    Symbol{"spread", 1},
    Symbol{"centred", 2},
    Symbol{"reserve-column", 3},
    Symbol{"rows-staggered", 10},
    Symbol{"two-reserve-columns", 11},
    Symbol{"reserve-column-wide", 12},
    Symbol{"packed-left", 13},
    Symbol{"spread-shrink", 14},
    Symbol{"spread-shrink-high", 15},
    Symbol{"grid-rows", 18},
    Symbol{"under-foundations", 20},
    Symbol{"two-reserve-columns-tight", 21},
    Symbol{"cross-of-five", 52},
    Symbol{"pyramid", 53},
    Symbol{"grid-five-by-five", 54},
    Symbol{"castle-rows", 55},
    Symbol{"one-or-two-rows", 56},
    Symbol{"grid-rows-narrowing", 57},
    Symbol{"single-pile-column", 96},
};
constexpr std::array kReservePlacementSymbols{Symbol{"over-tableau", 4},       Symbol{"row-from-left", 5},
                                              Symbol{"from-first-tableau", 6}, Symbol{"over-last-tableau", 7},
                                              Symbol{"at-waste", 11},          Symbol{"left-of-tableau", 12}};
constexpr std::array kSecondWastePlacementSymbols{Symbol{"none", 0}, Symbol{"at-second-tableau", 6},
                                                  Symbol{"at-last-tableau", 7}, Symbol{"below-stock", 16}};
constexpr std::array kCustomizeSymbols{Symbol{"no", 0}, Symbol{"yes", 1}, Symbol{"conditional", 2}};
constexpr std::array kPlayingTimeSymbols{Symbol{"long", 0}, Symbol{"medium", 1}, Symbol{"quick", 2}};
constexpr std::array kDifficultySymbols{Symbol{"easy", 0}, Symbol{"medium", 1}, Symbol{"hard", 2}};
constexpr std::array kSkillSymbols{Symbol{"difficult", 0}, Symbol{"mostly-skill", 1}, Symbol{"moderate", 2},
                                   Symbol{"mostly-chance", 3}, Symbol{"chance-only", 4}};
constexpr std::array kChanceSymbols{Symbol{"very-high", 0}, Symbol{"high", 1}, Symbol{"medium", 2}, Symbol{"low", 3},
                                    Symbol{"very-low", 4}};

// The special arrangement codes that no symbol names yet.
constexpr int kFirstArrangement = 51;
constexpr int kLastArrangement = 111;
constexpr int kNotAnArrangement = 102;

constexpr int kCardCodeOffset = 100;
constexpr int kLastCard = 104;

std::optional<long> plainNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// "card-040" -> 40; nullopt unless prefix and exactly three digits follow.
std::optional<int> numberedSuffix(std::string_view text, std::string_view prefix) {
  if (!text.starts_with(prefix) || text.size() != prefix.size() + 3) return std::nullopt;
  int n = 0;
  for (char c : text.substr(prefix.size())) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string threeDigits(int n) {
  std::string s = std::to_string(n);
  return std::string(3 - std::min<std::size_t>(3, s.size()), '0') + s;
}

std::optional<long> parseNumbered(NumberedSymbol numbered, std::string_view text) {
  switch (numbered) {
    case NumberedSymbol::FoundationCard:
      if (const auto c = numberedSuffix(text, "card-"); c && *c >= 1 && *c <= kLastCard) return kCardCodeOffset + *c;
      break;
    case NumberedSymbol::StartCard:
      if (const auto c = numberedSuffix(text, "card-"); c && *c >= 1 && *c <= kLastCard)
        return *c <= kCardCodeOffset ? *c : *c + kCardCodeOffset;
      break;
    case NumberedSymbol::Arrangement:
      if (const auto c = numberedSuffix(text, "special-");
          c && *c >= kFirstArrangement && *c <= kLastArrangement && *c != kNotAnArrangement)
        return *c;
      break;
    case NumberedSymbol::None: break;
  }
  return std::nullopt;
}

std::optional<std::string> formatNumbered(NumberedSymbol numbered, int value) {
  switch (numbered) {
    case NumberedSymbol::FoundationCard:
      if (value > kCardCodeOffset && value <= kCardCodeOffset + kLastCard)
        return "card-" + threeDigits(value - kCardCodeOffset);
      break;
    case NumberedSymbol::StartCard:
      if (value >= 1 && value <= kCardCodeOffset) return "card-" + threeDigits(value);
      if (value > 2 * kCardCodeOffset && value <= kLastCard + kCardCodeOffset)
        return "card-" + threeDigits(value - kCardCodeOffset);
      break;
    case NumberedSymbol::Arrangement:
      if (value >= kFirstArrangement && value <= kLastArrangement && value != kNotAnArrangement)
        return "special-" + threeDigits(value);
      break;
    case NumberedSymbol::None: break;
  }
  return std::nullopt;
}

}  // namespace

namespace kinds {
const ValueKind kNumber{"number", {}};
const ValueKind kFlag{"flag", kFlagSymbols};
const ValueKind kRunCheck{"run-check", kRunCheckSymbols};
const ValueKind kFanning{"fanning", kFanningSymbols};
const ValueKind kRunLimit{"run-limit", kRunLimitSymbols};
const ValueKind kReserveLift{"reserve-lift", kReserveLiftSymbols};
const ValueKind kPasses{"passes", kPassesSymbols};
const ValueKind kRedeal{"redeal", kRedealSymbols};
const ValueKind kFoundationLift{"foundation-lift", kFoundationLiftSymbols};
const ValueKind kFillSource{"fill-source", kFillSourceSymbols};
const ValueKind kSpecialDeal{"special-deal", kSpecialDealSymbols};
const ValueKind kFamily{"family", kFamilySymbols};
const ValueKind kBase{"base", kBaseSymbols};
const ValueKind kDirection{"direction", kDirectionSymbols};
const ValueKind kBuildRule{"build-rule", kBuildRuleSymbols};
const ValueKind kFoundationDeal{"foundation-deal", kFoundationDealSymbols, NumberedSymbol::FoundationCard};
const ValueKind kTableauDeal{"tableau-deal", kTableauDealSymbols};
const ValueKind kFace{"face", kFaceSymbols};
const ValueKind kStockDeal{"stock-deal", kStockDealSymbols};
const ValueKind kReserveKind{"reserve-kind", kReserveKindSymbols};
const ValueKind kReserveStockDeal{"reserve-stock-deal", kReserveStockDealSymbols};
const ValueKind kStartCard{"start-card", kNoneSymbol, NumberedSymbol::StartCard};
const ValueKind kWasteBuild{"waste-build", kWasteBuildSymbols};
const ValueKind kWasteDrop{"waste-drop", kWasteDropSymbols};
const ValueKind kStockPlacement{"stock-placement", kStockPlacementSymbols};
const ValueKind kFoundationPlacement{"foundation-placement", kFoundationPlacementSymbols};
const ValueKind kTableauPlacement{"tableau-placement", kTableauPlacementSymbols, NumberedSymbol::Arrangement};
const ValueKind kReservePlacement{"reserve-placement", kReservePlacementSymbols};
const ValueKind kSecondWastePlacement{"second-waste-placement", kSecondWastePlacementSymbols};
const ValueKind kCustomize{"customize", kCustomizeSymbols};
const ValueKind kPlayingTime{"playing-time", kPlayingTimeSymbols};
const ValueKind kDifficulty{"difficulty", kDifficultySymbols};
const ValueKind kSkill{"skill", kSkillSymbols};
const ValueKind kChance{"chance", kChanceSymbols};
}  // namespace kinds

std::span<const ValueKind* const> allValueKinds() {
  using namespace kinds;
  static const std::array kAll{&kNumber,          &kFlag,          &kRunCheck,         &kFanning,
                               &kRunLimit,        &kReserveLift,   &kPasses,           &kRedeal,
                               &kFoundationLift,  &kFillSource,    &kSpecialDeal,      &kFamily,
                               &kBase,            &kDirection,     &kBuildRule,        &kFoundationDeal,
                               &kTableauDeal,     &kFace,          &kStockDeal,        &kReserveKind,
                               &kReserveStockDeal, &kStartCard,    &kWasteBuild,       &kWasteDrop,
                               &kStockPlacement,  &kFoundationPlacement, &kTableauPlacement, &kReservePlacement,
                               &kSecondWastePlacement, &kCustomize, &kPlayingTime,     &kDifficulty,
                               &kSkill,           &kChance};
  return kAll;
}

std::optional<long> parseValue(const ValueKind& kind, std::string_view text) {
  if (const auto n = plainNumber(text)) return n;
  for (const Symbol& s : kind.symbols)
    if (text == s.name) return s.value;
  return parseNumbered(kind.numbered, text);
}

std::string formatValue(const ValueKind& kind, int value) {
  for (const Symbol& s : kind.symbols)
    if (s.value == value) return s.name;
  if (const auto numbered = formatNumbered(kind.numbered, value)) return *numbered;
  return std::to_string(value);
}

}  // namespace kes::catalogue
