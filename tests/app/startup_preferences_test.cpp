#include "app/startup/preference_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kes {
namespace {

struct Expected {
  const ConfigField& field;
  const char* value;
};

// What a first start with no settings file holds, field by field.
const Expected kFirstRunValues[] = {
    {Field::ShowToolTips, "Y"},   {Field::BackDesign, "011"},     {Field::FaceSet, "001"},
    {Field::CardSize, "B"},       {Field::BackgroundBitmap, "0"}, {Field::BackgroundFixedColour, "32768"},
    {Field::BackgroundColour, "-2147483633"}, {Field::UseDefaultBackground, "N"},
    {Field::FadeBackground, "Y"}, {Field::CustomBackgroundSet, "N"}, {Field::CurrentGame, "0001"},
    {Field::GameTitle, "FreeCell"}, {Field::ShowTime, "Y"},      {Field::ShowScore, "Y"},
    {Field::CardsAnimate, "Y"},   {Field::CardsShadowed, "Y"},   {Field::IrregularPiles, "N"},
    {Field::AutomaticFaceUp, "Y"}, {Field::DealAnimation, "Y"},  {Field::RedealAnimation, "Y"},
    {Field::LanguageBase, "20000"}, {Field::MoveSpeed, "10"},    {Field::ShowStatusBar, "N"},
    {Field::PlayerName, ""},      {Field::UndoMode, "0"},        {Field::WinningAnimation, "Y"},
    {Field::ConfirmQuitGame, "Y"}, {Field::ConfirmEnterHiScores, "Y"}, {Field::SoundsEnabled, "Y"},
    {Field::SoundAbout, "Y"},     {Field::SoundAutoplay, "Y"},   {Field::SoundCardDown, "Y"},
    {Field::SoundCardUp, "Y"},    {Field::SoundNewHiScores, "Y"}, {Field::SoundFaceUp, "Y"},
    {Field::SoundGameWon, "Y"},   {Field::SoundHiScores, "Y"},   {Field::SoundNewGame, "Y"},
    {Field::SoundPairing, "Y"},   {Field::SoundRedeal, "Y"},     {Field::SoundRedo, "Y"},
    {Field::SoundRestart, "Y"},   {Field::SoundShuffle, "Y"},    {Field::SoundSplash, "Y"},
    {Field::SoundStock, "Y"},     {Field::SoundFoundation, "Y"}, {Field::SoundTableau, "Y"},
    {Field::SoundUndo, "Y"},      {Field::RandomBackground, "N"}, {Field::RandomFaceSet, "N"},
    {Field::RandomBackDesign, "N"}, {Field::VertScrollBar, "Y"}, {Field::ShowPileSizes, "Y"},
    {Field::CursorSet, "11"},     {Field::ScoringSystem, "01"},  {Field::CurrentWins, "0000"},
    {Field::CurrentLosses, "0000"},
};

ConfigRecord loaded(const std::string& settingsText, DisplayInfo display = {}) {
  ConfigRecord record;
  loadPreferences(IniDocument::parse(settingsText), display, record);
  return record;
}

TEST(StartupPreferences, EveryPreferenceKeyOfTheRecordIsLoadedExactlyOnce) {
  std::multiset<std::string_view> loadedKeys;
  for (const auto& rule : preferenceRules()) loadedKeys.insert(rule.key());
  std::size_t keyed = 0;
  for (const auto& field : allConfigFields()) {
    if (!field.hasPreference()) continue;
    ++keyed;
    EXPECT_EQ(loadedKeys.count(field.preferenceKey), 1u) << field.preferenceKey;
  }
  EXPECT_EQ(loadedKeys.size(), keyed);
}

TEST(StartupPreferences, AMissingSettingsFileGivesEveryDefault) {
  const ConfigRecord record = loaded("");
  for (const auto& expected : kFirstRunValues)
    EXPECT_EQ(record.get(expected.field), expected.value) << expected.field.name;
}

TEST(StartupPreferences, KeysAreReadWhateverTheirLetterCase) {
  const ConfigRecord record = loaded(
      "[preference]\r\nGame_Name=Spider\r\nBACKGROUND_DEF=Y\r\nback_card=7\r\ngame=12\r\n"
      "userdefault=  Anna\r\n");
  EXPECT_EQ(record.get(Field::GameTitle), "Spider");
  EXPECT_EQ(record.get(Field::UseDefaultBackground), "Y");
  EXPECT_EQ(record.get(Field::BackDesign), "007");
  EXPECT_EQ(record.get(Field::CurrentGame), "0012");
  EXPECT_EQ(record.get(Field::PlayerName), "Anna");
}

TEST(StartupPreferences, NumbersThatAreNoNumbersOrDoNotFitReadAsTheirDefault) {
  const ConfigRecord record = loaded(
      "[Preference]\r\nBack_Card=abc\r\nGame=12x\r\nLanguage=\r\nSpeed_Move_Card=100\r\nCursor=+12\r\n"
      "Card=12345\r\nBackground_Col=red\r\nBackground_Fixed_Col=255\r\n");
  EXPECT_EQ(record.get(Field::BackDesign), "011");
  EXPECT_EQ(record.get(Field::CurrentGame), "0001");
  EXPECT_EQ(record.get(Field::LanguageBase), "20000");
  EXPECT_EQ(record.get(Field::MoveSpeed), "10");  // 100 would be cut to 10 anyway, but by accident
  EXPECT_EQ(record.get(Field::CursorSet), "12");
  EXPECT_EQ(record.get(Field::FaceSet), "001");
  EXPECT_EQ(record.get(Field::BackgroundColour), "-2147483633");
  EXPECT_EQ(record.get(Field::BackgroundFixedColour), "255");
}

TEST(StartupPreferences, NoRememberedGameStaysNone) {
  EXPECT_EQ(loaded("[Preference]\r\nGame=-1\r\n").get(Field::CurrentGame), "-001");
}

TEST(StartupPreferences, CardsOtherThanBigForceTheirOneBack) {
  EXPECT_EQ(loaded("[Preference]\r\nCard_Size=M\r\nBack_Card=3\r\n").get(Field::BackDesign), "006");
  EXPECT_EQ(loaded("[Preference]\r\nCard_Size=L\r\n").get(Field::BackDesign), "006");
  EXPECT_EQ(loaded("[Preference]\r\nCard_Size=B\r\nBack_Card=3\r\n").get(Field::BackDesign), "003");
}

TEST(StartupPreferences, ShadowsFollowTheAnimationSwitchUnlessSetThemselves) {
  EXPECT_EQ(loaded("[Preference]\r\nCards_Animate=N\r\n").get(Field::CardsShadowed), "N");
  EXPECT_EQ(loaded("[Preference]\r\nCards_Animate=N\r\nCards_Shadowed=Y\r\n").get(Field::CardsShadowed), "Y");
}

TEST(StartupPreferences, ZeroOrBlankValuesGetTheirWorkingDefaults) {
  const ConfigRecord record = loaded("[Preference]\r\nBack_Card=0\r\nBackground_Col=0\r\nBackground_bmp=\r\n");
  EXPECT_EQ(record.get(Field::BackDesign), "001");
  EXPECT_EQ(record.get(Field::BackgroundColour), "-2147483633");
  EXPECT_EQ(record.get(Field::BackgroundBitmap), "0");
  EXPECT_EQ(loaded("[Preference]\r\nBackground_bmp=b012\r\n").get(Field::BackgroundBitmap), "b012");
}

TEST(StartupPreferences, ACustomizedBackgroundIsNotedAsSet) {
  EXPECT_EQ(loaded("[Preference]\r\nCustomized_Background=/home/a/sky.bmp\r\n").get(Field::CustomBackgroundSet), "Y");
  EXPECT_EQ(loaded("[Preference]\r\nCustomized_Background=\r\n").get(Field::CustomBackgroundSet), "N");
}

TEST(StartupPreferences, ALowColourDisplayDefaultsToTheSimpleFaceSet) {
  EXPECT_EQ(loaded("", DisplayInfo{256}).get(Field::FaceSet), "003");
  EXPECT_EQ(loaded("[Preference]\r\nCard=2\r\n", DisplayInfo{256}).get(Field::FaceSet), "002");
  EXPECT_EQ(loaded("", DisplayInfo{65536}).get(Field::FaceSet), "001");
  EXPECT_EQ(colourCountOf(8), 256);
  EXPECT_EQ(colourCountOf(16), 65536);
  EXPECT_EQ(colourCountOf(32), 999999999);
}

TEST(StartupPreferences, TheWindowGetsItsToolbarPanelsAutoplayAndCursor) {
  const auto settings = IniDocument::parse(
      "[Preference]\r\nToolBar_Large=Y\r\nToolBar_Flat=N\r\nToolBar_Visible=N\r\nAutoPlay=N\r\nCursor=21\r\n"
      "Show_Time=N\r\nShow_ToolTips=N\r\nStatusBar=Y\r\n");
  ConfigRecord record;
  loadPreferences(settings, {}, record);
  const WindowOptions options = loadWindowOptions(settings, record);
  EXPECT_TRUE(options.toolbarLarge);
  EXPECT_FALSE(options.toolbarFlat);
  EXPECT_FALSE(options.toolbarVisible);
  EXPECT_FALSE(options.autoPlay);
  EXPECT_EQ(options.cursorSet, 21);
  EXPECT_FALSE(options.showTime);
  EXPECT_TRUE(options.showScore);
  EXPECT_FALSE(options.showToolTips);
  EXPECT_TRUE(options.showStatusBar);
  const WindowOptions defaults = loadWindowOptions(IniDocument::parse(""), loaded(""));
  EXPECT_FALSE(defaults.toolbarLarge);
  EXPECT_TRUE(defaults.toolbarFlat);
  EXPECT_TRUE(defaults.toolbarVisible);
  EXPECT_TRUE(defaults.autoPlay);
  EXPECT_EQ(defaults.cursorSet, 11);
  EXPECT_TRUE(defaults.showTime);
  EXPECT_TRUE(defaults.showToolTips);
  EXPECT_FALSE(defaults.showStatusBar);
  // A switch is on unless it says "N".
  const auto lower = IniDocument::parse("[Preference]\r\nToolBar_Flat=y\r\n");
  EXPECT_TRUE(loadWindowOptions(lower, loaded("")).toolbarFlat);
}

}  // namespace
}  // namespace kes
