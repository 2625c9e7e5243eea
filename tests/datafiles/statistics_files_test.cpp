// Recording results into the four statistics files, and what reads, clears
// and renames them.
#include <gtest/gtest.h>

#include "datafiles/config_record.h"
#include "datafiles/game_log_line.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/overall_score_codec.h"
#include "datafiles/overall_score_file.h"
#include "datafiles/record_result.h"
#include "datafiles/section_file.h"
#include "datafiles/stat_file.h"
#include "datafiles/statistics_clearing.h"
#include "statistics_test_support.h"

namespace kes {
namespace {

using testing::FailingFileSystem;
using testing::StatisticsFolder;
using testing::writeBytes;

GameResult result(int game, const std::string& player, long long score, bool won, long long seconds = 100) {
  GameResult r;
  r.game = game;
  r.gameName = game == 2 ? "Klondike" : "Game " + std::to_string(game);
  r.player = player;
  r.dealNumber = "0000000004711";
  r.score = score;
  r.won = won;
  r.seconds = seconds;
  return r;
}

std::vector<std::string> logLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto end = bytes.find("\r\n", at);
    lines.push_back(bytes.substr(at, end - at));
    at = end == std::string::npos ? bytes.size() : end + 2;
  }
  return lines;
}

class StatisticsFilesTest : public ::testing::Test {
 protected:
  RecordedResult record(const GameResult& r) { return recordResult(dir_.files, r, config_); }
  PlayerGameStats stats(int game, const std::string& player) {
    return readPlayerGameStats(dir_.files, game, player);
  }
  std::optional<OverallScore> overallOf(const std::string& player) {
    for (const auto& o : readOverallScores(dir_.files))
      if (o.player == player) return o;
    return std::nullopt;
  }

  StatisticsFolder dir_;
  ConfigRecord config_;
};

// --- STAT.DAT and the log -------------------------------------------------

TEST_F(StatisticsFilesTest, FirstGameOnAFreshInstallationCreatesTheFilesAsLaidOut) {
  record(result(2, "Player 1", 208, true, 754));
  EXPECT_EQ(dir_.bytes(dir_.files.stat()),
            "[Version]\r\nVersion=0300\r\n\r\n[0002]\r\n"
            "Player 1=000001 000000 000001 000000 000001 000000 000000000208 000000000000\r\n");
  const auto lines = logLines(dir_.bytes(dir_.files.log()));
  ASSERT_EQ(lines.size(), 1U);
  const GameLogLine expected{"20261209", "18:30:05", 754, 2, "Klondike", "Player 1", true, "01", "208",
                             "0000000004711"};
  EXPECT_EQ(lines[0], expected.format());
  EXPECT_EQ(config_.get(Field::CurrentWins), "0001");
  EXPECT_TRUE(dir_.sink.messages.empty());
}

TEST_F(StatisticsFilesTest, AnAbandonedGameCountsAsLostWithItsNegativeScore) {
  record(result(2, "Player 1", 208, true));
  record(result(2, "Player 1", -37, false));
  const auto s = stats(2, "Player 1");
  EXPECT_EQ(s.won, 1);
  EXPECT_EQ(s.lost, 1);
  EXPECT_EQ(s.currentWinningStreak, 0);
  EXPECT_EQ(s.longestWinningStreak, 1);
  EXPECT_EQ(s.scoreTotal, 171);
  EXPECT_EQ(config_.get(Field::CurrentLosses), "0001");
  EXPECT_EQ(logLines(dir_.bytes(dir_.files.log())).back().substr(112, 5), "Lost ");
}

TEST_F(StatisticsFilesTest, RecordsWithBadFieldsAreRepairedByTheNextGame) {
  writeBytes(dir_.files.stat(), "[Version]\r\nVersion=0300\r\n\r\n[0002]\r\n"
                                "Anna=000004 00000x 000004 000000 000004 000000 000000000400 000000000000\r\n");
  record(result(2, "Anna", 100, true));
  EXPECT_EQ(stats(2, "Anna"), (PlayerGameStats{5, 0, 1, 0, 1, 0, 100}));
}

TEST_F(StatisticsFilesTest, SessionCountsBelongToTheCurrentGameAndPlayerOnly) {
  config_.put(Field::CurrentGame, "2");
  config_.put(Field::PlayerName, "Anna");
  config_.put(Field::CurrentWins, "0003");
  config_.put(Field::CurrentLosses, "0001");
  EXPECT_EQ(sessionCounts(config_, 2, "Anna").won, 3);
  EXPECT_EQ(sessionCounts(config_, 2, "Anna").lost, 1);
  EXPECT_EQ(sessionCounts(config_, 3, "Anna").won, 0);
  EXPECT_EQ(sessionCounts(config_, 2, "Anna 2").lost, 0);
}

