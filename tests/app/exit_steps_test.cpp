#include "app/startup/exit_steps.h"

#include <gtest/gtest.h>

#include "app/startup/advice_message.h"
#include "datafiles/data_file_helpers.h"
#include "recording_startup_ui.h"
#include "test_temp_dir.h"

namespace kes {
namespace {

using testing::readBytes;
using testing::RecordingStartupUi;
using testing::writeBytes;

class ExitStepsTest : public ::testing::Test {
 protected:
  std::filesystem::path cfg() const { return tmp_.path() / "DATA" / "CFG.DAT"; }
  void givenSettings(const std::string& text) {
    std::filesystem::create_directories(cfg().parent_path());
    writeBytes(cfg(), text);
  }
  std::string preference(std::string_view key) { return settings_.readString("Preference", key, "<missing>"); }

  TempDir tmp_;
  RecordingStartupUi ui_;
  SettingsFile settings_{cfg(), ui_};
};

TEST_F(ExitStepsTest, ANormalWindowSavesItsPlaceAndClosesWithoutAskingByDefault) {
  const ExitRequest request{{10, 20, 640, 480, false}, false};
  EXPECT_EQ(confirmExit(request, settings_, ui_), ExitDecision::Close);
  EXPECT_TRUE(ui_.questions.empty());
  EXPECT_EQ(preference("MainWindowState_Maximized"), "N");
  EXPECT_EQ(preference("MainWindowState_Left"), "10");
  EXPECT_EQ(preference("MainWindowState_Top"), "20");
  EXPECT_EQ(preference("MainWindowState_Width"), "640");
  EXPECT_EQ(preference("MainWindowState_Height"), "480");
  const StoredPlacement back = readStoredPlacement(settings_.readAll(), 1024, 768);
  EXPECT_EQ(back.left, 10);
  EXPECT_EQ(back.height, 480);
  EXPECT_FALSE(back.maximized);
}

TEST_F(ExitStepsTest, AMaximizedWindowKeepsItsLastNormalPlace) {
  givenSettings("[Preference]\r\nMainWindowState_Maximized=N\r\nMainWindowState_Left=33\r\n");
  EXPECT_EQ(confirmExit({{0, 0, 1920, 1080, true}, false}, settings_, ui_), ExitDecision::Close);
  EXPECT_EQ(readBytes(cfg()), "[Preference]\r\nMainWindowState_Maximized=Y\r\nMainWindowState_Left=33\r\n");
}

TEST_F(ExitStepsTest, TheDefaultPlacementFitsTheScreenMaximized) {
  const StoredPlacement p = readStoredPlacement(IniDocument::parse(""), 1024, 768);
  EXPECT_EQ(p.left, 50);
  EXPECT_EQ(p.top, 50);
  EXPECT_EQ(p.width, 874);
  EXPECT_EQ(p.height, 618);
  EXPECT_TRUE(p.maximized);
}

TEST_F(ExitStepsTest, TheExitQuestionDecidesWhenTheUserWantsIt) {
  givenSettings("[Preference]\r\nConfirmQuit=Y\r\n");
  ui_.answerOk = false;
  EXPECT_EQ(confirmExit({{}, false}, settings_, ui_), ExitDecision::Refuse);
  ASSERT_EQ(ui_.questions.size(), 1u);
  EXPECT_EQ(ui_.questions[0], "Exit Kestrova 2000?");
  ui_.answerOk = true;
  EXPECT_EQ(confirmExit({{}, false}, settings_, ui_), ExitDecision::Close);
}

TEST_F(ExitStepsTest, TheWinningAnimationDefersTheCloseWithoutAQuestion) {
  givenSettings("[Preference]\r\nConfirmQuit=Y\r\n");
  EXPECT_EQ(confirmExit({{5, 6, 700, 500, false}, true}, settings_, ui_), ExitDecision::AfterWinningAnimation);
  EXPECT_TRUE(ui_.questions.empty());
  EXPECT_EQ(preference("MainWindowState_Left"), "5");
}

TEST_F(ExitStepsTest, ShutdownRecordsTheGameAndKeepsTheAutoplaySwitch) {
  std::string steps;
  ShutdownActions{[&] { steps += "record "; }, [&] { steps += "hide"; }, false}.run(settings_);
  EXPECT_EQ(steps, "record hide");
  EXPECT_EQ(preference("AutoPlay"), "N");
  ShutdownActions{{}, {}, true}.run(settings_);
  EXPECT_EQ(preference("AutoPlay"), "Y");
}

TEST_F(ExitStepsTest, AnAdviceTurnedOffIsNotShownAgain) {
  EXPECT_TRUE(adviceMessage("Take care.", "Some_Advice", AdvicePicture::Screen640x480, settings_, ui_));
  EXPECT_EQ(settings_.readString("Show_Messages", "Some_Advice", "<missing>"), "<missing>");
  ui_.tickDontShowAgain = true;
  EXPECT_TRUE(adviceMessage("Take care.", "Some_Advice", AdvicePicture::Screen640x480, settings_, ui_));
  EXPECT_EQ(settings_.readString("show_messages", "some_advice", "<missing>"), "N");
  EXPECT_FALSE(adviceMessage("Take care.", "Some_Advice", AdvicePicture::Screen640x480, settings_, ui_));
  EXPECT_EQ(ui_.advices.size(), 2u);
  EXPECT_EQ(ui_.pictures.back(), AdvicePicture::Screen640x480);
}

TEST_F(ExitStepsTest, AnyValueButNKeepsTheAdviceShowing) {
  givenSettings("[show_messages]\r\nsome_advice=y\r\n");
  EXPECT_TRUE(adviceMessage("Take care.", "Some_Advice", AdvicePicture::Color, settings_, ui_));
}

}  // namespace
}  // namespace kes
