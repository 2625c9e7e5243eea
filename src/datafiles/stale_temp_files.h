#pragma once

#include <filesystem>

namespace kes {

// Removes from the folder the temporary files of the safe replacement that
// no writer holds any more: what a writer killed half way, or a power cut,
// left behind. Only names the replacement makes ("rpl" and six letters or
// digits) are looked at, only regular files of this user are removed.
//
// Every writer, in whichever instance of the program, holds the lock of its
// temporary file from the moment it exists until it was renamed over its
// target or removed; a lock dies with its process. So a file whose lock can
// be taken is nobody's: a second instance's write in progress is never
// touched. The lock is held while the file is removed, and a writer that
// finds its new file removed before it could lock it makes another.
// Returns how many files were removed.
int removeStaleTempFiles(const std::filesystem::path& folder);

}  // namespace kes