TEST_F(StatisticsFilesTest, AStatFileThatIsAFolderIsReportedAndTheOtherFilesStillGetTheGame) {
  std::filesystem::create_directories(dir_.files.stat());
  const auto recorded = record(result(2, "Anna", 300, true));
  EXPECT_EQ(dir_.sink.messages.size(), 1U);
  EXPECT_EQ(logLines(dir_.bytes(dir_.files.log())).size(), 1U);
  EXPECT_EQ(recorded.hiScorePlace, 1);
  EXPECT_EQ(overallOf("Anna")->score, 300);
}

TEST_F(StatisticsFilesTest, ALogWriteThatFailsLeavesTheLogAsItWasAndTellsOnce) {
  record(result(2, "Anna", 10, false));
  const std::string before = dir_.bytes(dir_.files.log());
  FailingFileSystem failing(FailingFileSystem::Step::Write);
  dir_.files.fs = &failing;
  record(result(2, "Anna", 20, false));
  EXPECT_EQ(dir_.bytes(dir_.files.log()), before);
  EXPECT_EQ(dir_.sink.messages.size(), 1U);
}

// --- Hi-scores --------------------------------------------------------------

TEST_F(StatisticsFilesTest, AGameNeverPlayedShowsSampleEntriesWrittenAtOnce) {
  const auto table = readHiScores(dir_.files, 4, "01");
  ASSERT_EQ(table.entries.size(), 20U);
  EXPECT_TRUE(table.samplesMade);
  // Two packs: 104 cards.
  EXPECT_EQ(entryScore(table.entries[0]), 104);
  EXPECT_EQ(entryScore(table.entries[1]), 90);
  EXPECT_EQ(entryScore(table.entries[19]), 4);
  EXPECT_EQ(entrySeconds(table.entries[19]), 20);
  EXPECT_TRUE(entryPlayer(table.entries[0]).starts_with("* "));
  EXPECT_NE(entryPlayer(table.entries[0]), entryPlayer(table.entries[1]));
  const SectionFile file(dir_.files.scores(), dir_.sink);
  EXPECT_EQ(file.readValue("0004", "01-01"), storedEntry(table.entries[0]));
  EXPECT_FALSE(readHiScores(dir_.files, 4, "01").samplesMade);
}

TEST_F(StatisticsFilesTest, TwoInNineSecondsTakesPlaceTwentyButTwoInTenDoesNot) {
  EXPECT_EQ(record(result(2, "Anna", 2, false, 10)).hiScorePlace, std::nullopt);
  EXPECT_EQ(record(result(2, "Anna", 2, true, 9)).hiScorePlace, 20);
  const auto table = readHiScores(dir_.files, 2, "01");
  EXPECT_EQ(entryPlayer(table.entries[19]), "Anna");
  EXPECT_EQ(entryPlayer(table.entries[18]).substr(0, 2), "* ");
}

TEST_F(StatisticsFilesTest, ALostGameWithAHighScoreEntersMarkedLost) {
  EXPECT_EQ(record(result(2, "Anna", 100, false)).hiScorePlace, 1);
  const auto table = readHiScores(dir_.files, 2, "01");
  EXPECT_EQ(table.entries[0].substr(79, 4), "Lost");
  // The old first place moved down; the last sample fell out.
  EXPECT_EQ(entryScore(table.entries[1]), 52);
  EXPECT_EQ(entryScore(table.entries[19]), 3);
}

TEST_F(StatisticsFilesTest, AfterClearingHiScoresAnyResultTakesPlaceOne) {
  record(result(2, "Anna", 150, true));
  ASSERT_TRUE(clearHiScores(dir_.files));
  EXPECT_FALSE(std::filesystem::exists(dir_.files.overall()));
  const auto empty = readHiScores(dir_.files, 2, "01");
  EXPECT_FALSE(empty.samplesMade);
  for (const auto& entry : empty.entries) EXPECT_TRUE(isBlankEntry(entry));
  EXPECT_EQ(record(result(2, "Bob", -52, false)).hiScorePlace, 1);
  EXPECT_EQ(record(result(2, "Cleo", -52, false, 50)).hiScorePlace, 1);
  EXPECT_EQ(entryPlayer(readHiScores(dir_.files, 2, "01").entries[1]), "Bob");
}

TEST_F(StatisticsFilesTest, AnOlderScoreFileIsBroughtToTheCurrentLayout) {
  const std::string entry = HiScoreEntry{30, 150, "19990101", "10:00:00", "Old", "0", true}.format().substr(0, 83);
  writeBytes(dir_.files.scores(), "[Version]\r\nVersion=0200\r\n\r\n[0002]\r\n01-01=" + entry + "\r\n");
  ASSERT_TRUE(upgradeScoreFile(dir_.files));
  EXPECT_EQ(dir_.bytes(dir_.files.scores()),
            "[Version]\r\nVersion=0300\r\n\r\n\r\n[0002]\r\n01-01=" + entry + " x\r\n");
  EXPECT_FALSE(upgradeScoreFile(dir_.files));
}

