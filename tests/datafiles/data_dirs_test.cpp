#include "datafiles/data_dirs.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "test_temp_dir.h"

namespace kes {
namespace {

namespace fs = std::filesystem;

TEST(DataDirs, BuildTreeKeepsDataNextToTheProgram) {
  TempDir tmp;
  fs::create_directories(tmp.path() / "out");
  EXPECT_EQ(defaultInstallDir(tmp.path() / "out"), tmp.path() / "out");
}

TEST(DataDirs, InstalledProgramUsesShareFolder) {
  TempDir tmp;
  fs::create_directories(tmp.path() / "share" / "kestrova");
  // In bin, or in games as Debian installs its games.
  for (const char* folder : {"bin", "games"}) {
    fs::create_directories(tmp.path() / folder);
    EXPECT_EQ(defaultInstallDir(tmp.path() / folder), tmp.path() / "share" / "kestrova") << folder;
  }
}

TEST(DataDirs, WritableInstallFolderIsUsedForPortablePlay) {
  TempDir tmp;
  EXPECT_EQ(defaultWritableDir(tmp.path()), tmp.path());
}

TEST(DataDirs, InstalledShareFolderIsNeverWrittenEvenWhenWritable) {
  TempDir tmp;
  const fs::path share = tmp.path() / "share" / "kestrova";
  fs::create_directories(share);
  ::setenv("XDG_DATA_HOME", (tmp.path() / "xdg").c_str(), 1);
  EXPECT_EQ(defaultWritableDir(share), tmp.path() / "xdg" / "kestrova");
}

TEST(DataDirs, ReadOnlyInstallFolderFallsBackToXdgDataHome) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  TempDir tmp;
  const fs::path ro = tmp.path() / "ro";
  fs::create_directories(ro);
  fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
  ::setenv("XDG_DATA_HOME", (tmp.path() / "xdg").c_str(), 1);
  EXPECT_EQ(defaultWritableDir(ro), tmp.path() / "xdg" / "kestrova");
  fs::permissions(ro, fs::perms::owner_all);
}

TEST(DataDirs, OverridesWin) {
  TempDir tmp;
  const DataDirs dirs = resolveDataDirs(tmp.path() / "inst", tmp.path() / "data");
  EXPECT_EQ(dirs.install, tmp.path() / "inst");
  EXPECT_EQ(dirs.writable, tmp.path() / "data");
  EXPECT_EQ(dirs.dataFolder(), tmp.path() / "data" / "DATA");
}

}  // namespace
}  // namespace kes
