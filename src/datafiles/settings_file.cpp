#include "settings_file.h"

#include <string>
#include <system_error>

#include "datafiles/file_text.h"
#include "datafiles/safe_replace.h"

namespace kes {

SettingsFile::SettingsFile(std::filesystem::path path, MessageSink& messages, FileSystemOps& fs)
    : path_(std::move(path)), messages_(messages), fs_(fs) {}

IniDocument SettingsFile::readAll() const {
  // An unreadable file reads like a missing one: every key its default.
  return IniDocument::parse(readFileBytes(path_).value_or(std::string{}));
}

std::string SettingsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  return readAll().stringValue(section, key, fallback);
}

int SettingsFile::readInt(std::string_view section, std::string_view key, int fallback) const {
  return readAll().intValue(section, key, fallback);
}

std::vector<SettingsEntry> SettingsFile::readSection(std::string_view section) const {
  return readAll().entries(section);
}

bool SettingsFile::modify(const std::function<bool(IniDocument&)>& change) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(path_, ec);
  const auto bytes = readFileBytes(path_);
  // A file that is there but cannot be read must not be replaced by one
  // holding only the keys written now.
  if (exists && !bytes) {
    messages_.information(cannotOpenFileMessage(path_));
    return false;
  }
  IniDocument doc = IniDocument::parse(bytes.value_or(std::string{}));
  const std::string before = doc.text();
  if (!change(doc)) return false;
  if (exists && doc.text() == before) return true;
  ensureFolderOf(path_);
  return replaceFileContents(path_, doc.text(), messages_, fs_);
}

bool SettingsFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  return modify([&](IniDocument& doc) { return doc.set(section, key, value); });
}

bool SettingsFile::writeInt(std::string_view section, std::string_view key, int value) {
  return writeString(section, key, std::to_string(value));
}

bool SettingsFile::writeStrings(std::string_view section, std::span<const SettingsEntry> entries) {
  return modify([&](IniDocument& doc) {
    for (const auto& entry : entries) {
      if (!doc.set(section, entry.key, entry.value)) return false;
    }
    return true;
  });
}

bool SettingsFile::replaceSection(std::string_view section, std::span<const SettingsEntry> entries) {
  return modify([&](IniDocument& doc) {
    doc.eraseSection(section);
    for (const auto& entry : entries) {
      if (!doc.set(section, entry.key, entry.value)) return false;
    }
    return true;
  });
}

bool SettingsFile::eraseKey(std::string_view section, std::string_view key) {
  return modify([&](IniDocument& doc) {
    doc.eraseKey(section, key);
    return true;
  });
}

bool SettingsFile::eraseSection(std::string_view section) {
  return modify([&](IniDocument& doc) {
    doc.eraseSection(section);
    return true;
  });
}

}  // namespace kes

