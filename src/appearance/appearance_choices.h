#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "appearance/customized_backgrounds.h"
#include "datafiles/ini_document.h"

namespace kes {

class ConfigRecord;

// The values the appearance dialog edits while it is open.
struct AppearanceChoices {
  std::map<std::string, bool, std::less<>> boxes;  // check box name -> checked
  std::map<std::string, bool, std::less<>> sounds;  // "Sounds_" key -> switch on
  std::string cardChoice = "001B";                  // face set (3 digits) + size letter
  int backEntry = 0;                                // the chosen back's design, 0 for none
  long long backgroundCode = 0;                     // of the chosen background entry
  CustomizedBackground customPicture;               // when that is a customized picture
  long long customColour = 0;                       // of "(Custom color)"
  int sliderPosition = 3;
  int cursorChoice = 11;
  int undoMode = 0;

  bool box(std::string_view control) const;
  int faceSet() const;
  char cardSize() const;
};

// The button-face colour a new custom colour starts from.
inline constexpr long long kButtonFaceColour = -2147483633;

// The dialog's values as the record and the settings hold them now. The
// background code and picture are set by the dialog from its tree.
AppearanceChoices choicesFrom(const ConfigRecord& config, const IniDocument& settings, int cursorSet);

// The entry the background tree selects at opening: the customized picture
// in use (its index in the list, or -1 when it is not listed), the default
// background, the fixed colour, the numbered picture, else the custom colour.
struct OpeningBackground {
  long long code = 0;
  int customIndex = -1;
};
OpeningBackground openingBackground(const ConfigRecord& config, const std::string& customFile,
                                    const std::vector<CustomizedBackground>& listed);

// The record's appearance fields a preview changes, as they were.
class OpeningAppearance {
 public:
  explicit OpeningAppearance(const ConfigRecord& config);
  void restore(ConfigRecord& config) const;
  const std::string& cardSize() const { return values_[0]; }

 private:
  std::array<std::string, 10> values_;
};

// Puts the appearance the choices show into the record: face set and size,
// fade, back (design 006 unless the cards are big), the background fields
// and the irregular piles. Returns the "Customized_Background" the choice
// needs (folder + file name, or empty).
std::string previewAppearance(ConfigRecord& config, const AppearanceChoices& choices);

// Everything OK writes to the settings file, after previewAppearance has
// put the appearance into config.
std::vector<SettingsEntry> preferencesToWrite(const AppearanceChoices& choices, const ConfigRecord& config);
// The same values into the record's fields.
void putPreferences(ConfigRecord& config, const AppearanceChoices& choices);

}  // namespace kes
