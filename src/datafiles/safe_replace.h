#pragma once

#include <filesystem>
#include <string_view>

#include "datafiles/file_system_ops.h"
#include "datafiles/message_sink.h"

namespace kes {

// The messages of a failed replacement.
inline constexpr std::string_view kErrorCreatingTempFile = "Error creating temp file.";
inline constexpr std::string_view kWriteErrorOnFile = "Write error on file";
inline constexpr std::string_view kErrorRenamingFile = "Error renaming file: ";

// Gives target exactly these contents through a temporary file in its folder
// that is written, synced and renamed over it, so that a crash leaves either
// the old or the new file, never a part of one. On failure the user is told,
// the temporary file is removed and target keeps every byte it had. After a
// success the stale temporary files of the folder are removed.
bool replaceFileContents(const std::filesystem::path& target, std::string_view contents, MessageSink& messages,
                         FileSystemOps& fs = realFileSystem());

}  // namespace kes
