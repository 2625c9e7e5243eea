#include "safe_replace.h"

#include <string>

#include "datafiles/stale_temp_files.h"

namespace kes {

bool replaceFileContents(const std::filesystem::path& target, std::string_view contents, MessageSink& messages,
                         FileSystemOps& fs) {
  auto temp = fs.createTempFor(target);
  if (!temp) {
    // The player must know which file kept its old contents.
    messages.information(std::string(kErrorCreatingTempFile) + "\r" + target.string());
    return false;
  }
  const bool written = fs.writeAll(temp->fd, contents) && fs.sync(temp->fd);
  const bool closed = fs.close(temp->fd);
  if (!written || !closed) {
    fs.remove(temp->path);
    fs.release(*temp);
    messages.information(std::string(kWriteErrorOnFile) + " " + target.string());
    return false;
  }
  if (!fs.rename(temp->path, target)) {
    fs.remove(temp->path);
    fs.release(*temp);
    messages.information(std::string(kErrorRenamingFile) + temp->path.string() + "\r" + "with:" + " " +
                         target.string());
    return false;
  }
  fs.release(*temp);
  // The new contents are in place; syncing the folder only makes the new
  // name survive a power cut, and a failure there leaves nothing to undo.
  fs.syncFolder(folderOf(target));
  // The temporary files of writers that were killed are of no use to
  // anybody; the folder is just known to be writable.
  removeStaleTempFiles(folderOf(target));
  return true;
}

}  // namespace kes
