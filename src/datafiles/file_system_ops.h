#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kes {

// A temporary file created and opened for writing.
struct OpenTempFile {
  int fd = -1;
  std::filesystem::path path;
  // A second handle on the file that keeps its lock after fd is closed,
  // until release(): the lock tells the clean-up of every instance of the
  // program that a writer still needs the file (see stale_temp_files.h).
  int lockFd = -1;
};

// The file-system calls behind the safe replacement of a file. The real one
// is used everywhere; tests derive from it to make single calls fail.
class FileSystemOps {
 public:
  virtual ~FileSystemOps() = default;

  // A new file named "rpl" + a unique suffix in the folder of target, with
  // the permissions target has (or those of a new file when it is missing),
  // locked until release().
  virtual std::optional<OpenTempFile> createTempFor(const std::filesystem::path& target) = 0;
  // Writes every byte or reports failure.
  virtual bool writeAll(int fd, std::string_view bytes) = 0;
  virtual bool sync(int fd) = 0;
  virtual bool close(int fd) = 0;
  // Replaces to by from in one step; to never goes missing in between.
  virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual bool syncFolder(const std::filesystem::path& folder) = 0;
  virtual bool remove(const std::filesystem::path& path) = 0;
  // Gives up the lock of a temporary file once it was renamed or removed.
  virtual void release(OpenTempFile& temp) = 0;
};

inline constexpr std::string_view kTempFilePrefix = "rpl";

class RealFileSystemOps : public FileSystemOps {
 public:
  std::optional<OpenTempFile> createTempFor(const std::filesystem::path& target) override;
  bool writeAll(int fd, std::string_view bytes) override;
  bool sync(int fd) override;
  bool close(int fd) override;
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool syncFolder(const std::filesystem::path& folder) override;
  bool remove(const std::filesystem::path& path) override;
  void release(OpenTempFile& temp) override;
};

// The shared real implementation.
FileSystemOps& realFileSystem();

// The folder a file lies in, "." for a bare file name.
std::filesystem::path folderOf(const std::filesystem::path& file);

}  // namespace kes
