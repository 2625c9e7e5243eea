#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kes {

// Where the program finds its read-only data (GAMES.DAT, KES.RGF, Images,
// SOUNDS, Demos, help) and where it keeps what it writes (the DATA folder,
// the version marker).
struct DataDirs {
  std::filesystem::path install;   // read-only data
  std::filesystem::path writable;  // holds DATA

  std::filesystem::path dataFolder() const { return writable / "DATA"; }
};

// The folder of the running executable.
std::filesystem::path executableDir();

// Read-only data of this build or installation: an installed program keeps
// it in ../share/kestrova beside its bin or games folder; a program in a build tree
// keeps it next to itself.
std::filesystem::path defaultInstallDir(const std::filesystem::path& exeDir);

// The installation folder itself when it is writable (portable use), else the
// user's XDG data folder.
std::filesystem::path defaultWritableDir(const std::filesystem::path& installDir);

// Resolves both folders; the overrides come from --install-dir and --data-dir.
DataDirs resolveDataDirs(const std::optional<std::filesystem::path>& installOverride,
                         const std::optional<std::filesystem::path>& dataOverride);

}  // namespace kes
