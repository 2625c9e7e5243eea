#pragma once

#include <memory>

#include "appearance/appearance_host.h"

namespace kes {

class GameController;
class SettingsFile;
class TfrmMain;

// The appearance dialogs' view of the program: the controller's record,
// pictures and table, and the main window's options.
class ProgramAppearance : public AppearanceHost {
 public:
  ProgramAppearance(TfrmMain& window, GameController& controller, SettingsFile* settings)
      : window_(window), controller_(controller), settings_(settings) {}

  ConfigRecord& config() override;
  SettingsFile* settings() override { return settings_; }
  const ResourceLibrary& library() const override;
  QString installDir() const override;
  bool manyColours() const override;
  int cursorSet() const override;
  void showAppearance(const std::optional<std::string>& customFile) override;
  void applyPreferences(const AppliedWindowOptions& options) override;
  bool canClearValues() const override { return true; }
  void clearValues(QWidget* parent) override;
  bool canPreviewSounds() const override { return true; }
  void previewSound(const QString& name) override;

 private:
  TfrmMain& window_;
  GameController& controller_;
  SettingsFile* settings_;
};

// "C&ustomize..." opens the appearance dialog over the window.
void connectAppearanceDialog(TfrmMain& window, GameController& controller, SettingsFile* settings);

}  // namespace kes
