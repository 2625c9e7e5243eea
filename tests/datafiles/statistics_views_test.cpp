// What the statistics and players dialogs compute from the files: the
// players list, percentages, the all-games and players rankings, the log
// and the overall details.
#include <gtest/gtest.h>

#include "datafiles/config_record.h"
#include "datafiles/file_append.h"
#include "datafiles/game_log.h"
#include "datafiles/overall_best_results.h"
#include "datafiles/overall_score_file.h"
#include "datafiles/player_name.h"
#include "datafiles/player_roster.h"
#include "datafiles/safe_replace.h"
#include "datafiles/stat_file.h"
#include "datafiles/statistics_views.h"
#include "statistics_test_support.h"

namespace kes {
namespace {

using testing::StatisticsFolder;

TEST(PlayerRosterTest, SortsWithoutRegardToCaseAndKeepsCaseTwinsApart) {
  PlayerRoster roster({"bob", "Player 2", "anna", "Anna", "player 10", "Player 1"});
  EXPECT_EQ(roster.names(), (std::vector<std::string>{"Anna", "anna", "bob", "Player 1", "player 10", "Player 2"}));
  EXPECT_FALSE(roster.refusalOfNew("ANNA"));
  EXPECT_EQ(roster.refusalOfNew("Anna"), kPlayerExists);
  // Trailing blanks are not part of a name.
  EXPECT_EQ(roster.refusalOfNew("Anna  "), kPlayerExists);
  EXPECT_EQ(roster.refusalOfNew("   "), kEnterOneCharacter);
  EXPECT_EQ(roster.refusalOfNew(""), kEnterOneCharacter);
}

TEST(PlayerRosterTest, RefusesNamesTheSectionFilesCannotHold) {
  const PlayerRoster roster({"Anna"});
  for (const char* name : {"A=B", "[x", "x]", "line\nbreak", " lead", "1234567890123456789012345678901"})
    EXPECT_EQ(roster.refusalOfNew(name), kInvalidPlayerName) << name;
  EXPECT_FALSE(roster.refusalOfNew("123456789012345678901234567890"));
}

TEST(PlayerRosterTest, RenameAcceptsTheUnchangedNameAndResorts) {
  PlayerRoster roster({"Anna", "Bob", "Carl"});
  EXPECT_FALSE(roster.refusalOfRename("Bob", "Bob"));
  EXPECT_EQ(roster.refusalOfRename("Bob", "Carl"), kPlayerExists);
  EXPECT_EQ(roster.refusalOfRename("Bob", ""), kEnterOneCharacter);
  roster.rename("Anna", "Zoe ");
  EXPECT_EQ(roster.names(), (std::vector<std::string>{"Bob", "Carl", "Zoe"}));
  roster.remove("Carl");
  roster.add("Al");
  EXPECT_EQ(roster.names(), (std::vector<std::string>{"Al", "Bob", "Zoe"}));
}

TEST(PlayerRosterTest, TwentyOfTwentyOneSortedNamesAreStored) {
  std::vector<std::string> names;
  for (int n = 21; n >= 1; --n) names.push_back("Player " + std::to_string(n));
  const PlayerRoster roster(names);
  const auto entries = userEntries(roster.names());
  ASSERT_EQ(entries.size(), 20u);
  EXPECT_EQ(entries.front().key, "User001");
  EXPECT_EQ(entries.front().value, "Player 1");
  EXPECT_EQ(entries[1].value, "Player 10");
  EXPECT_EQ(entries.back().key, "User020");
  EXPECT_EQ(entries.back().value, "Player 8");  // "Player 9" is the 21st
  const auto few = userEntries({"Anna", "Bob"});
  EXPECT_EQ(few[1].value, "Bob");
  EXPECT_EQ(few[2].value, "");
  EXPECT_EQ(few[19].value, "");
}

TEST(PlayerRosterTest, StoredPlayersSkipEmptyKeys) {
  const auto ini = IniDocument::parse("[Users]\r\nUser001=Bob\r\nUser002=\r\nUser003=Anna\r\nUser021=Extra\r\n");
  EXPECT_EQ(storedPlayers(ini), (std::vector<std::string>{"Bob", "Anna"}));
}

TEST(StatisticsViewsTest, PercentagesRoundHalfUp) {
  EXPECT_EQ(wonPercent(1, 2), 33);
  EXPECT_EQ(wonPercent(2, 1), 67);
  EXPECT_EQ(wonPercent(1, 1), 50);
  EXPECT_EQ(wonPercent(1, 7), 13);  // 12.5 goes up
  EXPECT_EQ(wonPercent(0, 4), 0);
  EXPECT_FALSE(wonPercent(0, 0));
  EXPECT_EQ(percentCell(3, 1), "75 %");
  EXPECT_EQ(percentCell(0, 0), "0");
  EXPECT_EQ(playingTimeText(3 * 3600 + 5 * 60 + 9, 1), "3:05:09");
  EXPECT_EQ(playingTimeText(59, 2), "00:00:59");
  EXPECT_EQ(playingTimeText(100 * 3600, 2), "100:00:00");
}

// STAT.DAT written by the recording's own writer.
class StatTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ensureStatFile(folder.files));
    PlayerGameStats anna;
    anna.add(true, 100);
    anna.add(true, 50);
    anna.add(false, -10);
    ASSERT_TRUE(writePlayerGameStats(folder.files, 2, "Anna", anna));  // 2 won, 1 lost, streaks 2 and 1
    PlayerGameStats bob;
    bob.add(false, 30);
    ASSERT_TRUE(writePlayerGameStats(folder.files, 2, "Bob", bob));
    PlayerGameStats carl;
    carl.add(true, 300);
    ASSERT_TRUE(writePlayerGameStats(folder.files, 2, "Carl", carl));
    ASSERT_TRUE(writePlayerGameStats(folder.files, 7, "Anna", bob));
  }

  StatisticsFolder folder;
  const std::vector<GameChoice> games{{7, "Calculation"}, {2, "Klondike"}, {5, "Spider"}};
};

