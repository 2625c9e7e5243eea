#include "file_text.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "datafiles/file_system_ops.h"

namespace kes {

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // Read in one piece: a log of many thousand games is megabytes long.
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    in.clear();
  }
  // Whatever the size did not tell (a file still growing).
  bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::string cannotOpenFileMessage(const std::filesystem::path& path) { return "Cannot open file " + path.string(); }

bool ensureFolderOf(const std::filesystem::path& file) {
  std::error_code ec;
  const auto folder = folderOf(file);
  if (std::filesystem::is_directory(folder, ec)) return true;
  std::filesystem::create_directories(folder, ec);
  return !ec;
}

}  // namespace kes
