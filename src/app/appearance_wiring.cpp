#include "app/appearance_wiring.h"

#include <QAction>
#include <QApplication>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/statistics_wiring.h"
#include "appearance/frm_customize.h"
#include "datafiles/config_field.h"
#include "display/sound/sound_player.h"
#include "stats/statistics_dialogs.h"

namespace kes {

ConfigRecord& ProgramAppearance::config() { return controller_.config(); }

const ResourceLibrary& ProgramAppearance::library() const { return controller_.library(); }

QString ProgramAppearance::installDir() const { return QString::fromStdString(controller_.dirs().install.string()); }

bool ProgramAppearance::manyColours() const { return controller_.background().manyColours; }

int ProgramAppearance::cursorSet() const { return controller_.app().window.cursorSet; }

void ProgramAppearance::showAppearance(const std::optional<std::string>& customFile) {
  controller_.background().customFileOverride = customFile;
  controller_.showAppearance();
}

void ProgramAppearance::applyPreferences(const AppliedWindowOptions& options) {
  window_.setToolbarLarge(options.toolbarLarge);
  window_.setToolbarFlat(options.toolbarFlat);
  window_.setShowTime(options.showTime);
  window_.setShowScore(options.showScore);
  window_.setShowToolTips(controller_.config().get(Field::ShowToolTips) == "Y");
  controller_.applyPreferences(options.cursorSet);
}

void ProgramAppearance::clearValues(QWidget* parent) {
  ProgramStatistics host(window_, controller_, settings_);
  showClearValues(host, parent);
}

void ProgramAppearance::previewSound(const QString& name) { controller_.sounds().preview(name); }

void connectAppearanceDialog(TfrmMain& window, GameController& controller, SettingsFile* settings) {
  QAction* customize = window.menuAction("mnuCustomize");
  if (!customize) return;
  QObject::connect(customize, &QAction::triggered, &window, [&window, &controller, settings] {
    // The pointer the window showed comes back once the dialog is up.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ProgramAppearance host(window, controller, settings);
    TfrmCustomize dialog(host, &window);
    QApplication::restoreOverrideCursor();
    controller.runDialog(dialog);
  });
}

}  // namespace kes
