#include "app/startup/advice_message.h"

#include <gtest/gtest.h>

#include "datafiles/data_file_helpers.h"
#include "recording_startup_ui.h"
#include "test_temp_dir.h"

namespace kes {
namespace {

using testing::RecordingStartupUi;
using testing::writeBytes;

class AdviceMessageTest : public ::testing::Test {
 protected:
  std::filesystem::path cfg() const { return tmp_.path() / "DATA" / "CFG.DAT"; }
  void givenSettings(const std::string& text) {
    std::filesystem::create_directories(cfg().parent_path());
    writeBytes(cfg(), text);
  }

  TempDir tmp_;
  RecordingStartupUi ui_;
  SettingsFile settings_{cfg(), ui_};
};

TEST_F(AdviceMessageTest, AnAdviceTurnedOffIsNotShownAgain) {
  EXPECT_TRUE(adviceMessage("Take care.", "Some_Advice", AdvicePicture::Screen640x480, settings_, ui_));
  EXPECT_EQ(settings_.readString("Show_Messages", "Some_Advice", "<missing>"), "<missing>");
  ui_.tickDontShowAgain = true;
  EXPECT_TRUE(adviceMessage("Take care.", "Some_Advice", AdvicePicture::Screen640x480, settings_, ui_));
  EXPECT_EQ(settings_.readString("show_messages", "some_advice", "<missing>"), "N");
  EXPECT_FALSE(adviceMessage("Take care.", "Some_Advice", AdvicePicture::Screen640x480, settings_, ui_));
  EXPECT_EQ(ui_.advices.size(), 2u);
  EXPECT_EQ(ui_.pictures.back(), AdvicePicture::Screen640x480);
}

TEST_F(AdviceMessageTest, AnyValueButNKeepsTheAdviceShowing) {
  givenSettings("[show_messages]\r\nsome_advice=y\r\n");
  EXPECT_TRUE(adviceMessage("Take care.", "Some_Advice", AdvicePicture::Color, settings_, ui_));
}

}  // namespace
}  // namespace kes
