#include "play_preferences.h"

#include "datafiles/config_field.h"

namespace kes {

PlayPreferences playPreferencesOf(const ConfigRecord& config, bool autoplay) {
  PlayPreferences prefs;
  prefs.automaticFaceUp = config.get(Field::AutomaticFaceUp) != "N";
  const std::string undo = config.get(Field::UndoMode);
  prefs.undoMode = undo == "2" ? UndoMode::Disabled : undo == "1" ? UndoMode::OneStep : UndoMode::Unlimited;
  prefs.autoplay = autoplay;
  return prefs;
}

}  // namespace kes
