#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kes {

class SettingsFile;

inline constexpr std::string_view kCustomizedBackgroundsSection = "Customized backgrounds";

// A picture of the player's own, kept as its file name and its folder (the
// folder ends with a separator).
struct CustomizedBackground {
  std::string fileName;
  std::string folder;

  // "file (folder)", the text of the settings and of the tree.
  std::string text() const;
  // folder + file name, what "Customized_Background" holds.
  std::string path() const;
  bool operator==(const CustomizedBackground&) const = default;
};

// "Background" + the index as 3 digits.
std::string customizedBackgroundKey(int index);
// The parts of "file (folder)"; either part may itself hold " (". A text
// without " (" is a bare file name.
CustomizedBackground parseCustomizedBackground(std::string_view text);
// The picture at a full path.
CustomizedBackground customizedBackgroundAt(std::string_view path);

// The list as the settings file holds it: from "Background000" upward,
// ending at the first missing or empty key.
std::vector<CustomizedBackground> readCustomizedBackgrounds(const SettingsFile& settings);
// Adds a picture under the first free key; false when writing failed.
bool addCustomizedBackground(SettingsFile& settings, const CustomizedBackground& picture);
// Removes the entry at index and numbers the rest again from 000 with no
// gap; false when writing failed or there is no such entry.
bool deleteCustomizedBackground(SettingsFile& settings, int index);

}  // namespace kes