// --- Overall score ----------------------------------------------------------

TEST_F(StatisticsFilesTest, OverallScoreMovesOnlyForABetterScoreOrTheSameInLessTime) {
  record(result(2, "Anna", 150, true, 300));
  record(result(3, "Anna", 50, true, 100));
  EXPECT_EQ(overallOf("Anna")->score, 200);
  EXPECT_EQ(overallOf("Anna")->seconds, 400);
  record(result(2, "Anna", 120, true, 60));
  EXPECT_EQ(overallOf("Anna")->score, 200);
  EXPECT_EQ(overallOf("Anna")->seconds, 400);
  record(result(2, "Anna", 150, true, 250));
  EXPECT_EQ(overallOf("Anna")->score, 200);
  EXPECT_EQ(overallOf("Anna")->seconds, 350);
  record(result(2, "Anna", 180, false, 500));
  EXPECT_EQ(overallOf("Anna")->score, 230);
  EXPECT_EQ(overallOf("Anna")->seconds, 600);
  EXPECT_EQ(readBestResult(dir_.files, "Anna", 2)->score, 180);
}

TEST_F(StatisticsFilesTest, CustomGamesAndNegativeScoresNeverReachTheOverallScore) {
  record(result(8000, "Anna", 300, true));
  record(result(2, "Bob", -20, false));
  const SectionFile file(dir_.files.overall(), dir_.sink);
  EXPECT_TRUE(file.listSections().empty());
}

TEST_F(StatisticsFilesTest, OverallScoresAreSortedByScoreThenTime) {
  record(result(2, "Anna", 100, true, 300));
  record(result(2, "Bob", 150, true, 300));
  record(result(2, "Cleo", 100, true, 200));
  const auto all = readOverallScores(dir_.files);
  ASSERT_EQ(all.size(), 3U);
  EXPECT_EQ(all[0].player, "Bob");
  EXPECT_EQ(all[1].player, "Cleo");
  EXPECT_EQ(all[2].player, "Anna");
}

// Recording a game over a damaged overall score tells the player which file
// and which value, and still records the game everywhere else.
TEST_F(StatisticsFilesTest, AnOverallValueThatIsNoNumberIsNamedWhenAGameIsRecorded) {
  record(result(2, "Anna", 150, true));
  std::string bytes = dir_.bytes(dir_.files.overall());
  const auto at = bytes.find("T02=") + 4;
  ASSERT_NE(at, std::string::npos + 4);
  bytes.replace(at, 3, "~~~");
  writeBytes(dir_.files.overall(), bytes);
  dir_.sink.messages.clear();
  record(result(2, "Anna", 40, true));
  ASSERT_EQ(dir_.sink.messages.size(), 1U);
  EXPECT_EQ(dir_.sink.messages[0],
            overallScoreDamagedMessage(dir_.files.overall(), "the value T02 of the player \"Anna\" is not a number."));
  EXPECT_EQ(dir_.sink.messages[0].rfind(kOverallScoreDamaged, 0), 0U);
  EXPECT_EQ(stats(2, "Anna").won, 2);
}

TEST_F(StatisticsFilesTest, AChangedOverallValueGivesTheMessageAndAFreshFile) {
  record(result(2, "Anna", 150, true));
  // One digit of the score changed to another digit: only the check tells.
  std::string bytes = dir_.bytes(dir_.files.overall());
  const auto at = bytes.find("T01=") + 4;
  const auto end = bytes.find("\r\n", at);
  std::string plain = unscrambleValue(std::string_view(bytes).substr(at, end - at));
  plain[2] = static_cast<char>(plain[2] == '9' ? '8' : plain[2] + 1);
  bytes.replace(at, end - at, scrambleValue(plain));
  writeBytes(dir_.files.overall(), bytes);
  EXPECT_TRUE(readOverallScores(dir_.files).empty());
  ASSERT_EQ(dir_.sink.messages.size(), 1U);
  // The words every damaged overall score gives, then the file and the value.
  EXPECT_EQ(dir_.sink.messages[0], std::string(kOverallScoreDamaged) + "\rThe file " + dir_.files.overall().string() +
                                       " is damaged: the value T03 of the player \"Anna\" does not match its check.");
  EXPECT_FALSE(std::filesystem::exists(dir_.files.overall()));
  // The next game starts the overall score again; the other files kept theirs.
  record(result(3, "Anna", 40, true));
  EXPECT_EQ(overallOf("Anna")->score, 40);
  EXPECT_EQ(stats(2, "Anna").won, 1);
}

