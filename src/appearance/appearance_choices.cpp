#include "appearance/appearance_choices.h"

#include "appearance/background_tree.h"
#include "appearance/preference_boxes.h"
#include "datafiles/config_field.h"
#include "datafiles/config_record.h"
#include "datafiles/pad.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

namespace Code = BackgroundCode;

constexpr std::string_view kPreference = "Preference";
constexpr const char* kSmallCardsBack = "006";
constexpr int kFaceSets = 5;
constexpr int kBackDesigns = 27;

constexpr std::array<const ConfigField*, 10> kOpeningFields{
    &Field::CardSize,         &Field::FaceSet,          &Field::FadeBackground,        &Field::BackDesign,
    &Field::BackgroundBitmap, &Field::BackgroundColour, &Field::BackgroundFixedColour, &Field::UseDefaultBackground,
    &Field::CustomBackgroundSet, &Field::IrregularPiles};

long long numberIn(const ConfigRecord& config, const ConfigField& field) {
  return wholeNumber(config.get(field)).value_or(0);
}

const char* yesNo(bool on) { return on ? "Y" : "N"; }

// The background fields for a code: bitmap, default, colour, fixed colour, customized.
struct BackgroundFields {
  long long bitmap = 0;
  bool useDefault = false;
  long long colour = 0;
  long long fixed = 0;
  bool custom = false;
};

BackgroundFields backgroundFieldsFor(const AppearanceChoices& c) {
  const long long code = c.backgroundCode;
  if (code == Code::kCustomizedImage) return {0, false, 0, 0, true};
  if (code <= 0) return {0, true, 0, 0, false};
  if (code == Code::kCustomColour) return {0, false, c.customColour, 0, false};
  if (code <= Code::kLastPicture) return {code, false, 0, 0, false};
  return {0, false, 0, code, false};
}

std::string backDesignFor(const AppearanceChoices& c, const ConfigRecord& config) {
  if (c.cardSize() != 'B') return kSmallCardsBack;
  if (c.backEntry > 0) return pad(c.backEntry, Field::BackDesign.length);
  return config.get(Field::BackDesign);
}

}  // namespace

bool AppearanceChoices::box(std::string_view control) const {
  const auto it = boxes.find(control);
  return it != boxes.end() && it->second;
}

int AppearanceChoices::faceSet() const {
  const auto n = wholeNumber(cardChoice.substr(0, 3));
  return n && *n >= 1 && *n <= 5 ? static_cast<int>(*n) : 1;
}

char AppearanceChoices::cardSize() const { return cardChoice.size() >= 4 ? cardChoice[3] : 'B'; }

AppearanceChoices choicesFrom(const ConfigRecord& config, const IniDocument& settings, int cursorSet) {
  AppearanceChoices c;
  for (const PreferenceBox& box : preferenceBoxes())
    c.boxes[std::string(box.control)] = checkedFor(box, storedValue(box, config, settings));
  for (const SoundRow& row : soundRows()) c.sounds[std::string(row.key)] = config.get(*row.field) == "Y";
  // Values out of range show as the defaults.
  const long long face = numberIn(config, Field::FaceSet);
  const std::string size = config.get(Field::CardSize);
  c.cardChoice = pad(face >= 1 && face <= kFaceSets ? face : 1, 3) + (size == "M" || size == "L" ? size : "B");
  const long long back = numberIn(config, Field::BackDesign);
  c.backEntry = back >= 1 && back <= kBackDesigns ? static_cast<int>(back) : 0;
  const long long colour = numberIn(config, Field::BackgroundColour);
  c.customColour = colour != 0 ? colour : kButtonFaceColour;
  c.sliderPosition = sliderPositionForSpeed(static_cast<int>(numberIn(config, Field::MoveSpeed)));
  c.cursorChoice = cursorSet;
  c.undoMode = undoModeOf(config.get(Field::UndoMode));
  return c;
}

