#include "app/startup/initialize_startup.h"

#include <gtest/gtest.h>

#include "app/startup/version_files.h"
#include "datafiles/catalogue_fixture.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/data_file_helpers.h"
#include "datafiles/settings_file.h"
#include "recording_startup_ui.h"
#include "test_temp_dir.h"

namespace kes {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::RecordingStartupUi;
using testing::writeBytes;

class StartupSequenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(installDir());
    fs::create_directories(writableDir());
    givenCatalogue();
  }

  fs::path installDir() const { return tmp_.path() / "install"; }
  fs::path writableDir() const { return tmp_.path() / "home"; }
  fs::path cfg() const { return writableDir() / "DATA" / "CFG.DAT"; }

  void givenCatalogue() {
    std::string text = "[Sect1]\r\n";
    for (const auto& line : {test::gameLine(1, 0, "Klondike"), test::gameLine(2, 1, "FreeCell"),
                             test::gameLine(3, 2, "Spider")})
      text += line + "\r\n";
    writeBytes(installDir() / "GAMES.DAT", text + "[Sect2]\r\n");
  }
  void givenSettings(const std::string& text) {
    fs::create_directories(cfg().parent_path());
    writeBytes(cfg(), text);
  }
  std::unique_ptr<AppContext> start(DisplayInfo display = {}) {
    return initializeStartup({DataDirs{installDir(), writableDir()}, display}, ui_);
  }
  std::string setting(std::string_view section, std::string_view key) {
    return SettingsFile(cfg(), ui_).readString(section, key, "<missing>");
  }

  TempDir tmp_;
  RecordingStartupUi ui_;
};

TEST_F(StartupSequenceTest, AFirstRunCreatesTheDataFolderAndWritesOnlyThePlayers) {
  fs::remove_all(writableDir());
  const auto app = start();
  ASSERT_TRUE(app);
  EXPECT_TRUE(fs::is_directory(writableDir() / "DATA"));
  EXPECT_EQ(readBytes(cfg()),
            "[Preference]\r\nUserDefault=Player 1\r\n\r\n[Users]\r\nUser001=Player 1\r\nUser002=Player 2\r\n"
            "User003=Player 3\r\n");
  EXPECT_EQ(app->config.get(Field::PlayerName), "Player 1");
  EXPECT_EQ(app->config.get(Field::CurrentGame), "0001");
  EXPECT_EQ(app->config.get(Field::GameTitle), "FreeCell");
  EXPECT_EQ(app->config.get(Field::InstallDir), writableDir().string() + "/");
  EXPECT_EQ(app->settingsPath(), cfg());
  EXPECT_EQ(app->games.name(2), "Spider");
  EXPECT_EQ(app->screenWarningState, ScreenWarningState::StartUp);
  EXPECT_TRUE(ui_.errors.empty());
  EXPECT_TRUE(ui_.informations.empty());
}

TEST_F(StartupSequenceTest, AKnownPlayerLeavesThePlayersAlone) {
  const std::string text = "[Preference]\r\nUserDefault=Anna\r\nGame_Name=Spider\r\nGame=2\r\n";
  givenSettings(text);
  const auto app = start();
  ASSERT_TRUE(app);
  EXPECT_EQ(app->config.get(Field::PlayerName), "Anna");
  EXPECT_EQ(app->config.get(Field::GameTitle), "Spider");
  EXPECT_EQ(readBytes(cfg()), text);
}

TEST_F(StartupSequenceTest, TheTableStartsEmptyWithEveryCardFaceUp) {
  const auto app = start();
  ASSERT_TRUE(app);
  for (int ordinal = 0; ordinal < kPileCount; ++ordinal) EXPECT_TRUE(app->table.pileAt(ordinal).empty());
  for (int code = 1; code <= 104; ++code) EXPECT_TRUE(app->table.isFaceUp(code)) << code;
}

