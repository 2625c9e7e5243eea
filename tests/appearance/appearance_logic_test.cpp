// The appearance choices without a window: the slider, the customized
// backgrounds list, what Apply and OK put into the record and the settings,
// and the random appearance of each deal.
#include <QtTest>
#include <fstream>
#include <random>
#include <set>

#include "app/app_test_support.h"
#include "appearance/appearance_choices.h"
#include "appearance/background_tree.h"
#include "appearance/customized_backgrounds.h"
#include "appearance/preference_boxes.h"
#include "appearance/random_appearance.h"
#include "app/startup/preference_table.h"
#include "datafiles/config_field.h"
#include "datafiles/config_record.h"

namespace kes {

namespace {

ConfigRecord defaultRecord() {
  ConfigRecord record;
  loadPreferences(IniDocument{}, DisplayInfo{}, record);
  return record;
}

std::string valueOf(const std::vector<SettingsEntry>& entries, const std::string& key) {
  for (const SettingsEntry& entry : entries)
    if (entry.key == key) return entry.value;
  return "<none>";
}

void touch(const std::filesystem::path& file) { std::ofstream(file) << "x"; }

}  // namespace

class AppearanceLogicTest : public QObject {
  Q_OBJECT

 private slots:
  void theSpeedSliderMapsItsFivePositionsBothWays() {
    const int speeds[] = {50, 25, 10, 3, 0};
    for (int position = 1; position <= 5; ++position) {
      QCOMPARE(speedForSliderPosition(position), speeds[position - 1]);
      QCOMPARE(sliderPositionForSpeed(speeds[position - 1]), position);
    }
    // Speeds the slider does not name take the nearest position.
    QCOMPARE(sliderPositionForSpeed(99), 1);
    QCOMPARE(sliderPositionForSpeed(20), 2);
    QCOMPARE(sliderPositionForSpeed(1), 5);
  }

  void checkBoxesReadTheirValuesByTheirOwnRule() {
    const PreferenceBox* tooltips = preferenceBoxNamed("chkShowToolTips");  // when Y
    const PreferenceBox* time = preferenceBoxNamed("chkShowTime");          // unless N
    const PreferenceBox* sounds = preferenceBoxNamed("chkSoundsEnabled");   // unless Y
    QVERIFY(tooltips && time && sounds);
    QVERIFY(!checkedFor(*tooltips, "y") && checkedFor(*tooltips, "Y"));
    QVERIFY(checkedFor(*time, "") && !checkedFor(*time, "N"));
    QVERIFY(checkedFor(*sounds, "N") && checkedFor(*sounds, "") && !checkedFor(*sounds, "Y"));
    QCOMPARE(valueFor(*sounds, true), std::string("N"));
    QCOMPARE(valueFor(*sounds, false), std::string("Y"));
  }

  // A record edited by hand may hold any number: the dialog shows the
  // defaults instead of an entry that does not exist.
  void valuesOutOfRangeShowAsTheDefaults() {
    struct Case {
      const char *face, *size, *back;
      const char* cardChoice;
      int backEntry;
    };
    const Case cases[] = {{"3", "M", "27", "003M", 27},  {"0", "B", "28", "001B", 0},
                          {"6", "X", "-1", "001B", 0},    {"abc", "", "", "001B", 0},
                          {"5", "L", "1", "005L", 1}};
    for (const Case& c : cases) {
      ConfigRecord record = defaultRecord();
      record.put(Field::FaceSet, c.face);
      record.put(Field::CardSize, c.size);
      record.put(Field::BackDesign, c.back);
      const AppearanceChoices choices = choicesFrom(record, IniDocument{}, 0);
      QCOMPARE(choices.cardChoice, std::string(c.cardChoice));
      QCOMPARE(choices.backEntry, c.backEntry);
    }
  }

  void customizedBackgroundsAreRenumberedWithoutAGapAfterADelete() {
    test::TempSettings settings;
    const CustomizedBackground a{"a.png", "/pictures/"};
    const CustomizedBackground b{"b (copy).bmp", "/other (old)/"};
    const CustomizedBackground c{"c.jpg", "/pictures/"};
    for (const auto& picture : {a, b, c}) QVERIFY(addCustomizedBackground(settings.file, picture));
    QCOMPARE(settings.file.readString(kCustomizedBackgroundsSection, "Background001", ""),
             std::string("b (copy).bmp (/other (old)/)"));
    QVERIFY((readCustomizedBackgrounds(settings.file) == std::vector{a, b, c}));
    QVERIFY(deleteCustomizedBackground(settings.file, 0));
    QVERIFY((readCustomizedBackgrounds(settings.file) == std::vector{b, c}));
    QCOMPARE(settings.file.readString(kCustomizedBackgroundsSection, "Background000", ""), b.text());
    QCOMPARE(settings.file.readString(kCustomizedBackgroundsSection, "Background002", "<gone>"),
             std::string("<gone>"));
    QVERIFY(!deleteCustomizedBackground(settings.file, 2));
    QVERIFY(deleteCustomizedBackground(settings.file, 1));
    QVERIFY(deleteCustomizedBackground(settings.file, 0));
    QVERIFY(readCustomizedBackgrounds(settings.file).empty());
  }

