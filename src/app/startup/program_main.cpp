#include "program_main.h"

#include <QScreen>

#include "app/app_options.h"
#include "app/appearance_wiring.h"
#include "app/statistics_wiring.h"
#include "app/game_controller.h"
#include "app/game_selection.h"
#include "app/main_window.h"
#include "app/startup/initialize_startup.h"
#include "app/startup/message_box_ui.h"
#include "app/startup/program_start.h"
#include "app/startup/splash_window.h"
#include "app/window/glyph_source.h"
#include "app/window/window_placement.h"
#include "datafiles/config_field.h"
#include "datafiles/product_title.h"
#include "datafiles/settings_file.h"
#include "display/sound/sound_player.h"
#include "display/sound/system_sound_output.h"
#include "appearance/busy_cursor.h"

namespace kes {

namespace {

DisplayInfo displayInfo() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return {colourCountOf(screen ? screen->depth() : 24)};
}

QSize screenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

}  // namespace

int programMain(QApplication& application) {
  QApplication::setApplicationName("kestrova");
  // No display name: the window system would add it to every caption.
  MessageBoxUi ui;
  std::unique_ptr<AppContext> app;
  std::unique_ptr<TfrmMain> window;
  std::unique_ptr<SettingsFile> settings;
  std::unique_ptr<GameController> controller;
  {
    BusyCursor busy;
    SplashWindow splash;
    splash.showAndPaint();
    // Boxes shown while starting stand over the splash window, not behind it.
    ui.setParent(&splash);
    ProgramStart start = startProgram({dataDirsFromArguments(QApplication::arguments()), displayInfo()}, ui);
    if (!start) return 1;
    app = std::move(start.app);
    window = std::make_unique<TfrmMain>(std::make_unique<LibraryGlyphs>(*start.library));
    settings = std::make_unique<SettingsFile>(app->settingsPath(), ui);
    window->setSettingsFile(settings.get());
    window->applyOptions(app->window);
    controller = std::make_unique<GameController>(*window, app->dirs, app.get(), settings.get(), std::move(start.library));
    if (!controller->ready()) {
      ui.error(controller->error().toStdString());
      return 1;
    }
    controller->sounds().setOutput(std::make_unique<SystemSoundOutput>(SystemSoundOutput::defaultModuleFolders()));
    // The record holds the preferences by now, read as start-up read them.
    controller->sounds().play(QStringLiteral("Splash"), Field::SoundSplash.preferenceKey);
    connectAppearanceDialog(*window, *controller, settings.get());
    connectStatisticsDialogs(*window, *controller, settings.get());
    ui.setParent(window.get());
    const QSize screen = screenSize();
    window->applyPlacement(readPlacement(*settings, screen.width(), screen.height()));
    window->show();
  }  // the splash window goes once the main window is up
  // The first game is chosen in the game selection dialog, which the first
  // activation of the window opens.
  GameSelection selection(*window, *controller, settings.get());
  return application.exec();
}

}  // namespace kes
