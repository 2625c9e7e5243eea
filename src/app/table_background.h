#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "datafiles/config_record.h"
#include "display/geometry/background_choice.h"

namespace kes {

class ResourceLibrary;
class SettingsFile;

// The background preferences the configuration record holds; numbers that
// do not read as numbers count as 0.
BackgroundSettings backgroundSettingsOf(const ConfigRecord& config);

// A customized picture that is gone: the default background from now on,
// in the record and (when there is one) in the settings file.
void forgetCustomBackground(ConfigRecord& config, SettingsFile* settings);

// The table's background as the preferences choose it: reads the record
// and the settings file each time it paints, so that changed preferences
// show at the next repaint. A missing customized picture is reported once
// through `information`, after which the default background stands.
class TableBackground {
 public:
  TableBackground(ConfigRecord& config, SettingsFile* settings, const ResourceLibrary& library,
                  std::filesystem::path installDir);

  std::function<void(const QString&)> information;
  std::function<bool()> scrollBarShown;  // never, unless replaced
  bool manyColours = true;               // the display shows more than 256 colours
  bool demoPlaying = false;
  // Stands in for the settings' "Customized_Background" while a chosen
  // appearance is previewed.
  std::optional<std::string> customFileOverride;

  BackgroundChoice choose() const;
  // Paints the background over a surface of this size.
  void paint(QPainter& painter, const QSize& surface);

 private:
  ConfigRecord& config_;
  SettingsFile* settings_;
  const ResourceLibrary& library_;
  std::filesystem::path installDir_;
};

}  // namespace kes
