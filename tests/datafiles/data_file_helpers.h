#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "datafiles/file_system_ops.h"
#include "datafiles/message_sink.h"

namespace kes::testing {

// Keeps every message the code under test wanted the user to see.
class RecordingSink : public MessageSink {
 public:
  void information(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Names of the files in a folder, to see that no temporary file stays.
inline std::vector<std::string> filesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

// The real file system with one chosen step failing.
class FailingFileSystem : public RealFileSystemOps {
 public:
  enum class Step { None, CreateTemp, Write, Sync, Rename };
  explicit FailingFileSystem(Step failing) : failing_(failing) {}

  std::optional<OpenTempFile> createTempFor(const std::filesystem::path& target) override {
    if (failing_ == Step::CreateTemp) return std::nullopt;
    auto temp = RealFileSystemOps::createTempFor(target);
    if (temp) tempPath = temp->path;
    return temp;
  }
  bool writeAll(int fd, std::string_view bytes) override {
    if (failing_ != Step::Write) return RealFileSystemOps::writeAll(fd, bytes);
    // A disk that fills up half way.
    RealFileSystemOps::writeAll(fd, bytes.substr(0, bytes.size() / 2));
    return false;
  }
  bool sync(int fd) override { return failing_ != Step::Sync && RealFileSystemOps::sync(fd); }
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return failing_ != Step::Rename && RealFileSystemOps::rename(from, to);
  }

  std::filesystem::path tempPath;

 private:
  Step failing_;
};

}  // namespace kes::testing
