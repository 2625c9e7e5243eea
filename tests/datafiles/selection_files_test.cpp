// The files behind choosing games: the favourites list, the folders of the
// selection tree, the names a custom game may take, the damaged custom
// games file and the files' part of deleting a custom game.
#include <gtest/gtest.h>

#include "datafiles/custom_game_deletion.h"
#include "datafiles/custom_game_name.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/favourite_games.h"
#include "datafiles/game_folders.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/pad.h"
#include "datafiles/record_result.h"
#include "datafiles/settings_file.h"
#include "datafiles/stat_file.h"
#include "statistics_test_support.h"

namespace kes {
namespace {

using testing::RecordingSink;
using testing::StatisticsFolder;
using testing::readBytes;
using testing::writeBytes;

class FavouritesTest : public ::testing::Test {
 protected:
  std::vector<std::string> stored() const { return readFavouriteNames(settings_); }
  TempDir tmp_;
  RecordingSink sink_;
  SettingsFile settings_{tmp_.path() / "DATA" / "CFG.DAT", sink_};
};

TEST_F(FavouritesTest, ReadingStopsAtTheFirstMissingKey) {
  std::filesystem::create_directories(tmp_.path() / "DATA");
  writeBytes(settings_.path(), "[Favourite Games]\r\nGame000=Klondike\r\nGame001=Spider\r\nGame003=Golf\r\n");
  EXPECT_EQ(stored(), (std::vector<std::string>{"Klondike", "Spider"}));
}

TEST_F(FavouritesTest, WritingReplacesTheWholeList) {
  ASSERT_TRUE(writeFavourites(settings_, std::vector<std::string>{"A", "B", "C"}));
  ASSERT_TRUE(writeFavourites(settings_, std::vector<std::string>{"Golf"}));
  EXPECT_EQ(stored(), std::vector<std::string>{"Golf"});
  EXPECT_EQ(settings_.readString(kFavouritesSection, "Game001", "<none>"), "<none>");
  ASSERT_TRUE(writeFavourites(settings_, std::vector<std::string>{}));
  EXPECT_TRUE(stored().empty());
}

TEST_F(FavouritesTest, RemovingTheThirdOfFiveMovesTheRestDown) {
  const std::vector<std::string> five{"Alpha", "Beta", "My Game", "Delta", "Echo"};
  ASSERT_TRUE(writeFavourites(settings_, five));
  ASSERT_TRUE(removeFavourite(settings_, "my game  "));
  EXPECT_EQ(stored(), (std::vector<std::string>{"Alpha", "Beta", "Delta", "Echo"}));
  EXPECT_EQ(settings_.readString(kFavouritesSection, "Game003", ""), "Echo");
  EXPECT_EQ(settings_.readString(kFavouritesSection, "Game004", "<none>"), "<none>");
  // A name that is not a favourite changes nothing.
  const std::string before = readBytes(settings_.path());
  ASSERT_TRUE(removeFavourite(settings_, "Zulu"));
  EXPECT_EQ(readBytes(settings_.path()), before);
}

FolderSources sampleSources() {
  FolderSources s;
  s.catalogueGames = {{2, "Klondike", 5}, {4, "Spider", 8}, {7, "Golf", 7}, {1, "FreeCell", 4}};
  std::sort(s.catalogueGames.begin(), s.catalogueGames.end(),
            [](const FolderGame& a, const FolderGame& b) { return a.name < b.name; });
  s.customGames = {{8001, "Easy Golf", 7, "003000" "0"}, {8000, "Klondike by threes", 2, "003-010"}};
  s.selectedGames = {4, 2};
  // Game time: Klondike medium, Spider long, Golf and FreeCell quick.
  s.parameter = [](int game, int parameter) -> std::optional<int> {
    if (parameter != Param::PlayingTime) return 0;
    return game == 2 ? 1 : game == 4 ? 0 : 2;
  };
  return s;
}

std::vector<int> numbersIn(int folder, const FolderSources& sources) {
  std::vector<int> numbers;
  for (const FolderGame& g : gamesInFolder(*findGameFolder(folder), sources)) numbers.push_back(g.number);
  return numbers;
}

TEST(GameFolders, EveryFolderHoldsItsGamesInNameOrder) {
  const FolderSources s = sampleSources();
  EXPECT_EQ(numbersIn(FolderCode::kAllGames, s), (std::vector<int>{1, 7, 2, 4}));
  EXPECT_EQ(numbersIn(FolderCode::kSelected, s), (std::vector<int>{2, 4}));
  EXPECT_EQ(numbersIn(-202030, s), std::vector<int>{2});  // Klondike type
  EXPECT_EQ(numbersIn(FolderCode::kCustomized, s), (std::vector<int>{8001, 8000}));
  // The game time folders read parameter 340 the other way round.
  EXPECT_EQ(numbersIn(-203010, s), (std::vector<int>{1, 7}));  // Quick
  EXPECT_EQ(numbersIn(-203030, s), std::vector<int>{4});       // Long
  EXPECT_TRUE(numbersIn(FolderCode::kGameType, s).empty());
}

TEST(GameFolders, FavouritesKeepTheirOrderAndSkipNamesThatAreGone) {
  FolderSources s = sampleSources();
  s.favourites = {"spider", "Deleted variant", "Easy Golf", "Klondike"};
  const auto games = gamesInFolder(*findGameFolder(FolderCode::kFavourites), s);
  ASSERT_EQ(games.size(), 3u);
  EXPECT_EQ(games[0].number, 4);
  EXPECT_EQ(games[1].number, 8001);
  EXPECT_EQ(games[1].category, kCustomGamesCategory);
  EXPECT_EQ(games[2].number, 2);
}

TEST(GameFolders, TheTableHoldsTheTwelveTypesAndTheirPictures) {
  int types = 0;
  for (const GameFolder& f : gameFolders())
    if (f.parent == FolderCode::kGameType) ++types;
  EXPECT_EQ(types, 12);
  EXPECT_STREQ(findGameFolder(-202030)->label, "Klondike type");
  EXPECT_EQ(findGameFolder(-206050)->value, 0);  // "Very high" chance is 0
  EXPECT_EQ(categoryPicture(12), 25);
  EXPECT_EQ(categoryPicture(13), 34);
  EXPECT_EQ(categoryPicture(kCustomGamesCategory), kCustomGamePicture);
  // Parents come before their children.
  std::vector<int> seen{0};
  for (const GameFolder& f : gameFolders()) {
    EXPECT_NE(std::find(seen.begin(), seen.end(), f.parent), seen.end()) << f.label;
    seen.push_back(f.code);
  }
}

class CustomNamesTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return tmp_.path() / "GAM_CUST.DAT"; }
  std::string problem(const std::string& name) { return customGameNameProblem(name, file(), catalogue_); }
  TempDir tmp_;
  RecordingSink sink_;
  std::vector<std::string> catalogue_{"Klondike", "Spider"};
};

