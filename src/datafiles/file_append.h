#pragma once

#include <filesystem>
#include <string_view>

#include "datafiles/file_system_ops.h"
#include "datafiles/message_sink.h"

namespace kes {

// Adds bytes at the end of a file, creating it when missing. A log that
// grows by one line must not be copied whole for every line; instead a
// write that fails half way (a full disk) is cut off again, so the file keeps
// exactly the bytes it had. The user is told when it fails.
bool appendToFile(const std::filesystem::path& file, std::string_view bytes, MessageSink& messages,
                  FileSystemOps& fs = realFileSystem());

}  // namespace kes
