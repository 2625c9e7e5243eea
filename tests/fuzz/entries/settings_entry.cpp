// CFG.DAT, the settings file: every section read, then one key written; the
// key reads back and every other section keeps its keys.
#include <algorithm>
#include <cctype>

#include "datafiles/settings_file.h"
#include "fuzz_support.h"

namespace kes::fuzz {
namespace {

bool sameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) ==
                                                std::tolower(static_cast<unsigned char>(y)); });
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string describe(const std::vector<SettingsEntry>& entries) {
  std::string text;
  for (const auto& e : entries) text += e.key + "=" + e.value + "\n";
  return text;
}

}  // namespace

void settingsFile(std::string_view data) {
  InputReader input(data);
  const std::string section(input.field());
  const std::string key(input.field());
  const std::string value(input.field());
  const auto path = scratch() / "DATA" / "CFG.DAT";
  writeBytes(path, input.rest());
  CollectingSink sink;
  SettingsFile settings(path, sink, unsynced());

  const IniDocument before = settings.readAll();
  const std::vector<std::string> names = before.sectionNames();
  for (const auto& name : names)
    for (const auto& e : before.entries(name)) before.intValue(name, e.key, -1);
  settings.readInt("Preference", "Game", -1);
  settings.readString("Users", "User001", "");

  if (!settings.writeString(section, key, value)) return;
  const IniDocument after = settings.readAll();
  const auto written = after.value(section, key);
  check(written.has_value(), "the key written is not there");
  // The file trims spaces and tabs around a value, nothing else: a
  // vertical tab or form feed is part of the value.
  std::string trimmed = value;
  while (!trimmed.empty() && isBlank(trimmed.back())) trimmed.pop_back();
  while (!trimmed.empty() && isBlank(trimmed.front())) trimmed.erase(0, 1);
  check(*written == trimmed, "the key reads back as '" + *written + "' for '" + trimmed + "'");
  for (const auto& name : names) {
    if (sameName(name, section)) continue;
    check(describe(before.entries(name)) == describe(after.entries(name)), "section " + name + " changed");
  }
}

}  // namespace kes::fuzz
