#include "app/table_background.h"

#include <QImageReader>
#include <array>

#include "app/startup/preference_table.h"
#include "datafiles/config_field.h"
#include "datafiles/settings_file.h"
#include "datafiles/whole_number.h"
#include "display/resources/resource_library.h"
#include "display/table/background_painter.h"

namespace kes {

namespace {

constexpr int kLastBackgroundNumber = 1000;  // the highest numbered picture the settings name
constexpr const char* kCustomBackgroundKey = "Customized_Background";
constexpr const char* kDemoTile = "Y001";

long long numberOf(const std::string& text) { return wholeNumber(text).value_or(0); }

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

constexpr const char* kUnreadableCustomBackground = "Customized background image cannot be shown: ";

}  // namespace

BackgroundSettings backgroundSettingsOf(const ConfigRecord& config) {
  BackgroundSettings settings;
  settings.useDefault = config.get(Field::UseDefaultBackground) == "Y";
  settings.customSet = config.get(Field::CustomBackgroundSet) == "Y";
  const long long bitmap = numberOf(config.get(Field::BackgroundBitmap));
  settings.bitmap = bitmap > 0 && bitmap <= kLastBackgroundNumber ? static_cast<int>(bitmap) : 0;
  settings.fixedColour = numberOf(config.get(Field::BackgroundFixedColour));
  settings.colour = numberOf(config.get(Field::BackgroundColour));
  settings.fade = config.get(Field::FadeBackground) != "N";
  return settings;
}

void forgetCustomBackground(ConfigRecord& config, SettingsFile* settings) {
  config.put(Field::CustomBackgroundSet, "N");
  config.put(Field::UseDefaultBackground, "Y");
  if (!settings) return;
  const std::array<SettingsEntry, 2> entries{{{kCustomBackgroundKey, ""}, {"Background_Def", "Y"}}};
  settings->writeStrings(kPreferenceSection, entries);
}

TableBackground::TableBackground(ConfigRecord& config, SettingsFile* settings, const ResourceLibrary& library,
                                 std::filesystem::path installDir)
    : config_(config), settings_(settings), library_(library), installDir_(std::move(installDir)) {}

BackgroundChoice TableBackground::choose() const {
  BackgroundContext context;
  context.demoPlaying = demoPlaying;
  context.manyColours = manyColours;
  context.installDir = installDir_;
  if (customFileOverride)
    context.customFile = *customFileOverride;
  else if (settings_)
    context.customFile = settings_->readString(kPreferenceSection, kCustomBackgroundKey, "");
  return chooseBackground(backgroundSettingsOf(config_), context);
}

void TableBackground::paint(QPainter& painter, const QSize& surface) {
  BackgroundChoice choice = choose();
  if (!choice.customMissing && choice.kind == BackgroundKind::TiledPicture &&
      backgroundSettingsOf(config_).customSet && !QImageReader(pathText(choice.file)).canRead()) {
    // A customized picture that is there but is no picture counts as gone.
    choice.customMissing = true;
    choice.missingMessage = kUnreadableCustomBackground + choice.file.filename().string();
  }
  if (choice.customMissing) {
    // A preview only shows the default; the preferences change when kept.
    if (!customFileOverride) forgetCustomBackground(config_, settings_);
    if (information) information(QString::fromStdString(choice.missingMessage));
    BackgroundSettings fallback;
    fallback.useDefault = true;
    BackgroundContext plain;
    plain.manyColours = manyColours;
    choice = chooseBackground(fallback, plain);
  }
  const QImage tile = choice.kind == BackgroundKind::DemoTile ? library_.image(kDemoTile) : QImage();
  paintBackground(painter, surface, choice, tile, scrollBarShown && scrollBarShown());
}

}  // namespace kes
