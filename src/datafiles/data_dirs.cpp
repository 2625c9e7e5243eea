#include "data_dirs.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace kes {

namespace fs = std::filesystem;

fs::path executableDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path() : exe.parent_path();
}

fs::path defaultInstallDir(const fs::path& exeDir) {
  const fs::path installed = exeDir.parent_path() / "share" / "kestrova";
  std::error_code ec;
  // Debian's games live in games beside bin.
  const bool programFolder = exeDir.filename() == "bin" || exeDir.filename() == "games";
  if (programFolder && fs::is_directory(installed, ec)) return installed;
  return exeDir;
}

fs::path defaultWritableDir(const fs::path& installDir) {
  // An installed program never writes into share/kestrova, even when it can
  // (run by root): the package manager owns that folder, and removing the
  // package would leave the player's files behind in it.
  const bool installed = installDir.filename() == "kestrova" && installDir.parent_path().filename() == "share";
  if (!installed && ::access(installDir.c_str(), W_OK) == 0) return installDir;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg && fs::path(xdg).is_absolute())
    return fs::path(xdg) / "kestrova";
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "kestrova";
}

DataDirs resolveDataDirs(const std::optional<fs::path>& installOverride,
                         const std::optional<fs::path>& dataOverride) {
  DataDirs dirs;
  dirs.install = installOverride ? fs::absolute(*installOverride) : defaultInstallDir(executableDir());
  dirs.writable = dataOverride ? fs::absolute(*dataOverride) : defaultWritableDir(dirs.install);
  return dirs;
}

}  // namespace kes
