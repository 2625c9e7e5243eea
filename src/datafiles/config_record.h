#pragma once

#include <array>
#include <string>
#include <string_view>

#include "datafiles/config_field.h"

namespace kes {

// The running program's settings and the identity of the current game as
// fixed-position text fields. Three buffers of 250 characters: positions
// 1-249, 251-499 and 501-749 start fields in the first, second and third;
// 250, 500 and 750 on are no field starts, so writes there are ignored and
// reads give "".
class ConfigRecord {
 public:
  static constexpr int kBufferSize = 250;
  static constexpr int kBufferCount = 3;

  ConfigRecord();

  // Leading spaces of text are dropped; the rest is cut or space-padded to
  // length and never runs past the end of its buffer.
  void put(int position, int length, std::string_view text);
  // Trailing spaces removed; a blank field reads as "".
  std::string get(int position, int length) const;

  void put(const ConfigField& field, std::string_view text) { put(field.position, field.length, text); }
  std::string get(const ConfigField& field) const { return get(field.position, field.length); }

  // A new game or player starts the session counters from zero.
  void resetCurrentCounters();

 private:
  struct Span {
    std::size_t buffer = 0;
    std::size_t start = 0;
    std::size_t length = 0;  // 0: no valid field
  };
  static Span locate(int position, int length);

  std::array<std::string, kBufferCount> buffers_;
};

}  // namespace kes
