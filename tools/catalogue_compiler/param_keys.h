#pragma once

#include <span>
#include <string_view>

#include "catalogue_compiler/value_kinds.h"

namespace kes::catalogue {

// Which pile family a per-pile key belongs to; its list runs over that
// family's piles in use, or over all its slots.
enum class PileFamily { None, Foundation, Tableau, Reserve };

struct PileFamilyInfo {
  int slots;        // 16, 26, 8
  int countEntry;   // the parameter holding the number of piles in use
  const char* countKey;
};
PileFamilyInfo pileFamilyInfo(PileFamily family);

// One readable name of a catalogue parameter (or of a per-pile range of them).
struct ParamKey {
  const char* name;
  int entry;  // first entry of the range for per-pile keys
  PileFamily family;
  const ValueKind* kind;
};

// Every named parameter, in entry order.
std::span<const ParamKey> allParamKeys();
const ParamKey* findParamKey(std::string_view name);

// "param-N" sets entry N directly.
inline constexpr std::string_view kRawEntryPrefix = "param-";

}  // namespace kes::catalogue