TEST_F(StartupSequenceTest, ARememberedGameNoLongerCataloguedLeavesNoGameSelected) {
  givenSettings("[Preference]\r\nUserDefault=Anna\r\nGame=77\r\nGame_name=Gone Away\r\n");
  const auto app = start();
  ASSERT_TRUE(app);
  EXPECT_EQ(app->config.get(Field::CurrentGame), "-001");
  EXPECT_EQ(app->config.get(Field::GameTitle), "");
}

TEST_F(StartupSequenceTest, NoGameRemembersNoGameWhateverNegativeNumberItHas) {
  givenSettings("[Preference]\r\nUserDefault=Anna\r\nGame=-1\r\nGame_name=\r\n");
  auto app = start();
  ASSERT_TRUE(app);
  EXPECT_EQ(app->config.get(Field::CurrentGame), "-001");
  givenSettings("[Preference]\r\nUserDefault=Anna\r\nGame=-7\r\nGame_name=Odd\r\n");
  app = start();
  ASSERT_TRUE(app);
  EXPECT_EQ(app->config.get(Field::CurrentGame), "-001");
  EXPECT_EQ(app->config.get(Field::GameTitle), "");
}

TEST_F(StartupSequenceTest, ACustomGameIsKeptWhileItsRecordExistsAndDroppedAfter) {
  testing::RecordingSink sink;
  const auto number = addCustomGame(writableDir() / kCustomGamesFileName, "My Spider", 2, "0010010", sink);
  ASSERT_TRUE(number);
  givenSettings("[Preference]\r\nUserDefault=Anna\r\nGame=" + std::to_string(*number) + "\r\nGame_name=My Spider\r\n");
  auto app = start();
  ASSERT_TRUE(app);
  EXPECT_EQ(app->config.get(Field::CurrentGame), std::to_string(*number));
  ASSERT_TRUE(deleteCustomGameRecord(writableDir() / kCustomGamesFileName, *number, sink));
  app = start();
  ASSERT_TRUE(app);
  EXPECT_EQ(app->config.get(Field::CurrentGame), "-001");
}

TEST_F(StartupSequenceTest, AMissingCatalogueIsReportedAndEndsTheProgram) {
  fs::remove(installDir() / "GAMES.DAT");
  EXPECT_FALSE(start());
  ASSERT_EQ(ui_.errors.size(), 1u);
  EXPECT_EQ(ui_.errors[0], "Cannot find file:\r" + (installDir() / "GAMES.DAT").string() +
                               "\rCopy the file into the directory that above is specified\ror reinstall the program.");
  // Nothing of this version is left behind for a program that never ran.
  EXPECT_FALSE(fs::exists(writableDir() / kVersionMarkerName));
}

TEST_F(StartupSequenceTest, TheVersionMarkerIsWrittenOnceIntoTheWritableFolder) {
  ASSERT_TRUE(start());
  EXPECT_EQ(readBytes(writableDir() / kVersionMarkerName), "Kestrova version: 04.00\r\n");
  EXPECT_FALSE(fs::exists(installDir() / kVersionMarkerName));
  writeBytes(writableDir() / kVersionMarkerName, "kept");
  ASSERT_TRUE(start());
  EXPECT_EQ(readBytes(writableDir() / kVersionMarkerName), "kept");
  fs::remove(writableDir() / kVersionMarkerName);
  ASSERT_TRUE(start());
  EXPECT_TRUE(fs::exists(writableDir() / kVersionMarkerName));
}

TEST_F(StartupSequenceTest, ALowColourDisplayAdvisesUntilTheUserTicksTheBox) {
  ASSERT_TRUE(start(DisplayInfo{256}));
  ASSERT_EQ(ui_.advices.size(), 1u);
  EXPECT_EQ(ui_.advices[0], kLowColourAdvice);
  EXPECT_EQ(ui_.pictures[0], AdvicePicture::Color);
  EXPECT_EQ(setting("Show_Messages", "Screen_Under_256_Colors"), "<missing>");
  ui_.tickDontShowAgain = true;
  ASSERT_TRUE(start(DisplayInfo{256}));
  EXPECT_EQ(ui_.advices.size(), 2u);
  EXPECT_EQ(setting("Show_Messages", "Screen_Under_256_Colors"), "N");
  ASSERT_TRUE(start(DisplayInfo{256}));
  EXPECT_EQ(ui_.advices.size(), 2u);
  ASSERT_TRUE(start(DisplayInfo{65536}));
  EXPECT_EQ(ui_.advices.size(), 2u);
}