TEST_F(StatTableTest, AllGamesShowTotalsOrStreaks) {
  const auto table = readStatTable(folder.files);
  ASSERT_TRUE(table);
  ConfigRecord config;
  const auto totals = allGamesRows(*table, games, "Anna", StatValues::Total, config);
  ASSERT_EQ(totals.size(), 3u);
  EXPECT_EQ(totals[0].game, "Calculation");
  EXPECT_EQ(totals[0].second, 1);
  EXPECT_EQ(totals[1].first, 2);
  EXPECT_EQ(totals[1].percent, "67 %");
  EXPECT_EQ(totals[2].percent, "0");
  const auto series = allGamesRows(*table, games, "Anna", StatValues::Series, config);
  EXPECT_EQ(series[1].first, 2);
  EXPECT_EQ(series[1].second, 1);
  EXPECT_EQ(series[1].percent, "67 %");
}

TEST_F(StatTableTest, CurrentSessionListsOnlyTheCurrentGameWithTheRecordsCounters) {
  const auto table = readStatTable(folder.files);
  ConfigRecord config;
  config.put(Field::CurrentGame, "2");
  config.put(Field::PlayerName, "Anna");
  config.put(Field::CurrentWins, "0003");
  config.put(Field::CurrentLosses, "0001");
  const auto rows = allGamesRows(*table, games, "Anna", StatValues::CurrentSession, config);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].game, "Klondike");
  EXPECT_EQ(rows[0].first, 3);
  EXPECT_EQ(rows[0].percent, "75 %");
  // Another player has no session in this game.
  const auto other = allGamesRows(*table, games, "Bob", StatValues::CurrentSession, config);
  ASSERT_EQ(other.size(), 1u);
  EXPECT_EQ(other[0].first + other[0].second, 0);
}

TEST_F(StatTableTest, PlayersRankByWonShareOrAverageScore) {
  const auto table = readStatTable(folder.files);
  const std::vector<std::string> players{"Anna", "Bob", "Carl", "Dora"};
  const auto won = playerStandings(*table, 2, players, PlayerValue::WonPercent);
  ASSERT_EQ(won.size(), 4u);
  EXPECT_EQ(won[0].player, "Carl");
  EXPECT_EQ(won[0].value, 100);
  EXPECT_EQ(won[1].player, "Anna");
  EXPECT_EQ(won[1].value, 67);
  // Bob and Dora both have 0 and keep their order.
  EXPECT_EQ(won[2].player, "Bob");
  EXPECT_EQ(won[3].player, "Dora");
  const auto average = playerStandings(*table, 2, players, PlayerValue::AverageScore);
  EXPECT_EQ(average[0].player, "Carl");
  EXPECT_EQ(average[1].player, "Anna");
  EXPECT_EQ(average[1].value, 46);  // 140 / 3 truncated
  EXPECT_EQ(average[2].value, 30);
  EXPECT_EQ(average[3].value, 0);
}

