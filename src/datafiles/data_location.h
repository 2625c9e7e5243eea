#pragma once

#include <filesystem>
#include <string_view>

#include "datafiles/config_record.h"

namespace kes {

// The settings file below the writable data folder, with the Linux separator.
inline constexpr std::string_view kSettingsFileName = "DATA/CFG.DAT";

// Sets InstallDir to the writable data folder (with a trailing "/") and
// SettingsFileName. False, with both left blank, when the folder's path is
// too long for InstallDir: a cut path would send every file elsewhere.
bool setUpDataLocation(ConfigRecord& record, const std::filesystem::path& writableDir);

// The folder that holds DATA, as InstallDir names it.
std::filesystem::path installDirOf(const ConfigRecord& record);

// InstallDir + SettingsFileName.
std::filesystem::path settingsFilePath(const ConfigRecord& record);

}  // namespace kes