// --- Clearing and renaming --------------------------------------------------

class ClearingTest : public StatisticsFilesTest {
 protected:
  void SetUp() override {
    for (const char* player : {"Player 1", "Player 10"}) {
      record(result(2, player, 100, true));
      record(result(3, player, -10, false));
    }
  }
  int logLinesOf(const std::string& player, std::optional<int> game = std::nullopt) {
    int n = 0;
    for (const auto& line : logLines(dir_.bytes(dir_.files.log())))
      if (logLinePlayer(line) == player && (!game || logLineGame(line) == game)) ++n;
    return n;
  }
};

TEST_F(ClearingTest, OneGameForOnePlayerLeavesEverythingElse) {
  ASSERT_TRUE(clearStatistics(dir_.files, 2, "Player 1"));
  EXPECT_EQ(stats(2, "Player 1"), PlayerGameStats{});
  EXPECT_EQ(stats(3, "Player 1").lost, 1);
  EXPECT_EQ(stats(2, "Player 10").won, 1);
  EXPECT_EQ(logLinesOf("Player 1", 2), 0);
  EXPECT_EQ(logLinesOf("Player 1", 3), 1);
  EXPECT_EQ(logLinesOf("Player 10"), 2);
}

TEST_F(ClearingTest, EveryScopeClearsWhatItNames) {
  ASSERT_TRUE(clearStatistics(dir_.files, std::nullopt, "Player 10"));
  EXPECT_EQ(stats(3, "Player 10"), PlayerGameStats{});
  EXPECT_EQ(stats(3, "Player 1").lost, 1);
  EXPECT_EQ(logLinesOf("Player 10"), 0);
  ASSERT_TRUE(clearStatistics(dir_.files, 3, std::nullopt));
  EXPECT_EQ(stats(3, "Player 1"), PlayerGameStats{});
  EXPECT_EQ(stats(2, "Player 1").won, 1);
  EXPECT_EQ(logLinesOf("Player 1"), 1);
  EXPECT_EQ(SectionFile(dir_.files.stat(), dir_.sink).readValue("Version", "Version"), "0300");
  ASSERT_TRUE(clearStatistics(dir_.files, std::nullopt, std::nullopt));
  EXPECT_EQ(dir_.bytes(dir_.files.stat()), "[Version]\r\nVersion=0300\r\n");
  EXPECT_EQ(dir_.bytes(dir_.files.log()), "");
  // Hi-scores and overall scores are not statistics.
  EXPECT_EQ(overallOf("Player 1")->score, 100);
}

TEST_F(ClearingTest, ALogLineWhoseGameIsNotANumberIsNeverTakenForAGame) {
  std::string bytes = dir_.bytes(dir_.files.log());
  bytes.replace(kLogGameColumn, 4, "00x2");
  writeBytes(dir_.files.log(), bytes);
  clearStatistics(dir_.files, 2, std::nullopt);
  EXPECT_EQ(logLines(dir_.bytes(dir_.files.log()))[0].substr(kLogGameColumn, 4), "00x2");
}

TEST_F(ClearingTest, AFailedReplacementLeavesTheOldFiles) {
  const std::string stat = dir_.bytes(dir_.files.stat());
  const std::string log = dir_.bytes(dir_.files.log());
  FailingFileSystem failing(FailingFileSystem::Step::Rename);
  dir_.files.fs = &failing;
  EXPECT_FALSE(clearStatistics(dir_.files, 2, "Player 1"));
  EXPECT_EQ(dir_.bytes(dir_.files.stat()), stat);
  EXPECT_EQ(dir_.bytes(dir_.files.log()), log);
  EXPECT_FALSE(dir_.sink.messages.empty());
}

TEST_F(ClearingTest, RenamingPlayerOneLeavesPlayerTenAlone) {
  ASSERT_TRUE(renamePlayerInStatistics(dir_.files, "Player 1", "Anna"));
  EXPECT_EQ(stats(2, "Anna").won, 1);
  EXPECT_EQ(stats(2, "Player 1"), PlayerGameStats{});
  EXPECT_EQ(stats(2, "Player 10").won, 1);
  EXPECT_EQ(logLinesOf("Anna"), 2);
  EXPECT_EQ(logLinesOf("Player 10"), 2);
  const auto table = readHiScores(dir_.files, 2, "01");
  EXPECT_EQ(entryPlayer(table.entries[0]), "Anna");
  EXPECT_EQ(entryPlayer(table.entries[1]), "Player 10");
  EXPECT_EQ(overallOf("Anna")->score, 100);
  EXPECT_EQ(overallOf("Player 10")->score, 100);
  EXPECT_FALSE(overallOf("Player 1"));
}

}  // namespace
}  // namespace kes
