#include "datafiles/settings_file.h"

#include <gtest/gtest.h>

#include "data_file_helpers.h"
#include "test_temp_dir.h"

namespace kes {
namespace {

using testing::FailingFileSystem;
using testing::RecordingSink;
using testing::filesIn;
using testing::readBytes;
using testing::writeBytes;

class SettingsFileTest : public ::testing::Test {
 protected:
  std::filesystem::path dataDir() const { return tmp_.path() / "DATA"; }
  std::filesystem::path cfg() const { return dataDir() / "CFG.DAT"; }
  void givenFile(const std::string& bytes) {
    std::filesystem::create_directories(dataDir());
    writeBytes(cfg(), bytes);
  }

  TempDir tmp_;
  RecordingSink sink_;
  SettingsFile settings_{cfg(), sink_};
};

TEST_F(SettingsFileTest, MissingFileReadsAsDefaultsAndFirstWriteCreatesItAndTheFolder) {
  EXPECT_EQ(settings_.readString("Preference", "Game_name", "FreeCell"), "FreeCell");
  EXPECT_EQ(settings_.readInt("Preference", "Game", 1), 1);
  EXPECT_TRUE(settings_.readSection("Users").empty());
  ASSERT_TRUE(settings_.writeString("Preference", "Game_Name", "Klondike"));
  EXPECT_EQ(readBytes(cfg()), "[Preference]\r\nGame_Name=Klondike\r\n");
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(SettingsFileTest, SectionsAndKeysIgnoreLetterCase) {
  givenFile("[preference]\r\nGAME_NAME=Spider\r\nBackground_Def=Y\r\n");
  EXPECT_EQ(settings_.readString("Preference", "Game_name", "FreeCell"), "Spider");
  EXPECT_EQ(settings_.readString("PREFERENCE", "background_def", "N"), "Y");
  ASSERT_TRUE(settings_.writeString("Preference", "game_name", "Golf"));
  // The key was overwritten, not added a second time.
  EXPECT_EQ(readBytes(cfg()), "[preference]\r\ngame_name=Golf\r\nBackground_Def=Y\r\n");
}

TEST_F(SettingsFileTest, MissingKeysAndNonNumbersReadAsTheDefault) {
  givenFile("[Preference]\r\nCursor=abc\r\nSpeed_Move_Card=\r\nLanguage=20000x\r\nBack_Card= 11 \r\n"
            "Background_Col=-2147483633\r\n");
  EXPECT_EQ(settings_.readInt("Preference", "Cursor", 11), 11);
  EXPECT_EQ(settings_.readInt("Preference", "Speed_Move_Card", 10), 10);
  EXPECT_EQ(settings_.readInt("Preference", "Language", 20000), 20000);
  EXPECT_EQ(settings_.readInt("Preference", "Back_Card", 0), 11);
  EXPECT_EQ(settings_.readInt("Preference", "Background_Col", 0), -2147483633);
  EXPECT_EQ(settings_.readInt("Preference", "Tips_Num", 7), 7);
  EXPECT_EQ(settings_.readString("Users", "User001", "none"), "none");
}

TEST_F(SettingsFileTest, LfOnlyFilesAreReadAndRewrittenWithCrLf) {
  givenFile("[Preference]\nCard=3\n\n[Users]\nUser001=Anna\n");
  EXPECT_EQ(settings_.readInt("Preference", "Card", 1), 3);
  EXPECT_EQ(settings_.readString("Users", "User001", ""), "Anna");
  ASSERT_TRUE(settings_.writeInt("Preference", "Card", 4));
  EXPECT_EQ(readBytes(cfg()), "[Preference]\r\nCard=4\r\n\r\n[Users]\r\nUser001=Anna\r\n");
}

TEST_F(SettingsFileTest, NewKeyJoinsItsSectionAndNewSectionGoesAtTheEnd) {
  givenFile("[Preference]\r\nCard=3\r\n\r\n[Users]\r\nUser001=Anna\r\n");
  ASSERT_TRUE(settings_.writeString("Preference", "Card_Size", "M"));
  ASSERT_TRUE(settings_.writeString("Show_Messages", "Screen_Under_256_Colors", "N"));
  EXPECT_EQ(readBytes(cfg()),
            "[Preference]\r\nCard=3\r\nCard_Size=M\r\n\r\n[Users]\r\nUser001=Anna\r\n"
            "\r\n[Show_Messages]\r\nScreen_Under_256_Colors=N\r\n");
}

TEST_F(SettingsFileTest, SectionReadsInFileOrderAndCanBeReplacedOrErased) {
  givenFile("[Favourite Games]\r\nGame000=FreeCell\r\nGame001=Golf\r\nGame002=Spider\r\n\r\n[Users]\r\nUser001=Anna\r\n");
  const auto favourites = settings_.readSection("favourite games");
  ASSERT_EQ(favourites.size(), 3U);
  EXPECT_EQ(favourites[1].key, "Game001");
  EXPECT_EQ(favourites[1].value, "Golf");

  const std::vector<SettingsEntry> kept{{"Game000", "FreeCell"}, {"Game001", "Spider"}};
  ASSERT_TRUE(settings_.replaceSection("Favourite Games", kept));
  EXPECT_EQ(settings_.readString("Favourite Games", "Game001", ""), "Spider");
  EXPECT_EQ(settings_.readString("Favourite Games", "Game002", "gone"), "gone");

  ASSERT_TRUE(settings_.eraseKey("Users", "user001"));
  EXPECT_EQ(settings_.readString("Users", "User001", "gone"), "gone");
  ASSERT_TRUE(settings_.eraseSection("Favourite Games"));
  EXPECT_TRUE(settings_.readSection("Favourite Games").empty());
  EXPECT_EQ(settings_.readAll().sectionNames(), std::vector<std::string>{"Users"});
}

TEST_F(SettingsFileTest, SeveralKeysAreWrittenInOneAccess) {
  const std::vector<SettingsEntry> placement{{"MainWindowState_Maximized", "N"},
                                             {"MainWindowState_Left", "50"},
                                             {"MainWindowState_Top", "60"}};
  ASSERT_TRUE(settings_.writeStrings("Preference", placement));
  const IniDocument all = settings_.readAll();
  EXPECT_EQ(all.intValue("Preference", "MainWindowState_Top", 0), 60);
  EXPECT_EQ(all.stringValue("Preference", "MainWindowState_Maximized", "Y"), "N");
}

TEST_F(SettingsFileTest, TextThatWouldBreakTheFileIsRefused) {
  givenFile("[Users]\r\nUser001=Anna\r\n");
  EXPECT_FALSE(settings_.writeString("Users", "User002", "Bob\r\n[Preference]\r\nGame=5"));
  EXPECT_FALSE(settings_.writeString("Users", "User=002", "Bob"));
  EXPECT_FALSE(settings_.writeString("Us]ers", "User002", "Bob"));
  EXPECT_EQ(readBytes(cfg()), "[Users]\r\nUser001=Anna\r\n");
}

TEST_F(SettingsFileTest, CommentsAndUnknownLinesSurviveAWrite) {
  givenFile("; written by hand\r\n[Preference]\r\nnot a key\r\nCard=3\r\n");
  ASSERT_TRUE(settings_.writeInt("Preference", "Card", 2));
  EXPECT_EQ(readBytes(cfg()), "; written by hand\r\n[Preference]\r\nnot a key\r\nCard=2\r\n");
}

TEST_F(SettingsFileTest, FailedWriteKeepsTheOldSettings) {
  givenFile("[Preference]\r\nCard=3\r\n");
  FailingFileSystem fs(FailingFileSystem::Step::Rename);
  SettingsFile settings(cfg(), sink_, fs);
  EXPECT_FALSE(settings.writeInt("Preference", "Card", 5));
  EXPECT_EQ(readBytes(cfg()), "[Preference]\r\nCard=3\r\n");
  EXPECT_EQ(filesIn(dataDir()), std::vector<std::string>{"CFG.DAT"});
  ASSERT_EQ(sink_.messages.size(), 1U);
}

}  // namespace
}  // namespace kes
