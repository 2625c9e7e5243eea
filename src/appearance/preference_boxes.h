#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kes {

class ConfigRecord;
struct ConfigField;
class IniDocument;

// How a stored "Y"/"N" shows in a check box.
enum class ShownChecked {
  WhenYes,     // only "Y" checks the box
  UnlessNo,    // everything but "N" does
  UnlessYes,   // everything but "Y" does; a checked box writes "N"
};

enum class CustomizeTab { General, Cards, Decks, Backgrounds, Animations, Sounds, Advanced };

// One check box of the appearance dialogs and the preference it edits. A
// box without a record field reads the settings file, with its default.
struct PreferenceBox {
  CustomizeTab tab;
  std::string_view control;
  std::string_view caption;
  std::string_view key;
  const ConfigField* field;
  ShownChecked shown;
  std::string_view fallback = {};  // of a key without a field
};

std::span<const PreferenceBox> preferenceBoxes();
const PreferenceBox* preferenceBoxNamed(std::string_view control);

// The box's state for a stored value.
bool checkedFor(const PreferenceBox& box, std::string_view stored);
// The stored value for the box's state.
std::string valueFor(const PreferenceBox& box, bool checked);
// The stored value the box starts from: its field, or the settings' key.
std::string storedValue(const PreferenceBox& box, const ConfigRecord& config, const IniDocument& settings);

// One row of the sound list and its switch.
struct SoundRow {
  std::string_view text;
  std::string_view key;
  const ConfigField* field;
  std::string_view sound;  // what the play button lets the user hear
};
// Sorted by text, as the list shows them.
std::span<const SoundRow> soundRows();

// The cards-speed slider: positions 1 .. 5 are 50, 25, 10, 3 and 0
// milliseconds per step. A speed between two of them takes the position of
// the nearest; beyond the slowest, the slowest.
int speedForSliderPosition(int position);
int sliderPositionForSpeed(int milliseconds);

// The undo mode of "Undo_Enabled": "2" none, "1" one step, anything else
// unlimited (0).
int undoModeOf(std::string_view stored);

}  // namespace kes