OpeningBackground openingBackground(const ConfigRecord& config, const std::string& customFile,
                                    const std::vector<CustomizedBackground>& listed) {
  if (config.get(Field::CustomBackgroundSet) == "Y") {
    const CustomizedBackground inUse = customizedBackgroundAt(customFile);
    for (std::size_t i = 0; i < listed.size(); ++i)
      if (listed[i].text() == inUse.text()) return {Code::kCustomizedImage, static_cast<int>(i)};
    return {Code::kCustomizedImage, -1};
  }
  if (config.get(Field::UseDefaultBackground) == "Y") return {Code::kGroup, -1};
  if (const long long fixed = numberIn(config, Field::BackgroundFixedColour); fixed != 0) return {fixed, -1};
  if (const long long bitmap = numberIn(config, Field::BackgroundBitmap); bitmap != 0) return {bitmap, -1};
  return {Code::kCustomColour, -1};
}

OpeningAppearance::OpeningAppearance(const ConfigRecord& config) {
  for (std::size_t i = 0; i < kOpeningFields.size(); ++i) values_[i] = config.get(*kOpeningFields[i]);
}

void OpeningAppearance::restore(ConfigRecord& config) const {
  for (std::size_t i = 0; i < kOpeningFields.size(); ++i) config.put(*kOpeningFields[i], values_[i]);
}

std::string previewAppearance(ConfigRecord& config, const AppearanceChoices& c) {
  config.put(Field::FaceSet, pad(c.faceSet(), Field::FaceSet.length));
  config.put(Field::CardSize, std::string(1, c.cardSize()));
  config.put(Field::FadeBackground, yesNo(c.box("chkFadeBackground")));
  config.put(Field::BackDesign, backDesignFor(c, config));
  const BackgroundFields b = backgroundFieldsFor(c);
  config.put(Field::BackgroundBitmap, std::to_string(b.bitmap));
  config.put(Field::UseDefaultBackground, yesNo(b.useDefault));
  config.put(Field::BackgroundColour, std::to_string(b.colour));
  config.put(Field::BackgroundFixedColour, std::to_string(b.fixed));
  config.put(Field::CustomBackgroundSet, yesNo(b.custom));
  config.put(Field::IrregularPiles, yesNo(c.box("chkIrregularPiles")));
  return b.custom ? c.customPicture.path() : std::string();
}

std::vector<SettingsEntry> preferencesToWrite(const AppearanceChoices& c, const ConfigRecord& config) {
  const BackgroundFields b = backgroundFieldsFor(c);
  std::vector<SettingsEntry> out{
      {"Card", std::to_string(c.faceSet())},
      {"Card_Size", std::string(1, c.cardSize())},
      {"Back_Card", std::to_string(numberIn(config, Field::BackDesign))},
      {"Background_bmp", std::to_string(b.bitmap)},
      // The custom colour is kept whatever background is chosen.
      {"Background_Col", std::to_string(c.customColour)},
      {"Background_Fixed_Col", std::to_string(b.fixed)},
      {"Background_Def", yesNo(b.useDefault)},
      {"Customized_Background", b.custom ? c.customPicture.path() : std::string()},
      {"Undo_Enabled", std::to_string(c.undoMode)},
      {"Speed_Move_Card", std::to_string(speedForSliderPosition(c.sliderPosition))},
      {"Cursor", std::to_string(c.cursorChoice)},
  };
  for (const PreferenceBox& box : preferenceBoxes())
    out.push_back({std::string(box.key), valueFor(box, c.box(box.control))});
  for (const SoundRow& row : soundRows()) {
    const auto it = c.sounds.find(row.key);
    out.push_back({std::string(row.key), yesNo(it != c.sounds.end() && it->second)});
  }
  out.push_back({"Sounds_Splash", "Y"});
  return out;
}

void putPreferences(ConfigRecord& config, const AppearanceChoices& c) {
  for (const PreferenceBox& box : preferenceBoxes())
    if (box.field) config.put(*box.field, valueFor(box, c.box(box.control)));
  for (const SoundRow& row : soundRows()) {
    const auto it = c.sounds.find(row.key);
    config.put(*row.field, yesNo(it != c.sounds.end() && it->second));
  }
  config.put(Field::SoundSplash, "Y");
  config.put(Field::UndoMode, std::to_string(c.undoMode));
  config.put(Field::MoveSpeed, std::to_string(speedForSliderPosition(c.sliderPosition)));
  config.put(Field::CursorSet, std::to_string(c.cursorChoice));
  // The custom colour is what the record keeps only while it is the choice.
}

}  // namespace kes
