#include "display/geometry/background_choice.h"

#include <gtest/gtest.h>

#include <set>

namespace kes {
namespace {

// A file system that holds exactly these files.
BackgroundContext contextWith(std::set<std::filesystem::path> files) {
  BackgroundContext context;
  context.installDir = "/opt/kes";
  context.fileExists = [files = std::move(files)](const std::filesystem::path& file) { return files.count(file) > 0; };
  return context;
}

TEST(BackgroundChoice, TheDemoTileComesBeforeEveryPreference) {
  BackgroundSettings settings;
  settings.useDefault = true;
  settings.bitmap = 262;
  BackgroundContext context = contextWith({});
  context.demoPlaying = true;
  EXPECT_EQ(chooseBackground(settings, context).kind, BackgroundKind::DemoTile);
}

TEST(BackgroundChoice, TheDefaultGreenIsDarkerOnDisplaysOfManyColours) {
  BackgroundSettings settings;
  settings.useDefault = true;
  settings.customSet = true;  // the default wins over a customized picture
  BackgroundContext context = contextWith({});
  BackgroundChoice choice = chooseBackground(settings, context);
  EXPECT_EQ(choice.kind, BackgroundKind::Colour);
  EXPECT_EQ(choice.colour.rgb, (Rgb{0, 96, 0}));
  EXPECT_FALSE(choice.customMissing);
  context.manyColours = false;
  EXPECT_EQ(chooseBackground(settings, context).colour.rgb, (Rgb{0, 128, 0}));
}

TEST(BackgroundChoice, ACustomizedPictureIsTiledFromWhereTheSettingsName) {
  BackgroundSettings settings;
  settings.customSet = true;
  settings.bitmap = 262;
  BackgroundContext context = contextWith({"/home/p/pics/felt.bmp"});
  context.customFile = "/home/p/pics/felt.bmp";
  const BackgroundChoice choice = chooseBackground(settings, context);
  EXPECT_EQ(choice.kind, BackgroundKind::TiledPicture);
  EXPECT_EQ(choice.file, std::filesystem::path("/home/p/pics/felt.bmp"));
  EXPECT_FALSE(choice.customMissing);
}

TEST(BackgroundChoice, AMissingCustomizedPictureFallsBackToTheDefaultGreenWithItsMessage) {
  BackgroundSettings settings;
  settings.customSet = true;
  settings.bitmap = 262;  // not used: the fallback is the default, not the next rule
  BackgroundContext context = contextWith({"/opt/kes/Images/B262.bmp"});
  context.customFile = "/home/p/gone.bmp";
  const BackgroundChoice choice = chooseBackground(settings, context);
  EXPECT_EQ(choice.kind, BackgroundKind::Colour);
  EXPECT_EQ(choice.colour.rgb, kDefaultGreen);
  EXPECT_TRUE(choice.customMissing);
  EXPECT_EQ(choice.missingMessage, "Customized background image not found: /home/p/gone.bmp");
}

TEST(BackgroundChoice, NumberedPicturesAreTiledUpTo499AndDrawnOnceFrom500) {
  BackgroundSettings settings;
  const BackgroundContext context = contextWith({});
  settings.bitmap = 499;
  BackgroundChoice choice = chooseBackground(settings, context);
  EXPECT_EQ(choice.kind, BackgroundKind::TiledPicture);
  EXPECT_EQ(choice.file, std::filesystem::path("/opt/kes/Images/B499.bmp"));
  settings.bitmap = 500;
  choice = chooseBackground(settings, context);
  EXPECT_EQ(choice.kind, BackgroundKind::FullPicture);
  EXPECT_EQ(choice.file, std::filesystem::path("/opt/kes/Images/B500.bmp"));
  settings.bitmap = 7;
  EXPECT_EQ(chooseBackground(settings, context).file, std::filesystem::path("/opt/kes/Images/B007.bmp"));
}

TEST(BackgroundChoice, TheFixedColourWinsWhenAboveZeroAndFadesOnlyOnManyColours) {
  BackgroundSettings settings;
  settings.fixedColour = 8388608;  // navy: 0x800000 is blue 128
  settings.colour = 255;
  BackgroundContext context = contextWith({});
  BackgroundChoice choice = chooseBackground(settings, context);
  EXPECT_EQ(choice.kind, BackgroundKind::FadedColour);
  EXPECT_EQ(choice.colour.rgb, (Rgb{0, 0, 128}));
  context.manyColours = false;  // a 256-colour display shows the plain colour
  EXPECT_EQ(chooseBackground(settings, context).kind, BackgroundKind::Colour);
  context.manyColours = true;
  settings.fade = false;
  settings.fixedColour = 0;
  choice = chooseBackground(settings, context);
  EXPECT_EQ(choice.kind, BackgroundKind::Colour);
  EXPECT_EQ(choice.colour.rgb, (Rgb{255, 0, 0}));
}

TEST(BackgroundColour, SettingsHoldBlueGreenRedOrASystemColour) {
  EXPECT_EQ(decodeColour(32768).rgb, (Rgb{0, 128, 0}));
  EXPECT_EQ(decodeColour(0x123456).rgb, (Rgb{0x56, 0x34, 0x12}));
  const TableColour buttonFace = decodeColour(-2147483633);
  EXPECT_TRUE(buttonFace.system);
  EXPECT_EQ(buttonFace.systemIndex, kButtonFaceIndex);
  EXPECT_FALSE(decodeColour(16777215).system);
}

TEST(BackgroundPicturePath, ABareNameIsLookedUpInImagesAndAFolderIsKept) {
  EXPECT_EQ(backgroundPicturePath("B101", "/opt/kes"), std::filesystem::path("/opt/kes/Images/B101.bmp"));
  EXPECT_EQ(backgroundPicturePath("/tmp/x.bmp", "/opt/kes"), std::filesystem::path("/tmp/x.bmp"));
  EXPECT_EQ(backgroundPicturePath("pics/x.png", "/opt/kes"), std::filesystem::path("pics/x.png"));
}

}  // namespace
}  // namespace kes
