#include "stale_temp_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

#include "datafiles/file_system_ops.h"

namespace kes {

namespace {

// "rpl" and the six characters mkstemp puts in place of "XXXXXX".
bool isTempName(const std::string& name) {
  constexpr std::size_t kSuffix = 6;
  return name.size() == kTempFilePrefix.size() + kSuffix && name.starts_with(kTempFilePrefix) &&
         std::all_of(name.begin() + static_cast<long>(kTempFilePrefix.size()), name.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

// Removes the file when it is a regular file of this user that no writer
// locks, and still the one opened when it is removed.
bool removeWhenNobodys(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat opened {}, named {};
  const bool stale = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
                     ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
                     named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
  const bool removed = stale && ::unlink(path.c_str()) == 0;
  ::close(fd);
  return removed;
}

}  // namespace

int removeStaleTempFiles(const std::filesystem::path& folder) {
  int removed = 0;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (isTempName(it->path().filename().string()) && removeWhenNobodys(it->path())) ++removed;
  return removed;
}

}  // namespace kes
