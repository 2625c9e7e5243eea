#include "datafiles/safe_replace.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "data_file_helpers.h"
#include "datafiles/stale_temp_files.h"
#include "test_temp_dir.h"

namespace kes {
namespace {

using testing::FailingFileSystem;
using testing::RecordingSink;
using testing::filesIn;
using testing::readBytes;
using testing::writeBytes;
using Step = FailingFileSystem::Step;

const std::string kOld = "[Version]\r\nVersion=0300\r\n\r\n[0023]\r\nAnna=000001\r\n";

TEST(SafeReplace, NewContentsReplaceTheOldAndNoTemporaryFileStays) {
  TempDir tmp;
  const auto target = tmp.path() / "STAT.DAT";
  writeBytes(target, kOld);
  RecordingSink sink;
  ASSERT_TRUE(replaceFileContents(target, "new\r\n", sink));
  EXPECT_EQ(readBytes(target), "new\r\n");
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(filesIn(tmp.path()), std::vector<std::string>{"STAT.DAT"});
}

TEST(SafeReplace, MissingTargetIsCreated) {
  TempDir tmp;
  RecordingSink sink;
  ASSERT_TRUE(replaceFileContents(tmp.path() / "GAM_CUST.DAT", "[R-0301]\r\n", sink));
  EXPECT_EQ(readBytes(tmp.path() / "GAM_CUST.DAT"), "[R-0301]\r\n");
}

TEST(SafeReplace, TargetKeepsItsPermissions) {
  TempDir tmp;
  const auto target = tmp.path() / "CFG.DAT";
  writeBytes(target, kOld);
  ::chmod(target.c_str(), 0640);
  RecordingSink sink;
  ASSERT_TRUE(replaceFileContents(target, "x", sink));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640U);
}

struct FailureCase {
  Step step;
  std::string message;  // the message's beginning
};

class SafeReplaceFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SafeReplaceFailure, LeavesTargetByteForByteAndRemovesTheTemporaryFile) {
  TempDir tmp;
  const auto target = tmp.path() / "STAT.DAT";
  writeBytes(target, kOld);
  FailingFileSystem fs(GetParam().step);
  RecordingSink sink;
  EXPECT_FALSE(replaceFileContents(target, std::string(100000, 'n'), sink, fs));
  EXPECT_EQ(readBytes(target), kOld);
  EXPECT_EQ(filesIn(tmp.path()), std::vector<std::string>{"STAT.DAT"});
  ASSERT_EQ(sink.messages.size(), 1U);
  EXPECT_EQ(sink.messages[0].rfind(GetParam().message, 0), 0U) << sink.messages[0];
  // The player learns which file kept its old contents.
  EXPECT_NE(sink.messages[0].find(target.string()), std::string::npos) << sink.messages[0];
}

INSTANTIATE_TEST_SUITE_P(EachStep, SafeReplaceFailure,
                         ::testing::Values(FailureCase{Step::CreateTemp, "Error creating temp file."},
                                           FailureCase{Step::Write, "Write error on file"},
                                           FailureCase{Step::Sync, "Write error on file"},
                                           FailureCase{Step::Rename, "Error renaming file: "}));

TEST(SafeReplace, RenameFailureNamesBothFiles) {
  TempDir tmp;
  const auto target = tmp.path() / "STAT.DAT";
  writeBytes(target, kOld);
  FailingFileSystem fs(Step::Rename);
  RecordingSink sink;
  ASSERT_FALSE(replaceFileContents(target, "x", sink, fs));
  ASSERT_EQ(sink.messages.size(), 1U);
  EXPECT_EQ(sink.messages[0], "Error renaming file: " + fs.tempPath.string() + "\rwith: " + target.string());
  EXPECT_EQ(fs.tempPath.parent_path(), tmp.path());
  EXPECT_EQ(fs.tempPath.filename().string().rfind("rpl", 0), 0U);
}

TEST(SafeReplace, MissingFolderCannotTakeATemporaryFile) {
  TempDir tmp;
  RecordingSink sink;
  EXPECT_FALSE(replaceFileContents(tmp.path() / "nowhere" / "CFG.DAT", "x", sink));
  EXPECT_EQ(sink.messages,
            std::vector<std::string>{"Error creating temp file.\r" + (tmp.path() / "nowhere" / "CFG.DAT").string()});
}

// What a killed writer left is removed by the next write; a temporary file
// another writer still holds (another instance of the program, in the middle
// of its own write) and files of other names are left alone.
TEST(SafeReplace, NextWriteRemovesOnlyTemporaryFilesNobodyHolds) {
  TempDir tmp;
  const auto target = tmp.path() / "STAT.DAT";
  writeBytes(target, kOld);
  for (const char* name : {"rplAb12Cd", "rpl000000", "rplheld00", "rplshort", "rplToolong1", "rpl12345.DAT", "CFG.DAT"})
    writeBytes(tmp.path() / name, "x");
  std::filesystem::create_directory(tmp.path() / "rplfolder");
  std::filesystem::create_symlink(target, tmp.path() / "rplLinked");
  // Held the way a writer holds its own: a lock on an open file.
  const int held = ::open((tmp.path() / "rplheld00").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  RecordingSink sink;
  ASSERT_TRUE(replaceFileContents(target, "new\r\n", sink));
  auto names = filesIn(tmp.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"CFG.DAT", "STAT.DAT", "rpl12345.DAT", "rplLinked", "rplToolong1",
                                             "rplfolder", "rplheld00", "rplshort"}));
  // Once its writer is gone, the file is stale too.
  ::close(held);
  EXPECT_EQ(removeStaleTempFiles(tmp.path()), 1);
  EXPECT_FALSE(std::filesystem::exists(tmp.path() / "rplheld00"));
  EXPECT_EQ(readBytes(target), "new\r\n");
}

// A writer's temporary file is locked from its creation until it is renamed:
// another instance's clean-up running meanwhile cannot take it.
TEST(SafeReplace, ATemporaryFileInUseIsNotStale) {
  TempDir tmp;
  RealFileSystemOps fs;
  auto temp = fs.createTempFor(tmp.path() / "CFG.DAT");
  ASSERT_TRUE(temp);
  ASSERT_TRUE(fs.writeAll(temp->fd, "new") && fs.close(temp->fd));
  EXPECT_EQ(removeStaleTempFiles(tmp.path()), 0);
  ASSERT_TRUE(fs.rename(temp->path, tmp.path() / "CFG.DAT"));
  fs.release(*temp);
  EXPECT_EQ(readBytes(tmp.path() / "CFG.DAT"), "new");
}

}  // namespace
}  // namespace kes
