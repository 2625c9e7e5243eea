#include "datafiles/custom_games_file.h"

#include <gtest/gtest.h>

#include "data_file_helpers.h"
#include "datafiles/pad.h"
#include "test_temp_dir.h"

namespace kes {
namespace {

using testing::FailingFileSystem;
using testing::RecordingSink;
using testing::filesIn;
using testing::readBytes;
using testing::writeBytes;

class CustomGamesFileTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return tmp_.path() / "DATA" / "GAM_CUST.DAT"; }
  int add(const std::string& name, int base = 1, const std::string& rules = "001-010") {
    return addCustomGame(file(), name, base, rules, sink_).value_or(-1);
  }
  // A file whose records carry the given numbers.
  void givenNumbers(const std::vector<int>& numbers) {
    std::string text = "[R-0301]\r\n";
    for (const int number : numbers) {
      text += pad(number, 4) + std::string(50, 'n') + "0001\r\n001-010\r\n";
      for (int i = 2; i < 30; ++i) text += "\r\n";
    }
    std::filesystem::create_directories(file().parent_path());
    writeBytes(file(), text);
  }

  TempDir tmp_;
  RecordingSink sink_;
};

TEST_F(CustomGamesFileTest, MissingFileHoldsNoGames) {
  EXPECT_TRUE(listCustomGames(file()).empty());
  EXPECT_FALSE(findCustomGame(file(), 8000));
  EXPECT_EQ(customGameNumberByName(file(), "Easy Klondike"), -1);
  EXPECT_EQ(customGameName(file(), 8000), "");
  EXPECT_EQ(nextCustomGameNumber(file()), 8000);
}

TEST_F(CustomGamesFileTest, FirstGameCreatesTheFileWithItsThirtyLineRecord) {
  ASSERT_EQ(add("Easy Klondike", 35, "003-010"), 8000);
  std::string expected = "[R-0301]\r\n8000Easy Klondike" + std::string(37, ' ') + "0035\r\n003-010\r\n";
  for (int i = 2; i < 30; ++i) expected += "\r\n";
  EXPECT_EQ(readBytes(file()), expected);
  EXPECT_EQ(filesIn(file().parent_path()), std::vector<std::string>{"GAM_CUST.DAT"});
}

TEST_F(CustomGamesFileTest, AddedGamesAreFoundByNumberAndName) {
  ASSERT_EQ(add("Spider Light", 2, "001001" "2"), 8000);
  ASSERT_EQ(add("Golf Easy", 7, "003000" "0"), 8001);
  const auto golf = findCustomGame(file(), 8001);
  ASSERT_TRUE(golf);
  EXPECT_EQ(golf->name, "Golf Easy");
  EXPECT_EQ(golf->baseGame, 7);
  EXPECT_EQ(golf->ruleString, "0030000");
  EXPECT_EQ(customGameNumberByName(file(), "GOLF EASY   "), 8001);
  EXPECT_EQ(customGameName(file(), 8000), "Spider Light");
  EXPECT_FALSE(findCustomGame(file(), 8002));

  const auto all = listCustomGames(file());
  ASSERT_EQ(all.size(), 2U);
  EXPECT_EQ(all[0].name, "Golf Easy");  // sorted by name
  EXPECT_EQ(all[1].number, 8000);
}

TEST_F(CustomGamesFileTest, DeletingFreesTheNumberForTheNextGame) {
  ASSERT_EQ(add("First"), 8000);
  ASSERT_EQ(add("Second"), 8001);
  ASSERT_TRUE(deleteCustomGameRecord(file(), 8000, sink_));
  EXPECT_FALSE(findCustomGame(file(), 8000));
  EXPECT_EQ(customGameName(file(), 8001), "Second");
  EXPECT_EQ(nextCustomGameNumber(file()), 8000);
  ASSERT_EQ(add("Third"), 8000);
  // Records stay in the order they were made; "Third" follows "Second".
  const std::string text = readBytes(file());
  EXPECT_LT(text.find("8001Second"), text.find("8000Third"));
  EXPECT_EQ(text.size(), std::string("[R-0301]\r\n").size() + 2 * (58 + 2 + 7 + 2 + 28 * 2));
}

