#include "fuzz_support.h"

#include <stdlib.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace kes::fuzz {
namespace {

constexpr std::array kTargets{
    Target{"catalogue", gameCatalogue},       Target{"settings", settingsFile},
    Target{"section", sectionFile},           Target{"stat", statFile},
    Target{"scores", scoreFile},              Target{"overall", overallScoreFile},
    Target{"log", gameLogFile},               Target{"custom_games", customGamesFile},
    Target{"catalogue_source", catalogueSource}, Target{"deal_number", typedDealNumber},
    Target{"engine", enginePlay},           Target{"saved_game", savedGameFile},
};

// Removed at exit, so that a long fuzzing run leaves nothing behind.
struct ScratchFolder {
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot create a scratch folder");
    path = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path;
};

}  // namespace

FileSystemOps& unsynced() {
  static UnsyncedFileSystem fs;
  return fs;
}

std::span<const Target> targets() { return kTargets; }

const Target* findTarget(std::string_view name) {
  for (const Target& t : kTargets)
    if (t.name == name) return &t;
  return nullptr;
}

void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

const std::filesystem::path& scratch() {
  static const ScratchFolder folder;
  return folder.path;
}

void clearScratch() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(scratch(), ec)) {
    // A read-only folder a target made must not stop its removal.
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(entry.path(), ec);
  }
}

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  check(static_cast<bool>(out), "cannot write " + file.string());
}

std::string readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path builtData() {
  if (const char* dir = std::getenv("KESTROVA_TEST_DATA"); dir && *dir) return dir;
  return KES_FUZZ_DATA_DIR;
}

unsigned InputReader::byte() {
  if (rest_.empty()) return 0;
  const auto b = static_cast<unsigned char>(rest_.front());
  rest_.remove_prefix(1);
  return b;
}

std::string_view InputReader::field() {
  const auto end = rest_.find('\0');
  const std::string_view text = rest_.substr(0, end);
  rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
  return text;
}

}  // namespace kes::fuzz