  void theListEndsAtTheFirstMissingKey() {
    test::TempSettings settings;
    settings.file.writeString(kCustomizedBackgroundsSection, "Background000", "a.bmp (/x/)");
    settings.file.writeString(kCustomizedBackgroundsSection, "Background002", "c.bmp (/x/)");
    QCOMPARE(readCustomizedBackgrounds(settings.file).size(), std::size_t{1});
    QCOMPARE(customizedBackgroundAt("/x/y/z.png").text(), std::string("z.png (/x/y/)"));
  }

  void mediumCardsAlwaysTakeBackSixAndOkWritesThePlainNumbers() {
    ConfigRecord record = defaultRecord();
    AppearanceChoices choices = choicesFrom(record, IniDocument{}, 11);
    choices.cardChoice = "003M";
    choices.backEntry = 18;
    choices.backgroundCode = 275;
    choices.customColour = 255;
    choices.boxes["chkSoundsEnabled"] = true;  // "Disable all sounds"
    choices.sliderPosition = 5;
    QCOMPARE(previewAppearance(record, choices), std::string());
    QCOMPARE(record.get(Field::BackDesign), std::string("006"));
    QCOMPARE(record.get(Field::FaceSet), std::string("003"));
    QCOMPARE(record.get(Field::CardSize), std::string("M"));
    QCOMPARE(record.get(Field::BackgroundBitmap), std::string("275"));
    QCOMPARE(record.get(Field::BackgroundColour), std::string("0"));
    const auto written = preferencesToWrite(choices, record);
    QCOMPARE(valueOf(written, "Card"), std::string("3"));
    QCOMPARE(valueOf(written, "Back_Card"), std::string("6"));
    QCOMPARE(valueOf(written, "Sounds_Splash"), std::string("Y"));
    QCOMPARE(valueOf(written, "Sounds_Enabled"), std::string("N"));
    QCOMPARE(valueOf(written, "Sounds_Undo"), std::string("Y"));  // the rows keep their switches
    // The custom colour is kept whatever background is chosen.
    QCOMPARE(valueOf(written, "Background_Col"), std::string("255"));
    QCOMPARE(valueOf(written, "Speed_Move_Card"), std::string("0"));
    QCOMPARE(valueOf(written, "Customized_Background"), std::string());
  }

  void eachBackgroundCodeSetsItsFields() {
    ConfigRecord record = defaultRecord();
    AppearanceChoices choices = choicesFrom(record, IniDocument{}, 11);
    choices.customColour = 4242;
    struct Case {
      long long code;
      const char *bitmap, *useDefault, *colour, *fixed, *custom;
    };
    const Case cases[] = {{BackgroundCode::kCustomizedImage, "0", "N", "0", "0", "Y"},
                          {0, "0", "Y", "0", "0", "N"},
                          {1, "0", "N", "4242", "0", "N"},
                          {501, "501", "N", "0", "0", "N"},
                          {8388608, "0", "N", "0", "8388608", "N"}};
    choices.customPicture = {"me.png", "/home/me/"};
    for (const Case& c : cases) {
      choices.backgroundCode = c.code;
      const std::string file = previewAppearance(record, choices);
      QCOMPARE(record.get(Field::BackgroundBitmap), std::string(c.bitmap));
      QCOMPARE(record.get(Field::UseDefaultBackground), std::string(c.useDefault));
      QCOMPARE(record.get(Field::BackgroundColour), std::string(c.colour));
      QCOMPARE(record.get(Field::BackgroundFixedColour), std::string(c.fixed));
      QCOMPARE(record.get(Field::CustomBackgroundSet), std::string(c.custom));
      QCOMPARE(file, std::string(c.code == BackgroundCode::kCustomizedImage ? "/home/me/me.png" : ""));
    }
  }