TEST_F(CustomNamesTest, NamesAreRefusedWithTheirMessages) {
  ASSERT_TRUE(addCustomGame(file(), "Easy Golf", 7, "0030000", sink_));
  EXPECT_EQ(problem("Ab"), kNameTooShort);
  EXPECT_EQ(problem("Ab   "), kNameTooShort);
  EXPECT_EQ(problem("KLONDIKE"), kNameExists);
  EXPECT_EQ(problem("easy golf "), kNameExists);
  EXPECT_EQ(problem(std::string(51, 'x')), kNameTooLong);
  EXPECT_EQ(problem("Caf\xc3\xa9 solitaire"), kNameCharacters);
  EXPECT_EQ(problem("Two\tparts"), kNameCharacters);
  EXPECT_EQ(problem(std::string(50, 'x')), "");
  EXPECT_EQ(problem("Klondike (3 redeals)"), "");
}

TEST_F(CustomNamesTest, ADamagedFileListsTheRecordsItCanRead) {
  ASSERT_TRUE(addCustomGame(file(), "Good one", 2, "001004" "0", sink_));
  ASSERT_TRUE(addCustomGame(file(), "Other good", 7, "003000" "0", sink_));
  std::string text = readBytes(file());
  // A hand-edited record in the middle, and a record cut short at the end.
  std::string bad = "80x1Broken" + std::string(44, ' ') + "0002\r\n001-010\r\n";
  for (int i = 2; i < 30; ++i) bad += "\r\n";
  text += bad + "8005Short\r\n";
  writeBytes(file(), text);
  const CustomGamesListing listing = readCustomGames(file());
  ASSERT_EQ(listing.games.size(), 2u);
  EXPECT_EQ(listing.games[0].name, "Good one");
  EXPECT_EQ(listing.games[1].name, "Other good");
  EXPECT_EQ(listing.skipped, 2);
  const std::string message = skippedCustomGamesMessage(file(), listing.skipped);
  EXPECT_NE(message.find("2 customized games could not be read"), std::string::npos) << message;
  EXPECT_NE(message.find(file().string()), std::string::npos);
}

