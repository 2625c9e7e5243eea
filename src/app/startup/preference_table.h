#pragma once

#include <span>
#include <string_view>

#include "app/startup/display_info.h"
#include "app/window/window_options.h"
#include "datafiles/config_record.h"
#include "datafiles/ini_document.h"

namespace kes {

inline constexpr std::string_view kPreferenceSection = "Preference";

// How a preference's text becomes its field.
enum class PreferenceFormat {
  Text,       // copied as read
  Padded,     // a whole number, zero-padded to the field's width
  Decimal,    // a whole number in plain decimal
  Presence,   // "Y" when the key holds anything, else "N"
};

// Where a preference's default comes from when the key is missing.
enum class PreferenceDefault {
  Fixed,               // the table's text
  FaceSetForDisplay,   // "3" on a display of 256 colours or fewer, else the table's text
  SameAsCardsAnimate,  // whatever "Cards_Animate" read
};

// The key is the field's own "Preference" key.
struct PreferenceRule {
  const ConfigField* field;
  std::string_view fallback;
  PreferenceFormat format = PreferenceFormat::Text;
  PreferenceDefault defaultFrom = PreferenceDefault::Fixed;

  std::string_view key() const { return field->preferenceKey; }
};

// The preferences loaded into the configuration record, in load order.
std::span<const PreferenceRule> preferenceRules();

// Fills every preference field of record from the settings file's text and
// applies the rules tied to them (a card size other than "B" forces back
// design "006"; blank or zero values get their working defaults; a fresh
// scoring system and session counters). Keys compare without regard to case;
// a whole-number key that holds no number, or one too wide for its field,
// reads as its default.
void loadPreferences(const IniDocument& settings, const DisplayInfo& display, ConfigRecord& record);

// The preferences kept by the main window, from the settings file's text
// and the record loadPreferences filled.
WindowOptions loadWindowOptions(const IniDocument& settings, const ConfigRecord& record);

}  // namespace kes