  void theOpeningAppearanceComesBackWhole() {
    ConfigRecord record = defaultRecord();
    const OpeningAppearance opening(record);
    ConfigRecord before = record;
    AppearanceChoices choices = choicesFrom(record, IniDocument{}, 11);
    choices.cardChoice = "004B";
    choices.backEntry = 22;
    choices.backgroundCode = 16711680;
    choices.boxes["chkIrregularPiles"] = true;
    previewAppearance(record, choices);
    QVERIFY(record.get(Field::FaceSet) != before.get(Field::FaceSet));
    opening.restore(record);
    for (const ConfigField* field : {&Field::FaceSet, &Field::BackDesign, &Field::BackgroundFixedColour,
                                     &Field::IrregularPiles, &Field::CardSize, &Field::UseDefaultBackground})
      QCOMPARE(record.get(*field), before.get(*field));
  }

  void picturesAreListedWithoutRegardToCaseAndWithoutTheDoubleSizeFolder() {
    TempDir dir;
    for (const char* name : {"B300.bmp", "b101.BMP", "DB002.bmp", "db001.bmp", "Bnote.txt"}) touch(dir.path() / name);
    std::filesystem::create_directories(dir.path() / "2x");
    touch(dir.path() / "2x" / "DB003.bmp");
    QCOMPARE(listPictures(dir.path(), "b"), (std::vector<std::string>{"b101.BMP", "B300.bmp"}));
    QCOMPARE(listPictures(dir.path(), "db"), (std::vector<std::string>{"db001.bmp", "DB002.bmp"}));
    // On a display of few colours, only the pictures before the first past "b256.bmp".
    QCOMPARE(randomBackgroundCandidates({"b101.bmp", "B300.bmp", "b102.bmp"}, false),
             (std::vector<std::string>{"b101.bmp"}));
    QCOMPARE(randomBackgroundCandidates({"b101.bmp", "b102.bmp"}, false).size(), std::size_t{2});
  }

  void aSeededRandomAppearancePicksOnlyListedPicturesTheSixColoursAndBacksOneToTwentySeven() {
    ConfigRecord record = defaultRecord();
    record.put(Field::RandomBackground, "Y");
    record.put(Field::RandomFaceSet, "Y");
    record.put(Field::RandomBackDesign, "Y");
    std::mt19937 engine(1234);
    RandomAppearanceSources sources;
    sources.backgrounds = {"B257.bmp", "b258.bmp", "B501.bmp"};
    sources.backCount = 27;
    sources.random = [&engine](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    const auto colours = fixedBackgroundColours();
    std::set<std::string> bitmaps, fixed, faces, backs;
    for (int deal = 0; deal < 600; ++deal) {
      chooseRandomAppearance(record, sources);
      QCOMPARE(record.get(Field::UseDefaultBackground), std::string("N"));
      QCOMPARE(record.get(Field::CustomBackgroundSet), std::string("N"));
      const std::string bitmap = record.get(Field::BackgroundBitmap);
      const std::string colour = record.get(Field::BackgroundFixedColour);
      QVERIFY((bitmap == "0") != (colour == "0"));
      if (bitmap != "0") bitmaps.insert(bitmap);
      if (colour != "0") fixed.insert(colour);
      faces.insert(record.get(Field::FaceSet));
      backs.insert(record.get(Field::BackDesign));
    }
    QCOMPARE(bitmaps, (std::set<std::string>{"257", "258", "501"}));
    std::set<std::string> allColours;
    for (const long long c : colours) allColours.insert(std::to_string(c));
    QCOMPARE(fixed, allColours);
    QCOMPARE(faces, (std::set<std::string>{"001", "002", "003", "004", "005"}));
    QCOMPARE(backs.size(), std::size_t{27});
    QCOMPARE(*backs.begin(), std::string("001"));
    QCOMPARE(*backs.rbegin(), std::string("027"));
  }

  void smallCardsKeepTheirFacesAndBackAtANewDeal() {
    ConfigRecord record = defaultRecord();
    record.put(Field::CardSize, "M");
    record.put(Field::BackDesign, "006");
    record.put(Field::FaceSet, "003");
    record.put(Field::RandomFaceSet, "Y");
    record.put(Field::RandomBackDesign, "Y");
    RandomAppearanceSources sources;
    sources.backCount = 27;
    sources.random = [](int, int high) { return high; };
    const RandomAppearanceOutcome outcome = chooseRandomAppearance(record, sources);
    QVERIFY(!outcome.faceSet && !outcome.backDesign && !outcome.background);
    QCOMPARE(record.get(Field::BackDesign), std::string("006"));
    QCOMPARE(record.get(Field::FaceSet), std::string("003"));
  }
};

}  // namespace kes

QTEST_MAIN(kes::AppearanceLogicTest)
#include "appearance_logic_test.moc"
