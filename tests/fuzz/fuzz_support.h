#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/file_system_ops.h"
#include "datafiles/message_sink.h"

namespace kes::fuzz {

// One reader of outside data, fed any bytes at all. It returns normally
// when the reader coped; a broken promise (a lost record, a table that
// undo does not give back) ends the process through fail(), which both
// libFuzzer and the test that replays the kept inputs report.
using Entry = void (*)(std::string_view input);

struct Target {
  std::string_view name;
  Entry run;
};

std::span<const Target> targets();
const Target* findTarget(std::string_view name);

[[noreturn]] void fail(const std::string& what);
inline void check(bool ok, const std::string& what) {
  if (!ok) fail(what);
}

// A folder of this process, emptied before every input, for the files the
// readers open by path.
const std::filesystem::path& scratch();
void clearScratch();
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
std::string readBytes(const std::filesystem::path& file);

// The built read-only data (GAMES.DAT), for targets that play games.
std::filesystem::path builtData();

// Takes the input apart: a few bytes to choose with, the rest as a file.
class InputReader {
 public:
  explicit InputReader(std::string_view input) : rest_(input) {}
  // 0 when the input is used up.
  unsigned byte();
  unsigned below(unsigned bound) { return bound == 0 ? 0 : byte() % bound; }
  // Text up to the next NUL byte (or the end), consumed with it.
  std::string_view field();
  std::string_view rest() const { return rest_; }
  bool empty() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// Keeps what the data-file routines tell the player.
class CollectingSink : public MessageSink {
 public:
  void information(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// The real file system without its syncs to disk: a sync is what a power
// cut needs, not a reader, and it would slow fuzzing a hundredfold.
class UnsyncedFileSystem : public RealFileSystemOps {
 public:
  bool sync(int) override { return true; }
  bool syncFolder(const std::filesystem::path&) override { return true; }
};
FileSystemOps& unsynced();

// Each reader's entry, one per file it reads.
void gameCatalogue(std::string_view input);
void settingsFile(std::string_view input);
void sectionFile(std::string_view input);
void statFile(std::string_view input);
void scoreFile(std::string_view input);
void overallScoreFile(std::string_view input);
void gameLogFile(std::string_view input);
void customGamesFile(std::string_view input);
void catalogueSource(std::string_view input);
void typedDealNumber(std::string_view input);
void enginePlay(std::string_view input);
void savedGameFile(std::string_view input);

}  // namespace kes::fuzz
