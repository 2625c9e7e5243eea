#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/file_system_ops.h"
#include "datafiles/ini_document.h"
#include "datafiles/message_sink.h"

namespace kes {

// The settings file, DATA/CFG.DAT. Every call reads or writes the file and
// lets it go again; nothing is kept open or cached. A missing file reads as
// all defaults, and the first write creates it (and the DATA folder).
// Writes replace the whole file safely, so a crash keeps the old settings.
class SettingsFile {
 public:
  explicit SettingsFile(std::filesystem::path path, MessageSink& messages, FileSystemOps& fs = realFileSystem());

  const std::filesystem::path& path() const { return path_; }

  std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
  int readInt(std::string_view section, std::string_view key, int fallback) const;
  std::vector<SettingsEntry> readSection(std::string_view section) const;
  // The whole file at once, for reading many keys in one access.
  IniDocument readAll() const;

  bool writeString(std::string_view section, std::string_view key, std::string_view value);
  bool writeInt(std::string_view section, std::string_view key, int value);
  // Several keys of one section in one access.
  bool writeStrings(std::string_view section, std::span<const SettingsEntry> entries);
  // The section afterwards holds exactly these keys (an empty list removes it).
  bool replaceSection(std::string_view section, std::span<const SettingsEntry> entries);
  bool eraseKey(std::string_view section, std::string_view key);
  bool eraseSection(std::string_view section);

  // Reads the file, lets change edit it and writes it back when anything
  // changed. False when change refused (returned false) or writing failed.
  // Erasing what is not there succeeds without writing.
  bool modify(const std::function<bool(IniDocument&)>& change);

 private:
  std::filesystem::path path_;
  MessageSink& messages_;
  FileSystemOps& fs_;
};

}  // namespace kes
