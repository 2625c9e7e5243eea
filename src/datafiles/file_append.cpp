#include "file_append.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "datafiles/file_text.h"
#include "datafiles/safe_replace.h"

namespace kes {

bool appendToFile(const std::filesystem::path& file, std::string_view bytes, MessageSink& messages,
                  FileSystemOps& fs) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  struct stat before {};
  if (fd < 0 || ::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode)) {
    if (fd >= 0) ::close(fd);
    messages.information(cannotOpenFileMessage(file));
    return false;
  }
  const bool written = fs.writeAll(fd, bytes) && fs.sync(fd);
  // A part of the bytes must not stay behind: the file ends where it ended.
  if (!written && ::ftruncate(fd, before.st_size) == 0) fs.sync(fd);
  const bool closed = fs.close(fd);
  if (!written || !closed) {
    messages.information(std::string(kWriteErrorOnFile) + " " + file.string());
    return false;
  }
  return true;
}

}  // namespace kes
