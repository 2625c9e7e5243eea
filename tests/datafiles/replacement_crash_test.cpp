// Safe replacement under a crash, a full disk and a read-only folder. A
// child process writes one kind of data file over and over, flipping it
// between two versions, and is killed at a random moment: afterwards the
// file is whole, the old version or the new one. A write that cannot be
// done (no room, no write permission) keeps the old file and tells the
// player which file it was.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "data_file_helpers.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/file_append.h"
#include "datafiles/hi_score_entry.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/player_game_stats.h"
#include "datafiles/section_file.h"
#include "datafiles/settings_file.h"
#include "datafiles/stat_file.h"
#include "datafiles/statistics_files.h"
#include "test_temp_dir.h"

namespace kes::testing {
namespace {

// One kind of data file: the file, how to bring it to version 0 or 1 with
// the program's own writer (from either version), and a few records first.
struct FileKind {
  std::string name;
  std::string file;  // below the folder
  std::function<void(const std::filesystem::path& folder, MessageSink&)> prepare;
  std::function<bool(const std::filesystem::path& folder, int version, MessageSink&)> write;
};

StatisticsFiles statisticsIn(const std::filesystem::path& folder, MessageSink& sink) {
  StatisticsFiles files;
  files.folder = folder;
  files.messages = &sink;
  files.now = [] { return StampedTime{"20261209", "18:30:05"}; };
  files.fillerDigit = [] { return 3; };
  files.cardsInGame = [](int) { return 52; };
  return files;
}

PlayerGameStats statsVersion(int version) {
  PlayerGameStats s;
  s.won = 10 + version;
  s.lost = 4 - version;
  s.scoreTotal = 1234 + version;
  return s;
}

// Many sections, so that a rewrite takes long enough to be caught half way.
std::vector<KeyValue> bigSection(int version) {
  std::vector<KeyValue> pairs;
  for (int i = 0; i < 400 + 40 * version; ++i)
    pairs.push_back({"K" + std::to_string(i), std::string(60, static_cast<char>('a' + version))});
  return pairs;
}

std::vector<FileKind> fileKinds() {
  return {
      {"settings", "CFG.DAT",
       [](const auto& folder, MessageSink& sink) {
         SettingsFile settings(folder / "CFG.DAT", sink);
         for (int i = 1; i <= 200; ++i) settings.writeString("Users", "User" + std::to_string(i), "Player " + std::to_string(i));
       },
       [](const auto& folder, int version, MessageSink& sink) {
         return SettingsFile(folder / "CFG.DAT", sink).writeString("Preference", "Game", version ? "12345" : "7");
       }},
      {"section rewrite", "STAT.DAT",
       [](const auto& folder, MessageSink& sink) {
         SectionFile file(folder / "STAT.DAT", sink);
         file.appendSection("Version", std::vector<KeyValue>{{"Version", "0300"}});
         file.appendSection("0002", bigSection(0));
       },
       [](const auto& folder, int version, MessageSink& sink) {
         return SectionFile(folder / "STAT.DAT", sink).replaceSection("0001", bigSection(version));
       }},
      {"statistics", "STAT.DAT",
       [](const auto& folder, MessageSink& sink) {
         const auto files = statisticsIn(folder, sink);
         for (int game = 1; game <= 30; ++game) writePlayerGameStats(files, game, "Ann", statsVersion(0));
       },
       [](const auto& folder, int version, MessageSink& sink) {
         return writePlayerGameStats(statisticsIn(folder, sink), 7, "Ann", statsVersion(version));
       }},
      {"hi-scores", "STAT_SCR.DAT",
       [](const auto& folder, MessageSink& sink) {
         const auto files = statisticsIn(folder, sink);
         for (int game = 1; game <= 30; ++game) readHiScores(files, game, "01");
       },
       [](const auto& folder, int version, MessageSink& sink) {
         const auto files = statisticsIn(folder, sink);
         auto entries = sampleHiScores(version ? 52 : 104, {"20261209", "18:30:05"});
         return writeHiScores(files, 5, "01", entries);
       }},
      {"custom games", "DATA/GAM_CUST.DAT",
       [](const auto& folder, MessageSink& sink) {
         for (int i = 0; i < 40; ++i) addCustomGame(folder / kCustomGamesFileName, "Mine " + std::to_string(i), 1, "0030001", sink);
       },
       [](const auto& folder, int version, MessageSink& sink) {
         // Either step may find the file already in the version it makes.
         const auto file = folder / kCustomGamesFileName;
         const int number = customGameNumberByName(file, "Flipping");
         if (version) return number >= 0 || addCustomGame(file, "Flipping", 2, "0010001", sink).has_value();
         return number < 0 || deleteCustomGameRecord(file, number, sink);
       }},
  };
}

// Both versions of a kind's file, made in a folder of their own.
std::pair<std::string, std::string> versionsOf(const FileKind& kind) {
  TempDir tmp;
  RecordingSink sink;
  kind.prepare(tmp.path(), sink);
  kind.write(tmp.path(), 0, sink);
  const std::string old = readBytes(tmp.path() / kind.file);
  kind.write(tmp.path(), 1, sink);
  const std::string fresh = readBytes(tmp.path() / kind.file);
  kind.write(tmp.path(), 0, sink);
  EXPECT_EQ(readBytes(tmp.path() / kind.file), old) << kind.name << ": writing version 0 again differs";
  EXPECT_NE(old, fresh) << kind.name;
  EXPECT_TRUE(sink.messages.empty()) << kind.name << ": " << sink.messages.front();
  return {old, fresh};
}

class ReplacementCrash : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ReplacementCrash, KilledWriterLeavesTheOldOrTheNewFile) {
  const FileKind kind = fileKinds()[GetParam()];
  const auto [old, fresh] = versionsOf(kind);
  TempDir tmp;
  RecordingSink sink;
  kind.prepare(tmp.path(), sink);
  kind.write(tmp.path(), 0, sink);
  // One write's length sets how long the child is left to run.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i) kind.write(tmp.path(), i % 2, sink);
  const auto perWrite = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) / 10;

