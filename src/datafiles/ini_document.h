#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

struct SettingsEntry {
  std::string key;
  std::string value;
};

// The text of an INI file as lines, read with LF or CR LF and written with
// CR LF. Section and key names compare without regard to case; names and
// values are read without surrounding blanks. Lines the program does not
// understand (comments, blank lines) stay as they are.
class IniDocument {
 public:
  static IniDocument parse(std::string_view text);

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string stringValue(std::string_view section, std::string_view key, std::string_view fallback) const;
  // The fallback unless the whole value is a decimal integer.
  int intValue(std::string_view section, std::string_view key, int fallback) const;
  // The section's keys and values in file order; empty when missing.
  std::vector<SettingsEntry> entries(std::string_view section) const;
  std::vector<std::string> sectionNames() const;

  // False, with nothing changed, for names or values that would break the
  // file's structure (line breaks, "=" in a key, "]" in a section name).
  bool set(std::string_view section, std::string_view key, std::string_view value);
  bool eraseKey(std::string_view section, std::string_view key);
  bool eraseSection(std::string_view section);

  std::string text() const;

 private:
  struct Range {
    std::size_t header;
    std::size_t end;  // one past the section's last line
  };
  std::optional<Range> findSection(std::string_view section) const;
  std::optional<std::size_t> findKey(const Range& range, std::string_view key) const;

  std::vector<std::string> lines_;
};

}  // namespace kes
