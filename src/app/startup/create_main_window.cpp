#include "create_main_window.h"

#include "app/main_window.h"

namespace kes {

std::unique_ptr<QWidget> createMainWindow(AppContext& app, StartupUi& ui) {
  // The window does not take the start-up state yet.
  (void)app;
  (void)ui;
  return std::make_unique<TfrmMain>();
}

}  // namespace kes
