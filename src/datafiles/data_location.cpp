#include "data_location.h"

#include <string>

namespace kes {

bool setUpDataLocation(ConfigRecord& record, const std::filesystem::path& writableDir) {
  std::string dir = writableDir.string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  const bool fits = dir.size() <= static_cast<std::size_t>(Field::InstallDir.length) && dir.front() != ' ';
  record.put(Field::InstallDir, fits ? dir : std::string{});
  record.put(Field::SettingsFileName, fits ? kSettingsFileName : std::string_view{});
  return fits;
}

std::filesystem::path installDirOf(const ConfigRecord& record) {
  return std::filesystem::path(record.get(Field::InstallDir));
}

std::filesystem::path settingsFilePath(const ConfigRecord& record) {
  return std::filesystem::path(record.get(Field::InstallDir) + record.get(Field::SettingsFileName));
}

}  // namespace kes