TEST_F(CustomNamesTest, ARecordReusingANumberIsSkipped) {
  std::string text = "[R-0301]\r\n";
  for (const char* name : {"First", "Second"}) {
    std::string padded = name;
    padded.resize(50, ' ');
    text += "8000" + padded + "0002\r\n001-010\r\n";
    for (int i = 2; i < 30; ++i) text += "\r\n";
  }
  writeBytes(file(), text);
  const CustomGamesListing listing = readCustomGames(file());
  ASSERT_EQ(listing.games.size(), 1u);
  EXPECT_EQ(listing.games[0].name, "First");
  EXPECT_EQ(listing.skipped, 1);
}

TEST(CustomGameDeletion, RecordFavouriteStatisticsAndHiScoresGo) {
  StatisticsFolder stats;
  RecordingSink sink;
  const auto file = stats.tmp.path() / "DATA" / "GAM_CUST.DAT";
  SettingsFile settings(stats.tmp.path() / "DATA" / "CFG.DAT", sink);
  ASSERT_EQ(addCustomGame(file, "Easy Golf", 7, "0030000", sink), 8000);
  ASSERT_EQ(addCustomGame(file, "Kept", 7, "0020000", sink), 8001);
  ASSERT_TRUE(writeFavourites(settings, std::vector<std::string>{"A", "B", "Easy Golf", "D", "E"}));
  ConfigRecord config;
  for (const int game : {8000, 8001})
    recordResult(stats.files, GameResult{game, "x", "Ann", "0000000000001", "01", 300, true, 60}, config);
  ASSERT_EQ(readPlayerGameStats(stats.files, 8000, "Ann").won, 1);

  ASSERT_TRUE(deleteCustomGameFiles(file, &settings, stats.files, 8000, "Easy Golf", sink));
  EXPECT_FALSE(findCustomGame(file, 8000));
  EXPECT_TRUE(findCustomGame(file, 8001));
  EXPECT_EQ(readFavouriteNames(settings), (std::vector<std::string>{"A", "B", "D", "E"}));
  EXPECT_EQ(readPlayerGameStats(stats.files, 8000, "Ann").won, 0);
  EXPECT_EQ(readPlayerGameStats(stats.files, 8001, "Ann").won, 1);
  EXPECT_EQ(readBytes(stats.files.log()).find("8000"), std::string::npos);
  for (const std::string& place : readHiScores(stats.files, 8000, "01").entries)
    EXPECT_EQ(place.find("Ann"), std::string::npos);
  // The next custom game takes the freed number.
  EXPECT_EQ(nextCustomGameNumber(file), 8000);
}

TEST(CustomGameDeletion, NothingElseIsTouchedWhenTheRecordIsMissing) {
  StatisticsFolder stats;
  RecordingSink sink;
  SettingsFile settings(stats.tmp.path() / "DATA" / "CFG.DAT", sink);
  ASSERT_TRUE(writeFavourites(settings, std::vector<std::string>{"Gone"}));
  EXPECT_FALSE(deleteCustomGameFiles(stats.tmp.path() / "DATA" / "GAM_CUST.DAT", &settings, stats.files, 8000,
                                     "Gone", sink));
  EXPECT_EQ(readFavouriteNames(settings), std::vector<std::string>{"Gone"});
}

}  // namespace
}  // namespace kes