  std::mt19937 rng(static_cast<unsigned>(GetParam()) * 7919u + 1);
  std::uniform_int_distribution<long> delay(0, 3 * perWrite.count() + 50);
  constexpr int kKills = 100;
  int survived = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      RecordingSink quiet;
      for (int i = 1;; ++i) kind.write(tmp.path(), i % 2, quiet);
    }
    ::usleep(static_cast<useconds_t>(delay(rng)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string now = readBytes(tmp.path() / kind.file);
    ASSERT_TRUE(std::filesystem::exists(tmp.path() / kind.file)) << kind.name << " missing after kill " << kill;
    ASSERT_TRUE(now == old || now == fresh) << kind.name << " is neither version after kill " << kill << " ("
                                            << now.size() << " bytes)";
    ++survived;
  }
  EXPECT_EQ(survived, kKills);
  // A killed writer leaves its temporary file; the next write clears them all.
  const auto folder = (tmp.path() / kind.file).parent_path();
  const auto temporaries = [&folder] {
    int n = 0;
    for (const auto& name : filesIn(folder)) n += name.rfind(std::string(kTempFilePrefix), 0) == 0 ? 1 : 0;
    return n;
  };
  const int left = temporaries();
  // Both versions in turn: a write that finds its version already there may
  // change nothing, and a value of the same width is written in place.
  const std::string before = readBytes(tmp.path() / kind.file);
  ASSERT_TRUE(kind.write(tmp.path(), before == old ? 1 : 0, sink)) << kind.name;
  EXPECT_EQ(temporaries(), 0) << kind.name << ": stale temporary files survived the next write";
  std::printf("%s: %d kills survived, %d temporary files left and cleared\n", kind.name.c_str(), survived, left);
}

// Runs one write in a child process whose files may not grow past limit
// bytes (the disk is full) or that may not write in the folder; returns
// what the player was told, one message per line.
std::string writeInChild(const FileKind& kind, const std::filesystem::path& folder, int version,
                         std::function<void()> restrict) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    restrict();
    RecordingSink sink;
    kind.write(folder, version, sink);
    std::string told;
    for (const auto& m : sink.messages) told += m + "\n";
    [[maybe_unused]] auto n = ::write(pipeFds[1], told.data(), told.size());
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string told;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) told.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return told;
}

TEST_P(ReplacementCrash, FullDiskKeepsTheOldFileAndSaysWhich) {
  const FileKind kind = fileKinds()[GetParam()];
  const auto [old, fresh] = versionsOf(kind);
  TempDir tmp;
  RecordingSink sink;
  kind.prepare(tmp.path(), sink);
  kind.write(tmp.path(), 0, sink);
  const auto file = tmp.path() / kind.file;
  // Room for less than the new version: a write that needs it fails half way.
  const rlim_t limit = std::min(old.size(), fresh.size()) / 2;
  const std::string told = writeInChild(kind, tmp.path(), 1, [limit] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit r{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &r);
  });
  const std::string now = readBytes(file);
  ASSERT_TRUE(now == old || now == fresh) << kind.name << " is neither version on a full disk";
  if (now == old) {
    EXPECT_NE(told.find(file.filename().string()), std::string::npos) << kind.name << ": told only " << told;
  }
  for (const auto& name : filesIn(file.parent_path()))
    EXPECT_NE(name.rfind(std::string(kTempFilePrefix), 0), 0u) << kind.name << ": temporary file " << name << " stayed";
}

TEST_P(ReplacementCrash, ReadOnlyFolderKeepsTheOldFileAndSaysWhich) {
  const FileKind kind = fileKinds()[GetParam()];
  const auto [old, fresh] = versionsOf(kind);
  TempDir tmp;
  RecordingSink sink;
  kind.prepare(tmp.path(), sink);
  kind.write(tmp.path(), 0, sink);
  const auto file = tmp.path() / kind.file;
  ::chmod(tmp.path().c_str(), 0755);
  ::chmod(file.parent_path().c_str(), 0555);
  // Root writes anywhere: the child gives up root's rights first.
  const std::string told = writeInChild(kind, tmp.path(), 1, [] {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
  });
  ::chmod(file.parent_path().c_str(), 0755);
  // A value of the same width may still be written into the file in place.
  const std::string now = readBytes(file);
  ASSERT_TRUE(now == old || now == fresh) << kind.name << " is neither version in a read-only folder";
  if (now == old) {
    EXPECT_NE(told.find(file.filename().string()), std::string::npos) << kind.name << ": told only " << told;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfFile, ReplacementCrash, ::testing::Range<std::size_t>(0, 5),
                         [](const auto& kind) {
                           std::string name = fileKinds()[kind.param].name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace kes::testing
