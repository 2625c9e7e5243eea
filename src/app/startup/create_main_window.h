#pragma once

#include <QWidget>
#include <memory>

#include "app/startup/app_context.h"
#include "app/startup/startup_ui.h"

namespace kes {

// The main window over the state start-up built. The state and ui outlive it.
std::unique_ptr<QWidget> createMainWindow(AppContext& app, StartupUi& ui);

}  // namespace kes