TEST(StatTableReadTest, MissingFileIsEmptyAndAFolderInItsPlaceCannotBeRead) {
  StatisticsFolder folder;
  const auto empty = readStatTable(folder.files);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->find(2, "Anna"), PlayerGameStats{});
  std::filesystem::create_directories(folder.files.stat());
  EXPECT_FALSE(readStatTable(folder.files));
}

GameLogLine logLine(const char* time, int game, const char* name, const char* player, bool won) {
  return {"20261209", time, 60, game, name, player, won, "01", "52", "0000000000001"};
}

TEST(GameLogTest, NewestFirstFilteredByGameNameAndPlayer) {
  StatisticsFolder folder;
  const std::vector<GameLogLine> played{logLine("10:00:00", 2, "Klondike", "Player 1", true),
                                        logLine("10:05:00", 5, "Spider", "Player 10", false),
                                        logLine("10:10:00", 2, "Klondike", "Player 10", false),
                                        logLine("10:15:00", 5, "Spider", "Player 1", true)};
  std::string text;
  for (const GameLogLine& l : played) text += l.format() + "\r\n";
  text += "a damaged line\r\n";
  ASSERT_TRUE(appendToFile(folder.files.log(), text, folder.sink));
  const auto log = GameLogText::read(folder.files);
  ASSERT_TRUE(log);
  ASSERT_EQ(log->size(), 4u);
  const auto time = [&log](std::size_t i) { return GameLogLine::parse(log->line(i))->time; };
  const auto all = filteredGameLog(*log, std::nullopt, std::nullopt);
  EXPECT_EQ(all, (std::vector<std::size_t>{3, 2, 1, 0}));
  EXPECT_EQ(time(all.front()), "10:15:00");
  const auto klondike = filteredGameLog(*log, std::string("Klondike"), std::nullopt);
  EXPECT_EQ(klondike, (std::vector<std::size_t>{2, 0}));
  // "Player 1" is not "Player 10".
  const auto player1 = filteredGameLog(*log, std::nullopt, std::string("Player 1"));
  EXPECT_EQ(player1, (std::vector<std::size_t>{3, 0}));
  const auto both = filteredGameLog(*log, std::string("Spider"), std::string("Player 10"));
  EXPECT_EQ(both, (std::vector<std::size_t>{1}));
  EXPECT_TRUE(filteredGameLog(*log, std::string("Spid"), std::nullopt).empty());
}

TEST(GameLogTest, MissingLogIsEmptyAndAFolderInItsPlaceCannotBeRead) {
  StatisticsFolder folder;
  const auto missing = GameLogText::read(folder.files);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->size(), 0u);
  std::filesystem::create_directories(folder.files.log());
  EXPECT_FALSE(GameLogText::read(folder.files));
}

TEST(OverallDetailsTest, BestResultsOfEveryGameInOneReading) {
  StatisticsFolder folder;
  ASSERT_TRUE(updateOverallScore(folder.files, 2, "Anna", 300, 120));
  ASSERT_TRUE(updateOverallScore(folder.files, 5, "Anna", 90, 40));
  ASSERT_TRUE(updateOverallScore(folder.files, 2, "Bob", 10, 7));
  const auto best = readBestResults(folder.files, "Anna");
  ASSERT_TRUE(best);
  ASSERT_EQ(best->size(), 2u);
  EXPECT_EQ(best->at(2).score, 120);
  EXPECT_EQ(best->at(2).seconds, 300);
  EXPECT_EQ(best->at(5).score, 40);
  EXPECT_TRUE(readBestResults(folder.files, "Nobody")->empty());
  EXPECT_EQ(maximumScore(-1, 52), 208);
  EXPECT_EQ(maximumScore(500, 104), 500);
}

TEST(OverallDetailsTest, ADamagedBestValueStartsTheFileAfresh) {
  StatisticsFolder folder;
  ASSERT_TRUE(updateOverallScore(folder.files, 2, "Anna", 300, 120));
  std::string text = folder.bytes(folder.files.overall());
  const auto at = text.find("GS-0002=");
  ASSERT_NE(at, std::string::npos);
  char& c = text[at + 9];
  c = c == 'a' ? 'b' : 'a';
  ASSERT_TRUE(replaceFileContents(folder.files.overall(), text, folder.sink));
  EXPECT_FALSE(readBestResults(folder.files, "Anna"));
  EXPECT_FALSE(std::filesystem::exists(folder.files.overall()));
  ASSERT_EQ(folder.sink.messages.size(), 1u);
  EXPECT_EQ(folder.sink.messages[0], overallScoreDamagedMessage(folder.files.overall(),
                                                                "the value GS-0002 of the player \"Anna\" is not a number."));
}

}  // namespace
}  // namespace kes