TEST_F(CustomGamesFileTest, DeletingAMissingGameWritesNothing) {
  ASSERT_EQ(add("Only"), 8000);
  const std::string before = readBytes(file());
  EXPECT_FALSE(deleteCustomGameRecord(file(), 8005, sink_));
  EXPECT_EQ(readBytes(file()), before);
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(CustomGamesFileTest, NextNumberFillsTheSmallestGap) {
  givenNumbers({8001, 8000, 8003, 8005});
  EXPECT_EQ(nextCustomGameNumber(file()), 8002);
  givenNumbers({8001, 8002});
  EXPECT_EQ(nextCustomGameNumber(file()), 8000);
}

TEST_F(CustomGamesFileTest, RecordsWithoutANumberMatchNothing) {
  givenNumbers({8000});
  std::string text = readBytes(file());
  text.replace(10, 4, "80x0");
  writeBytes(file(), text);
  EXPECT_FALSE(findCustomGame(file(), 8000));
  EXPECT_EQ(nextCustomGameNumber(file()), 8000);
  EXPECT_FALSE(deleteCustomGameRecord(file(), 0, sink_));
}

TEST_F(CustomGamesFileTest, WhenEveryNumberIsTakenAddingIsRefused) {
  std::vector<int> all;
  for (int n = kFirstCustomGame; n <= kLastCustomGame; ++n) all.push_back(n);
  givenNumbers(all);
  EXPECT_EQ(nextCustomGameNumber(file()), 10000);
  const std::string before = readBytes(file());
  EXPECT_FALSE(addCustomGame(file(), "One too many", 1, "0010010", sink_));
  EXPECT_EQ(readBytes(file()), before);
  EXPECT_EQ(sink_.messages, std::vector<std::string>{std::string(kNoCustomGameNumberLeft)});
}

TEST_F(CustomGamesFileTest, ValuesTheRecordCannotHoldAreRefused) {
  EXPECT_FALSE(addCustomGame(file(), std::string(51, 'x'), 1, "0010010", sink_));
  EXPECT_FALSE(addCustomGame(file(), "   ", 1, "0010010", sink_));
  EXPECT_FALSE(addCustomGame(file(), "Two\r\nlines", 1, "0010010", sink_));
  EXPECT_FALSE(addCustomGame(file(), "Based on a custom game", 8000, "0010010", sink_));
  EXPECT_FALSE(addCustomGame(file(), "Short rules", 1, "001", sink_));
  EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(CustomGamesFileTest, FailedWriteKeepsTheFileAndReportsFailure) {
  ASSERT_EQ(add("Kept"), 8000);
  const std::string before = readBytes(file());
  FailingFileSystem fs(FailingFileSystem::Step::Rename);
  EXPECT_FALSE(addCustomGame(file(), "Lost", 1, "0010010", sink_, fs));
  EXPECT_FALSE(deleteCustomGameRecord(file(), 8000, sink_, fs));
  EXPECT_EQ(readBytes(file()), before);
  EXPECT_EQ(sink_.messages.size(), 2U);
}

TEST_F(CustomGamesFileTest, UnreadableFileIsNeverOverwritten) {
  std::filesystem::create_directories(file());  // a folder where the file should be
  EXPECT_FALSE(addCustomGame(file(), "New", 1, "0010010", sink_));
  EXPECT_TRUE(std::filesystem::is_directory(file()));
  EXPECT_EQ(sink_.messages, std::vector<std::string>{"Cannot open file " + file().string()});
}

TEST_F(CustomGamesFileTest, LaterOfTwoRecordsWithTheSameNameWins) {
  ASSERT_EQ(add("Twin"), 8000);
  ASSERT_EQ(add("twin"), 8001);
  EXPECT_EQ(customGameNumberByName(file(), "TWIN"), 8001);
}

// The listing skips a damaged record and shows the readable one of the same
// number; playing that number must load what the listing shows.
TEST_F(CustomGamesFileTest, DamagedRecordNeverStandsInForTheListedOne) {
  givenNumbers({8000, 8001, 8001});
  std::string text = readBytes(file());
  const std::size_t second = text.find("8001");
  text.replace(second + 4, 4, "Dmgd");
  text.insert(second + 10, "\xc2\xc2");  // the base field no longer holds digits
  writeBytes(file(), text);
  const auto listing = readCustomGames(file());
  ASSERT_EQ(listing.games.size(), 2U);
  EXPECT_EQ(listing.skipped, 1);
  const auto found = findCustomGame(file(), 8001);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->name, std::string(50, 'n'));
  EXPECT_EQ(found->baseGame, 1);
  EXPECT_EQ(customGameNumberByName(file(), "Dmgd" + std::string(46, 'n')), -1);
}

TEST_F(CustomGamesFileTest, NamesAreTakenByCatalogueAndCustomGamesAlike) {
  ASSERT_EQ(add("Easy Spider"), 8000);
  const std::vector<std::string> catalogue{"FreeCell", "Klondike"};
  EXPECT_TRUE(gameNameInUse(file(), "freecell", catalogue));
  EXPECT_TRUE(gameNameInUse(file(), "EASY SPIDER", catalogue));
  EXPECT_FALSE(gameNameInUse(file(), "Easy Golf", catalogue));
}

TEST(CustomRuleString, NumbersArePaddedIntoSevenCharacters) {
  EXPECT_EQ(customRuleString(3, -1, 0), "003-010");
  EXPECT_EQ(customRuleString(1, 1, 2), "0010012");
  EXPECT_EQ(customRuleString(1, 0, 3), "0010003");
}

}  // namespace
}  // namespace kes
