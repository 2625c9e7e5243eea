#include "file_system_ops.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>

namespace kes {

namespace {

// The process's umask without changing it (umask() would, for every thread).
mode_t currentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 022;
}

mode_t modeForReplacement(const std::filesystem::path& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
  return 0666 & ~currentUmask();
}

}  // namespace

std::filesystem::path folderOf(const std::filesystem::path& file) {
  const auto parent = file.parent_path();
  return parent.empty() ? std::filesystem::path(".") : parent;
}

namespace {

// Creates and locks one temporary file. Another instance's clean-up may have
// taken the file for a stale one between its creation and the lock: it is
// then gone from the folder, takenAway is set, and a fresh one is wanted.
std::optional<OpenTempFile> lockedTempFile(const std::filesystem::path& target, bool& takenAway) {
  takenAway = false;
  std::string pattern = (folderOf(target) / kTempFilePrefix).string() + "XXXXXX";
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  auto fail = [&] {
    ::close(fd);
    ::unlink(pattern.c_str());
    return std::nullopt;
  };
  // mkstemp makes the file private; the replacement keeps the target's mode.
  struct stat info {};
  if (::fchmod(fd, modeForReplacement(target)) != 0 || ::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &info) != 0)
    return fail();
  if (info.st_nlink == 0) {
    takenAway = true;
    ::close(fd);
    return std::nullopt;
  }
  // The lock belongs to the open file, which this second handle keeps open
  // after the writing handle is closed.
  const int lockFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (lockFd < 0) return fail();
  return OpenTempFile{fd, pattern, lockFd};
}

}  // namespace

std::optional<OpenTempFile> RealFileSystemOps::createTempFor(const std::filesystem::path& target) {
  constexpr int kTries = 5;
  bool takenAway = true;
  for (int i = 0; i < kTries && takenAway; ++i)
    if (auto temp = lockedTempFile(target, takenAway)) return temp;
  return std::nullopt;
}

bool RealFileSystemOps::writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool RealFileSystemOps::sync(int fd) { return ::fsync(fd) == 0; }

bool RealFileSystemOps::close(int fd) { return ::close(fd) == 0; }

bool RealFileSystemOps::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool RealFileSystemOps::syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

bool RealFileSystemOps::remove(const std::filesystem::path& path) { return ::unlink(path.c_str()) == 0; }

void RealFileSystemOps::release(OpenTempFile& temp) {
  if (temp.lockFd >= 0) ::close(temp.lockFd);
  temp.lockFd = -1;
}

FileSystemOps& realFileSystem() {
  static RealFileSystemOps ops;
  return ops;
}

}  // namespace kes
