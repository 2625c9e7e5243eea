// The program's sectioned files, read and changed by every routine; a
// change of one section never costs another section a line.
#include <array>
#include <map>

#include "datafiles/section_file.h"
#include "fuzz_support.h"

namespace kes::fuzz {
namespace {

constexpr std::array<std::string_view, 5> kSections{"Version", "0001", "0012", "Ann", "Clear scores"};
constexpr std::array<std::string_view, 4> kKeys{"Version", "Ann", "01-01", "T01"};

// Files whose sections can be told apart without doubt: CR LF lines, each
// header "[name]" once, no "[" elsewhere.
bool plainSections(std::string_view text) {
  std::map<std::string, int> seen;
  while (!text.empty()) {
    const auto end = text.find("\r\n");
    if (end == std::string_view::npos) return false;
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 2);
    if (line.find('\r') != std::string_view::npos || line.find('\n') != std::string_view::npos) return false;
    const auto bracket = line.find('[');
    if (bracket == std::string_view::npos) continue;
    if (bracket != 0 || line.size() < 2 || line.back() != ']' || line.find('[', 1) != std::string_view::npos ||
        line.find(']') != line.size() - 1 || ++seen[std::string(line)] > 1)
      return false;
  }
  return true;
}

std::map<std::string, std::vector<std::string>> sectionsOf(const SectionFile& file) {
  std::map<std::string, std::vector<std::string>> sections;
  for (const auto& name : file.listSections()) sections[name] = file.readSectionLines(name);
  return sections;
}

}  // namespace

void sectionFile(std::string_view data) {
  InputReader input(data);
  const unsigned operation = input.byte();
  const std::string section(kSections[input.below(kSections.size())]);
  const std::string key(kKeys[input.below(kKeys.size())]);
  const std::string value(input.field());
  const auto path = scratch() / "STAT.DAT";
  writeBytes(path, input.rest());
  CollectingSink sink;
  SectionFile file(path, sink, unsynced());

  const bool plain = plainSections(input.rest());
  const auto before = sectionsOf(file);
  file.findSection(section);
  file.readValue(section, key);
  std::vector<std::string> values(kKeys.size());
  const std::vector<std::string> keys(kKeys.begin(), kKeys.end());
  file.readKeys(section, keys, values);

  const std::vector<KeyValue> pairs{{key, value}, {"Z", value}};
  bool changed = false;
  switch (operation % 6) {
    case 0: changed = file.updateValue(section, key, value); break;
    case 1: changed = file.writeSectionInPlace(section, pairs); break;
    case 2: changed = file.replaceSection(section, pairs); break;
    case 3: changed = file.appendSection(section, pairs); break;
    case 4: file.replaceInLines(1 + input.below(4), "01", value); return;
    default: file.createIfMissing(); return;
  }
  if (!changed || !plain || operation % 6 == 3) return;
  // The section written holds the value; every other one is as it was.
  const auto written = file.readValue(section, key);
  check(written.has_value(), "the value written is not there");
  const auto after = sectionsOf(file);
  for (const auto& [name, lines] : before) {
    if (name == section) continue;
    const auto kept = after.find(name);
    check(kept != after.end(), "section " + name + " went missing");
    check(kept->second == lines, "section " + name + " changed");
  }
}

}  // namespace kes::fuzz
