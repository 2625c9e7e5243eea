#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kes {

// The bytes of a whole file, or nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// "Cannot open file %s" with the path put in.
std::string cannotOpenFileMessage(const std::filesystem::path& path);

// Creates the folder a file is to be written in; false when it cannot.
bool ensureFolderOf(const std::filesystem::path& file);

}  // namespace kes