class OlderVersionFilesTest : public ::testing::Test {
 protected:
  void given(const std::string& relative) {
    fs::create_directories((tmp_.path() / relative).parent_path());
    writeBytes(tmp_.path() / relative, "old");
  }
  bool exists(const std::string& relative) const { return fs::exists(tmp_.path() / relative); }

  TempDir tmp_;
};

TEST_F(OlderVersionFilesTest, OldMarkersAndTheOldLibraryGoWhateverTheirCase) {
  given("KESV0150.DAT");
  given("kesv0370.dat");
  given("Kestrova.dll");
  given("KESV0400.DAT");
  given("KESV0380.DAT");
  EXPECT_EQ(removeOlderVersionFiles(tmp_.path()).size(), 3u);
  EXPECT_FALSE(exists("KESV0150.DAT"));
  EXPECT_FALSE(exists("kesv0370.dat"));
  EXPECT_FALSE(exists("Kestrova.dll"));
  EXPECT_TRUE(exists("KESV0400.DAT"));
  EXPECT_TRUE(exists("KESV0380.DAT"));
}

TEST_F(OlderVersionFilesTest, PictureGroupsGoOnlyWhenTheirFirstFileIsThere) {
  given("Images/GAME0000.BMP");
  given("Images/GAME0100.BMP");
  given("Images/GAME0101.BMP");
  given("Images/WB002.BMP");  // no WB001: the winning pictures stay
  given("Images/CB001C.BMP");
  given("Images/CB005S.BMP");
  given("Images/cm003h.bmp");
  given("Images/CL003S.BMP");
  given("Images/b001.bmp");
  removeOlderVersionFiles(tmp_.path());
  EXPECT_FALSE(exists("Images/GAME0000.BMP"));
  EXPECT_FALSE(exists("Images/GAME0100.BMP"));
  EXPECT_TRUE(exists("Images/GAME0101.BMP"));
  EXPECT_TRUE(exists("Images/WB002.BMP"));
  EXPECT_FALSE(exists("Images/CB001C.BMP"));
  EXPECT_FALSE(exists("Images/CB005S.BMP"));
  EXPECT_FALSE(exists("Images/cm003h.bmp"));
  EXPECT_FALSE(exists("Images/CL003S.BMP"));
  EXPECT_TRUE(exists("Images/b001.bmp"));
}

TEST_F(OlderVersionFilesTest, WinningPicturesOfAllThreeKindsGoTogether) {
  given("IMAGES/WB001.BMP");
  given("IMAGES/WM025.BMP");
  given("IMAGES/WP000.BMP");
  given("IMAGES/WP026.BMP");
  removeOlderVersionFiles(tmp_.path());
  EXPECT_FALSE(exists("IMAGES/WB001.BMP"));
  EXPECT_FALSE(exists("IMAGES/WM025.BMP"));
  EXPECT_FALSE(exists("IMAGES/WP000.BMP"));
  EXPECT_TRUE(exists("IMAGES/WP026.BMP"));
}

TEST_F(OlderVersionFilesTest, StartUpRemovesThemFromTheWritableFolderOnly) {
  TempDir install;
  writeBytes(install.path() / "GAMES.DAT", "[Sect1]\r\n");
  writeBytes(install.path() / "KESV0300.DAT", "old");
  given("KESV0300.DAT");
  RecordingStartupUi ui;
  ASSERT_TRUE(initializeStartup({DataDirs{install.path(), tmp_.path()}, {}}, ui));
  EXPECT_FALSE(exists("KESV0300.DAT"));
  EXPECT_TRUE(fs::exists(install.path() / "KESV0300.DAT"));
}

}  // namespace
}  // namespace kes
