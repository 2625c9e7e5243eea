#include "program_main.h"

#include <QScreen>

#include "app/app_options.h"
#include "app/startup/create_main_window.h"
#include "app/startup/exit_handler.h"
#include "app/startup/initialize_startup.h"
#include "app/startup/message_box_ui.h"
#include "app/startup/splash_window.h"
#include "datafiles/product_title.h"
#include "datafiles/settings_file.h"

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

// The busy cursor from launch until the main window is up.
struct BusyCursor {
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

int programMain(QApplication& application) {
  QApplication::setApplicationName("kestrova");
  QApplication::setApplicationDisplayName(QString::fromUtf8(kProductTitle));
  MessageBoxUi ui;
  std::unique_ptr<AppContext> app;
  std::unique_ptr<QWidget> window;
  {
    BusyCursor busy;
    SplashWindow splash;
    splash.showAndPaint();
    // Boxes shown while starting stand over the splash window, not behind it.
    ui.setParent(&splash);
    app = initializeStartup({dataDirsFromArguments(QApplication::arguments()), displayInfo()}, ui);
    if (!app) return 1;
    window = createMainWindow(*app, ui);
    ui.setParent(window.get());
    new ExitHandler(*window, app->settingsPath(), ui, app->window.autoPlay);
    const QSize screen = screenSize();
    const SettingsFile settings(app->settingsPath(), ui);
    showPlaced(*window, readStoredPlacement(settings.readAll(), screen.width(), screen.height()));
  }  // the splash window goes once the main window is up
  return application.exec();
}

}  // namespace kes
