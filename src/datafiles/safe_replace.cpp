#include "safe_replace.h"

#include <string>

namespace kes {

bool replaceFileContents(const std::filesystem::path& target, std::string_view contents, MessageSink& messages,
                         FileSystemOps& fs) {
  const auto temp = fs.createTempFor(target);
  if (!temp) {
    // The player must know which file kept its old contents.
    messages.information(std::string(kErrorCreatingTempFile) + "\r" + target.string());
    return false;
  }
  const bool written = fs.writeAll(temp->fd, contents) && fs.sync(temp->fd);
  const bool closed = fs.close(temp->fd);
  if (!written || !closed) {
    fs.remove(temp->path);
    messages.information(std::string(kWriteErrorOnFile) + " " + target.string());
    return false;
  }
  if (!fs.rename(temp->path, target)) {
    fs.remove(temp->path);
    messages.information(std::string(kErrorRenamingFile) + temp->path.string() + "\r" + "with:" + " " +
                         target.string());
    return false;
  }
  // The new contents are in place; syncing the folder only makes the new
  // name survive a power cut, and a failure there leaves nothing to undo.
  fs.syncFolder(folderOf(target));
  return true;
}

}  // namespace kes
