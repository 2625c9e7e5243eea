#include "initialize_startup.h"

#include <system_error>

#include "app/startup/advice_message.h"
#include "app/startup/first_run_players.h"
#include "app/startup/preference_table.h"
#include "app/startup/remembered_game.h"
#include "app/startup/version_files.h"
#include "datafiles/catalogue_file.h"
#include "datafiles/data_location.h"
#include "datafiles/settings_file.h"

namespace kes {

const std::string_view kLowColourAdvice =
    "At this time your display driver supports 256 colors or less. This program takes advantage of 65,536 colors "
    "(16 bit) or 16.8 million colors (24 bit) palettes or higher resolutions. \rIf your video driver allows High "
    "or True color mode settings (16 bit or 24 bit), modify your screen resolution using Properties for Display "
    "in Control Panel.";

namespace {

void createDataFolder(const DataDirs& dirs) {
  // A folder that cannot be made is reported by the first file written there.
  std::error_code ec;
  std::filesystem::create_directories(dirs.dataFolder(), ec);
}

void loadSettings(AppContext& app, const DisplayInfo& display, SettingsFile& settings, StartupUi& ui) {
  const IniDocument stored = settings.readAll();
  loadPreferences(stored, display, app.config);
  app.window = loadWindowOptions(stored, app.config);
  if (isLowColourDisplay(display))
    adviceMessage(kLowColourAdvice, kLowColourAdviceKey, AdvicePicture::Color, settings, ui);
  setUpFirstRunPlayers(app.config, settings);
}

bool loadGames(AppContext& app, StartupUi& ui) {
  if (!app.readCatalogue()) {
    ui.error(missingCatalogueMessage(catalogueFile(app.dirs.install)));
    return false;
  }
  dropVanishedGame(app.config, app.games, customGameNamesOf(app.customGamesPath()));
  return true;
}

}  // namespace

std::unique_ptr<AppContext> initializeStartup(const StartupInputs& inputs, StartupUi& ui) {
  auto app = std::make_unique<AppContext>();
  app->dirs = inputs.dirs;
  if (!setUpDataLocation(app->config, inputs.dirs.writable)) {
    ui.error(std::string(kDataFolderTooLong) + inputs.dirs.writable.string());
    return nullptr;
  }
  app->helpFile = inputs.dirs.install / kHelpFileName;
  createDataFolder(app->dirs);

  SettingsFile settings(app->settingsPath(), ui);
  loadSettings(*app, inputs.display, settings, ui);
  if (!loadGames(*app, ui)) return nullptr;

  // Nothing is kept in a registry here: every setting lives in the settings file.
  writeVersionMarker(app->dirs.writable, ui);
  removeOlderVersionFiles(app->dirs.writable);
  return app;
}

}  // namespace kes
