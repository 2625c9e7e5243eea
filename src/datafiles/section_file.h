#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/file_system_ops.h"
#include "datafiles/message_sink.h"
#include "datafiles/section_scan.h"

namespace kes {

struct KeyValue {
  std::string key;
  std::string value;
};

// The program's own sectioned data files (the statistics files): lines of
// key "=" value under "[name]" headers, with CR LF line breaks. Names and
// keys compare exactly. Values are fixed-width, which lets a changed value
// overwrite the old one in place. A missing file has no sections; one that
// exists but cannot be opened is reported as "Cannot open file <path>".
// Writers refuse, without touching the file, names and values that would
// break its lines (line breaks, "=" in a key, "]" in a section name).
class SectionFile {
 public:
  explicit SectionFile(std::filesystem::path path, MessageSink& messages, FileSystemOps& fs = realFileSystem());

  const std::filesystem::path& path() const { return path_; }

  // Byte offset of the section's "[".
  std::optional<std::uint64_t> findSection(std::string_view section) const;
  // The value of the first body line "key=...", without trailing blanks.
  std::optional<std::string> readValue(std::string_view section, std::string_view key) const;
  // values holds the defaults on entry, one per key, and each key's value
  // (the text after its "=") on return. True when every key was found.
  bool readKeys(std::string_view section, std::span<const std::string> keys, std::vector<std::string>& values) const;
  std::vector<std::string> listSections() const;
  // The section's non-empty body lines as they stand.
  std::vector<std::string> readSectionLines(std::string_view section) const;

  // CR LF, the header, CR LF and one "key=value" CR LF line per pair at the end.
  bool appendSection(std::string_view section, std::span<const KeyValue> pairs);
  // Overwrites the section's first lines with the pairs when they take the
  // same bytes; otherwise the section is rewritten with them, so a change of
  // length never runs into the lines that follow. A missing section is appended.
  bool writeSectionInPlace(std::string_view section, std::span<const KeyValue> pairs);
  // A value of the same width is overwritten in place; a new key or a value
  // of another width rewrites the section; a missing section is appended.
  bool updateValue(std::string_view section, std::string_view key, std::string_view value);
  // Rewrites the file with the section's body replaced by the pairs and one
  // empty line; everything before and after it stays. A missing section is
  // added at the end.
  bool replaceSection(std::string_view section, std::span<const KeyValue> pairs);
  // In every line whose text at the 1-based position from is oldText, puts
  // newText there instead (the line grows or shrinks when their lengths
  // differ). The file is rewritten only when a line changed.
  bool replaceInLines(std::size_t from, std::string_view oldText, std::string_view newText);
  // True when it created an empty file.
  bool createIfMissing();

 private:
  bool exists() const;
  void cannotOpen() const;
  // A missing file gives nothing silently; an unopenable one is reported.
  std::optional<std::ifstream> openToRead() const;
  std::optional<SectionBody> body(std::string_view section) const;
  bool replaceBodyLines(std::string_view section, std::vector<std::string> lines);
  bool overwriteAt(std::uint64_t offset, std::string_view bytes);

  std::filesystem::path path_;
  MessageSink& messages_;
  FileSystemOps& fs_;
};

}  // namespace kes
