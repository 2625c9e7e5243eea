#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_params.h"

namespace kes::catalogue {

// One catalogued game as its source file describes it.
struct GameSource {
  std::string file;
  int number = 0;
  std::string name;
  int category = 0;
  bool selected = false;
  std::string rules;  // for people; not compiled
  std::array<std::int16_t, Param::kCount> params{};
  int numberLine = 0;  // where number and name were given, for errors across files
  int nameLine = 0;
};

// An error in a source, located by file and line (line 0: the file as a whole).
struct Diagnostic {
  std::string file;
  int line = 0;
  std::string message;
  std::string text() const;
};

struct ParsedSource {
  GameSource game;
  std::vector<Diagnostic> errors;
  bool ok() const { return errors.empty(); }
};

ParsedSource parseGameSource(std::string_view text, const std::string& file);

// The longest name the catalogue holds, and the highest game number.
inline constexpr std::size_t kMaxNameLength = 50;
inline constexpr int kMaxGameNumber = 999;

}  // namespace kes::catalogue
