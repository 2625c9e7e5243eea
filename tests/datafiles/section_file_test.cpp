#include "datafiles/section_file.h"

#include <gtest/gtest.h>

#include "data_file_helpers.h"
#include "datafiles/section_scan.h"
#include "test_temp_dir.h"

namespace kes {
namespace {

using testing::FailingFileSystem;
using testing::RecordingSink;
using testing::filesIn;
using testing::readBytes;
using testing::writeBytes;

const std::string kStats =
    "[Version]\r\nVersion=0300\r\n"
    "\r\n[0023]\r\nPlayer 10=000009\r\nPlayer 1=000001   \r\nBob=000002\r\n"
    "\r\n[0042]\r\nAnna=000042\r\n";

class SectionFileTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return tmp_.path() / "STAT.DAT"; }
  void given(const std::string& bytes) { writeBytes(file(), bytes); }
  std::string bytes() const { return readBytes(file()); }

  TempDir tmp_;
  RecordingSink sink_;
  SectionFile stats_{file(), sink_};
};

TEST_F(SectionFileTest, MissingFileHasNoSectionsAndNoComplaint) {
  EXPECT_FALSE(stats_.findSection("0023"));
  EXPECT_FALSE(stats_.readValue("0023", "Anna"));
  EXPECT_TRUE(stats_.listSections().empty());
  EXPECT_TRUE(stats_.readSectionLines("0023").empty());
  EXPECT_TRUE(sink_.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(SectionFileTest, FindsTheHeaderLineNotTheSameTextInsideALine) {
  given("[Version]\r\nNote=[0042]\r\n[0023] x\r\n\r\n[0023]\r\nA=1\r\n[0042]\r\n");
  EXPECT_EQ(stats_.findSection("Version"), 0U);
  EXPECT_EQ(stats_.findSection("0023"), 36U);
  EXPECT_EQ(stats_.findSection("0042"), 49U);
  EXPECT_FALSE(stats_.findSection("002"));
}

TEST_F(SectionFileTest, ReadValueMatchesTheWholeKeyAndDropsTrailingBlanks) {
  given(kStats);
  EXPECT_EQ(stats_.readValue("0023", "Player 1"), "000001");
  EXPECT_EQ(stats_.readValue("0023", "Player 10"), "000009");
  EXPECT_EQ(stats_.readValue("0042", "Anna"), "000042");  // last section, at the end of the file
  EXPECT_FALSE(stats_.readValue("0023", "Anna"));         // belongs to the next section
  EXPECT_FALSE(stats_.readValue("0023", "Player"));
  EXPECT_FALSE(stats_.readValue("0099", "Anna"));
}

TEST_F(SectionFileTest, LastSectionWithoutFinalLineBreakIsRead) {
  given("[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnna=000001");
  EXPECT_EQ(stats_.readValue("0001", "Anna"), "000001");
  EXPECT_EQ(stats_.readSectionLines("0001"), std::vector<std::string>{"Anna=000001"});
  given("[Version]\r\nVersion=0300\r\n[0001]");
  EXPECT_EQ(stats_.findSection("0001"), 25U);
  EXPECT_TRUE(stats_.readSectionLines("0001").empty());
}

TEST_F(SectionFileTest, ReadKeysStartsFromTheDefaultsAndTellsWhetherAllWereFound) {
  given(kStats);
  const std::vector<std::string> keys{"Bob", "Player 1", "Carol"};
  std::vector<std::string> values{"d1", "d2", "d3"};
  EXPECT_FALSE(stats_.readKeys("0023", keys, values));
  EXPECT_EQ(values, (std::vector<std::string>{"000002", "000001   ", "d3"}));

  const std::vector<std::string> present{"Player 10", "Bob"};
  std::vector<std::string> found{"x", "y"};
  EXPECT_TRUE(stats_.readKeys("0023", present, found));
  EXPECT_EQ(found, (std::vector<std::string>{"000009", "000002"}));

  std::vector<std::string> untouched{"a", "b"};
  EXPECT_FALSE(stats_.readKeys("0099", present, untouched));
  EXPECT_EQ(untouched, (std::vector<std::string>{"a", "b"}));
}

TEST_F(SectionFileTest, ListsSectionsAndReadsBodyLinesVerbatim) {
  given(kStats);
  EXPECT_EQ(stats_.listSections(), (std::vector<std::string>{"Version", "0023", "0042"}));
  EXPECT_EQ(stats_.readSectionLines("0023"),
            (std::vector<std::string>{"Player 10=000009", "Player 1=000001   ", "Bob=000002"}));
}

TEST_F(SectionFileTest, AppendSectionAddsAnEmptyLineHeaderAndPairs) {
  given("[Version]\r\nVersion=0300\r\n");
  const std::vector<KeyValue> pairs{{"Anna", "000001"}, {"Bob", "000002"}};
  ASSERT_TRUE(stats_.appendSection("0007", pairs));
  EXPECT_EQ(bytes(), "[Version]\r\nVersion=0300\r\n\r\n[0007]\r\nAnna=000001\r\nBob=000002\r\n");
}

TEST_F(SectionFileTest, UpdateValueOfTheSameWidthOverwritesInPlace) {
  given(kStats);
  ASSERT_TRUE(stats_.updateValue("0023", "Player 1", "000777   "));
  std::string expected = kStats;
  expected.replace(expected.find("000001   "), 9, "000777   ");
  EXPECT_EQ(bytes(), expected);
}

TEST_F(SectionFileTest, UpdateValueWithANewKeyRewritesTheSectionKeepingTheOthers) {
  given(kStats);
  ASSERT_TRUE(stats_.updateValue("0023", "Carol", "000003"));
  EXPECT_EQ(bytes(),
            "[Version]\r\nVersion=0300\r\n"
            "\r\n[0023]\r\nPlayer 10=000009\r\nPlayer 1=000001   \r\nBob=000002\r\nCarol=000003\r\n"
            "\r\n[0042]\r\nAnna=000042\r\n");
  EXPECT_EQ(filesIn(tmp_.path()), std::vector<std::string>{"STAT.DAT"});
}

TEST_F(SectionFileTest, UpdateValueOfAnotherWidthNeverRunsIntoTheNextLine) {
  given(kStats);
  ASSERT_TRUE(stats_.updateValue("0023", "Bob", "0000000002"));
  EXPECT_EQ(stats_.readValue("0023", "Bob"), "0000000002");
  EXPECT_EQ(stats_.readValue("0042", "Anna"), "000042");
  EXPECT_EQ(stats_.listSections(), (std::vector<std::string>{"Version", "0023", "0042"}));
}

TEST_F(SectionFileTest, UpdateValueAppendsAMissingSectionAndCreatesAMissingFile) {
  ASSERT_TRUE(stats_.updateValue("0001", "Anna", "000001"));
  EXPECT_EQ(bytes(), "\r\n[0001]\r\nAnna=000001\r\n");
  ASSERT_TRUE(stats_.updateValue("0002", "Anna", "000005"));
  EXPECT_EQ(bytes(), "\r\n[0001]\r\nAnna=000001\r\n\r\n[0002]\r\nAnna=000005\r\n");
}

TEST_F(SectionFileTest, WriteSectionInPlaceOverwritesOnlyWhenTheBytesMatch) {
  given(kStats);
  const std::vector<KeyValue> same{{"Player 10", "000008"}, {"Player 1", "000004   "}, {"Bob", "000006"}};
  ASSERT_TRUE(stats_.writeSectionInPlace("0023", same));
  EXPECT_EQ(stats_.readSectionLines("0023"),
            (std::vector<std::string>{"Player 10=000008", "Player 1=000004   ", "Bob=000006"}));

  const std::vector<KeyValue> longer{{"Player 10", "0000000008"}};
  ASSERT_TRUE(stats_.writeSectionInPlace("0023", longer));
  EXPECT_EQ(stats_.readSectionLines("0023"),
            (std::vector<std::string>{"Player 10=0000000008", "Player 1=000004   ", "Bob=000006"}));
  EXPECT_EQ(stats_.readValue("0042", "Anna"), "000042");

  ASSERT_TRUE(stats_.writeSectionInPlace("0050", longer));
  EXPECT_EQ(stats_.readValue("0050", "Player 10"), "0000000008");
}

TEST_F(SectionFileTest, ReplaceSectionInTheMiddleKeepsWhatSurroundsIt) {
  given(kStats);
  const std::vector<KeyValue> pairs{{"Anna", "000100"}};
  ASSERT_TRUE(stats_.replaceSection("0023", pairs));
  EXPECT_EQ(bytes(), "[Version]\r\nVersion=0300\r\n\r\n[0023]\r\nAnna=000100\r\n\r\n[0042]\r\nAnna=000042\r\n");
}

TEST_F(SectionFileTest, ReplacingTheLastSectionLeavesItsBodyAndOneEmptyLine) {
  given(kStats);
  const std::vector<KeyValue> pairs{{"Anna", "000043"}, {"Bob", "000001"}};
  ASSERT_TRUE(stats_.replaceSection("0042", pairs));
  const std::string before = kStats.substr(0, kStats.find("[0042]\r\n") + 8);
  EXPECT_EQ(bytes(), before + "Anna=000043\r\nBob=000001\r\n\r\n");
}

TEST_F(SectionFileTest, ReplacingAMissingSectionAddsIt) {
  given("[Version]\r\nVersion=0300\r\n");
  const std::vector<KeyValue> pairs{{"Anna", "000001"}};
  ASSERT_TRUE(stats_.replaceSection("0005", pairs));
  EXPECT_EQ(bytes(), "[Version]\r\nVersion=0300\r\n\r\n[0005]\r\nAnna=000001\r\n\r\n");
}

TEST_F(SectionFileTest, FailedReplacementLeavesTheFileAsItWas) {
  given(kStats);
  for (const auto step : {FailingFileSystem::Step::CreateTemp, FailingFileSystem::Step::Write,
                          FailingFileSystem::Step::Rename}) {
    FailingFileSystem fs(step);
    SectionFile stats(file(), sink_, fs);
    const std::vector<KeyValue> pairs{{"Anna", "000100"}};
    EXPECT_FALSE(stats.replaceSection("0023", pairs));
    EXPECT_FALSE(stats.replaceInLines(1, "Anna", "Zoe "));
    EXPECT_EQ(bytes(), kStats);
    EXPECT_EQ(filesIn(tmp_.path()), std::vector<std::string>{"STAT.DAT"});
  }
  EXPECT_EQ(sink_.messages.size(), 6U);
}

TEST_F(SectionFileTest, ReplaceInLinesChangesOnlyTextAtThePosition) {
  // Log lines: the player name at character 5.
  given("0001Anna  Won \r\n0002Bob   Lost\r\n0003Anna2 Won \r\nAnna at the start\r\n0004Anna  Lost");
  ASSERT_TRUE(stats_.replaceInLines(5, "Anna  ", "Annabel "));
  EXPECT_EQ(bytes(), "0001Annabel Won \r\n0002Bob   Lost\r\n0003Anna2 Won \r\nAnna at the start\r\n0004Annabel Lost");
  ASSERT_TRUE(stats_.replaceInLines(5, "Annabel ", "Zoe"));
  EXPECT_EQ(bytes(), "0001ZoeWon \r\n0002Bob   Lost\r\n0003Anna2 Won \r\nAnna at the start\r\n0004ZoeLost");
}

TEST_F(SectionFileTest, ReplaceInLinesKeepsEachLinesOwnBreak) {
  given("ab\r\nab\n");
  EXPECT_FALSE(stats_.replaceInLines(2, "b\r", "X"));
  ASSERT_TRUE(stats_.replaceInLines(2, "b ", "X"));
  EXPECT_EQ(bytes(), "ab\r\nab\n");
  ASSERT_TRUE(stats_.replaceInLines(2, "b", "X"));
  EXPECT_EQ(bytes(), "aX\r\naX\n");
}

TEST_F(SectionFileTest, TextThatWouldBreakTheLinesIsRefused) {
  given(kStats);
  const std::vector<KeyValue> injected{{"Eve", "000001\r\n[0042]"}};
  const std::vector<KeyValue> keyWithEquals{{"Eve=1", "000001"}};
  EXPECT_FALSE(stats_.appendSection("0007", injected));
  EXPECT_FALSE(stats_.replaceSection("0023", keyWithEquals));
  EXPECT_FALSE(stats_.updateValue("0023", "Bob", "00\r\n02"));
  EXPECT_FALSE(stats_.writeSectionInPlace("00]23", keyWithEquals));
  EXPECT_FALSE(stats_.replaceInLines(1, "[0023]", "x\n"));
  EXPECT_EQ(bytes(), kStats);
}

TEST_F(SectionFileTest, CreateIfMissingCreatesOnlyOnce) {
  EXPECT_TRUE(stats_.createIfMissing());
  EXPECT_EQ(bytes(), "");
  given(kStats);
  EXPECT_FALSE(stats_.createIfMissing());
  EXPECT_EQ(bytes(), kStats);
}

TEST_F(SectionFileTest, FileThatCannotBeOpenedIsReported) {
  SectionFile nowhere(tmp_.path() / "missing" / "STAT.DAT", sink_);
  const std::vector<KeyValue> pairs{{"Anna", "000001"}};
  EXPECT_FALSE(nowhere.appendSection("0001", pairs));
  EXPECT_EQ(sink_.messages,
            std::vector<std::string>{"Cannot open file " + (tmp_.path() / "missing" / "STAT.DAT").string()});
}

// Half a section would be read as a whole one with records missing.
TEST_F(SectionFileTest, AppendThatRunsOutOfRoomLeavesTheFileAsItWas) {
  given(kStats);
  FailingFileSystem full(FailingFileSystem::Step::Write);
  SectionFile onFullDisk(file(), sink_, full);
  const std::vector<KeyValue> pairs{{"Anna", "000001"}, {"Bob", "000002"}, {"Carl", "000003"}};
  EXPECT_FALSE(onFullDisk.appendSection("0099", pairs));
  EXPECT_EQ(bytes(), kStats);
  ASSERT_EQ(sink_.messages.size(), 1U);
  EXPECT_EQ(sink_.messages[0], "Write error on file " + file().string());
}

TEST_F(SectionFileTest, FolderInPlaceOfTheFileIsReportedNotReadAsEmpty) {
  std::filesystem::create_directory(file());
  EXPECT_FALSE(stats_.readValue("0023", "Bob"));
  EXPECT_TRUE(stats_.listSections().empty());
  const std::vector<KeyValue> pairs{{"Anna", "000100"}};
  EXPECT_FALSE(stats_.replaceSection("0023", pairs));
  EXPECT_EQ(sink_.messages.size(), 3U);
  EXPECT_TRUE(std::filesystem::is_directory(file()));
}

// A header placed so that it starts at `offset`, after one filler section.
std::string fileWithHeaderAt(std::size_t offset) {
  const std::string start = "[Fill]\r\nX=";
  std::string filler = start + std::string(offset - start.size() - 2, 'f') + "\r\n";
  return filler + "[0023]\r\nAnna=000001\r\n";
}

class SectionAcrossBlocks : public ::testing::TestWithParam<std::size_t> {};

TEST_P(SectionAcrossBlocks, HeaderIsFoundWhereverTheBlocksSplitIt) {
  TempDir tmp;
  RecordingSink sink;
  const auto path = tmp.path() / "STAT.DAT";
  writeBytes(path, fileWithHeaderAt(GetParam()));
  SectionFile stats(path, sink);
  EXPECT_EQ(stats.findSection("0023"), GetParam());
  EXPECT_EQ(stats.readValue("0023", "Anna"), "000001");
}

INSTANTIATE_TEST_SUITE_P(AroundBoundaries, SectionAcrossBlocks,
                         ::testing::Values(100, kSectionSearchBlock - 7, kSectionSearchBlock - 6,
                                           kSectionSearchBlock - 5, kSectionSearchBlock - 3, kSectionSearchBlock - 1,
                                           kSectionSearchBlock, kSectionSearchBlock + 1,
                                           2 * kSectionSearchBlock - 12, 2 * kSectionSearchBlock - 9,
                                           2 * kSectionSearchBlock - 6, 2 * kSectionSearchBlock - 3,
                                           3 * kSectionSearchBlock));

TEST(SectionSearch, TextThatOnlyLooksLikeAHeaderAcrossABoundaryIsSkipped) {
  // "[0023]" at the end of the first block followed by more text on the line,
  // then the real header further on.
  std::string text = "[Fill]\r\nX=" + std::string(kSectionSearchBlock - 10 - 8, 'f') + "\r\n[0023]x\r\n";
  const std::size_t real = text.size();
  text += "[0023]\r\nA=1\r\n";
  std::istringstream in(text);
  EXPECT_EQ(findSectionHeader(in, "0023"), real);
}

}  // namespace
}  // namespace kes
