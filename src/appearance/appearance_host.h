#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace kes {

class ConfigRecord;
class ResourceLibrary;
class SettingsFile;

// The window options OK applies without writing them a second time.
struct AppliedWindowOptions {
  bool toolbarLarge = false;
  bool toolbarFlat = true;
  bool showTime = true;
  bool showScore = true;
  int cursorSet = 11;
};

// What the appearance dialogs work on: the record and the settings file,
// the pictures, and the table and window that show the choices.
class AppearanceHost {
 public:
  virtual ~AppearanceHost() = default;

  virtual ConfigRecord& config() = 0;
  // None: nothing can be written (the dialog still previews).
  virtual SettingsFile* settings() = 0;
  virtual const ResourceLibrary& library() const = 0;
  virtual QString installDir() const = 0;
  // The display shows more than 256 colours.
  virtual bool manyColours() const = 0;
  virtual int cursorSet() const = 0;

  // Shows the appearance the record holds at once: card size, faces, back,
  // irregular piles, layout and background. customFile stands in for the
  // settings' "Customized_Background" while a preview is shown; none goes
  // back to the settings' own.
  virtual void showAppearance(const std::optional<std::string>& customFile) = 0;
  // The preferences OK wrote take effect: the window options, the cursor,
  // the tooltips, scroll bar, pile sizes, animations, shadows and undo mode.
  virtual void applyPreferences(const AppliedWindowOptions& options) = 0;
  // "Clear values": the dialog that clears statistics and hi-scores, when
  // the program offers it.
  virtual bool canClearValues() const { return false; }
  virtual void clearValues(QWidget* /*parent*/) {}
  // The sounds tab's play and stop buttons: a sound heard whatever its
  // event switch says (the master switch still applies).
  virtual bool canPreviewSounds() const { return false; }
  virtual void previewSound(const QString& /*name*/) {}
};

}  // namespace kes
