#include "appearance/customized_backgrounds.h"

#include <cstdio>

#include "datafiles/settings_file.h"

namespace kes {

namespace {

constexpr std::string_view kOpening = " (";

std::vector<SettingsEntry> entriesOf(const std::vector<CustomizedBackground>& pictures) {
  std::vector<SettingsEntry> entries;
  for (std::size_t i = 0; i < pictures.size(); ++i)
    entries.push_back({customizedBackgroundKey(static_cast<int>(i)), pictures[i].text()});
  return entries;
}

}  // namespace

std::string CustomizedBackground::text() const { return fileName + std::string(kOpening) + folder + ")"; }

std::string CustomizedBackground::path() const { return folder + fileName; }

std::string customizedBackgroundKey(int index) {
  char key[24];
  std::snprintf(key, sizeof key, "Background%03d", index);
  return key;
}

CustomizedBackground parseCustomizedBackground(std::string_view text) {
  // A file name holds no "/", so the first " (/" opens the folder even when
  // the name or the folder hold " (" themselves; other folders (written by
  // hand) are split at the last " (".
  auto at = text.find(" (/");
  if (at == std::string_view::npos) at = text.rfind(kOpening);
  if (at == std::string_view::npos) return {std::string(text), {}};
  std::string_view folder = text.substr(at + kOpening.size());
  if (!folder.empty() && folder.back() == ')') folder.remove_suffix(1);
  return {std::string(text.substr(0, at)), std::string(folder)};
}

CustomizedBackground customizedBackgroundAt(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  if (slash == std::string_view::npos) return {std::string(path), {}};
  return {std::string(path.substr(slash + 1)), std::string(path.substr(0, slash + 1))};
}

std::vector<CustomizedBackground> readCustomizedBackgrounds(const SettingsFile& settings) {
  const IniDocument document = settings.readAll();
  std::vector<CustomizedBackground> pictures;
  for (int index = 0; index <= 999; ++index) {
    const std::string text = document.stringValue(kCustomizedBackgroundsSection, customizedBackgroundKey(index), "");
    if (text.empty()) break;
    pictures.push_back(parseCustomizedBackground(text));
  }
  return pictures;
}

bool addCustomizedBackground(SettingsFile& settings, const CustomizedBackground& picture) {
  const auto count = static_cast<int>(readCustomizedBackgrounds(settings).size());
  return settings.writeString(kCustomizedBackgroundsSection, customizedBackgroundKey(count), picture.text());
}

bool deleteCustomizedBackground(SettingsFile& settings, int index) {
  std::vector<CustomizedBackground> pictures = readCustomizedBackgrounds(settings);
  if (index < 0 || index >= static_cast<int>(pictures.size())) return false;
  pictures.erase(pictures.begin() + index);
  // Keys past the list's end (an entry after a gap) are dropped with it.
  return settings.replaceSection(kCustomizedBackgroundsSection, entriesOf(pictures));
}

}  // namespace kes
