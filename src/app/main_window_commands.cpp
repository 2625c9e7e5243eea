#include <QAction>
#include <QApplication>
#include <QShortcut>
#include <QToolButton>
#include <array>
#include <memory>

#include "app/window/about_box.h"
#include "app/window/menu_table.h"
#include "app/window/toolbar.h"
#include "app/window/tournament_dialogs.h"
#include "main_window.h"

namespace kes {

namespace {

// The game commands the window hands on as signals.
struct CommandSignal {
  const char* item;
  void (TfrmMain::*signal)();
};

constexpr std::array kCommandSignals{
    CommandSignal{"mnuNew", &TfrmMain::newGameRequested},
    CommandSignal{"mnuRestartGame", &TfrmMain::restartGameRequested},
    CommandSignal{"mnuSelect", &TfrmMain::selectGameNumberRequested},
    CommandSignal{"mnuRandomGame", &TfrmMain::randomGameRequested},
    CommandSignal{"mnuUndo", &TfrmMain::undoRequested},
    CommandSignal{"mnuRedo", &TfrmMain::redoRequested},
    CommandSignal{"mnuHint", &TfrmMain::hintRequested},
    CommandSignal{"mnuQuitGame", &TfrmMain::quitGameRequested},
    CommandSignal{"mnuHiScores", &TfrmMain::hiScoresRequested},
    CommandSignal{"mnuDemo", &TfrmMain::demoRequested},
    CommandSignal{"mnuSave", &TfrmMain::saveGameRequested},
};

const MenuEntry* entryNamed(const char* name) {
  for (const MenuEntry& entry : mainMenuTable())
    if (QLatin1String(entry.name) == QLatin1String(name)) return &entry;
  return nullptr;
}

// The hourglass shows while a dialog is being built.
template <typename Make>
void runModal(Make make) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::unique_ptr<QDialog> dialog(make());
  QApplication::restoreOverrideCursor();
  dialog->exec();
}

}  // namespace

void TfrmMain::connectCommands() {
  for (const CommandSignal& command : kCommandSignals)
    connect(actions_.value(command.item), &QAction::triggered, this, [this, command] { emit(this->*command.signal)(); });

  QAction* autoplay = actions_.value("mnuAutoPlay");
  autoplay->setCheckable(true);
  connect(autoplay, &QAction::toggled, this, &TfrmMain::autoplayToggled);
  QAction* pause = actions_.value("mnuPause");
  pause->setCheckable(true);
  connect(pause, &QAction::toggled, this, &TfrmMain::setPaused);
  actions_.value("mnuCardCounter")->setCheckable(true);
  actions_.value("mnuDemo")->setCheckable(true);

  connect(actions_.value("mnuEsci"), &QAction::triggered, this, &QWidget::close);
  connect(actions_.value("Informazionisu1"), &QAction::triggered, this,
          [this] {
            emit aboutBoxOpening();
            runModal([this] { return new TfrmAbout(this); });
          });
  connect(actions_.value("mnuTournamentManager"), &QAction::triggered, this,
          [this] { runModal([this] { return makeTournamentManagerDialog(this); }); });
  connect(actions_.value("mnuPlayTournament"), &QAction::triggered, this,
          [this] { runModal([this] { return makePlayTournamentDialog(this); }); });

  connectHiddenDemoShortcut();

  for (const ToolbarButtonEntry& entry : toolbarButtonTable())
    connect(actions_.value(entry.menuTwin), &QAction::changed, this, &TfrmMain::syncToolbarsWithMenu);
  connectToolbar(*pnlTB_);
  connectToolbar(*pnlTB1_);
  syncToolbarsWithMenu();
}

// The demo item is never shown, and neither the shortcut of a hidden item
// fires nor does the item count as enabled. The window keeps its key and
// triggers the item, which acts as far as it was last enabled or disabled
// (it waits disabled for the demo playback, which connects it).
void TfrmMain::connectHiddenDemoShortcut() {
  QAction* demo = actions_.value("mnuDemo");
  auto* key = new QShortcut(demo->shortcut(), this);
  key->setObjectName("mnuDemoShortcut");
  connect(key, &QShortcut::activated, demo, &QAction::trigger);
}

// A button does what its menu twin does, after the window is refreshed.
void TfrmMain::connectToolbar(ToolbarPanel& toolbar) {
  connect(&toolbar, &ToolbarPanel::buttonClicked, this, [this](const QString& base) {
    for (const ToolbarButtonEntry& entry : toolbarButtonTable()) {
      if (base != QLatin1String(entry.name)) continue;
      repaint();
      runCommand(QString::fromLatin1(entry.menuTwin));
    }
  });
}

void TfrmMain::runCommand(const QString& name) {
  QAction* action = actions_.value(name);
  if (action && action->isEnabled()) action->trigger();
  syncToolbarsWithMenu();
}

void TfrmMain::syncToolbarsWithMenu() {
  for (const ToolbarButtonEntry& entry : toolbarButtonTable()) {
    const QAction* twin = actions_.value(entry.menuTwin);
    const QString base = QString::fromLatin1(entry.name);
    for (ToolbarPanel* toolbar : {pnlTB_, pnlTB1_}) {
      toolbar->setButtonEnabled(base, twin->isEnabled());
      if (entry.toggle) toolbar->button(base)->setChecked(twin->isChecked());
    }
  }
}

// An item whose feature is still to come stays disabled whatever is asked.
void TfrmMain::setItemEnabled(const char* name, bool on) {
  const MenuEntry* entry = entryNamed(name);
  QAction* action = actions_.value(QLatin1String(name));
  if (!entry || !action) return;
  const bool built = entry->laterFeature == nullptr || providedFeatures_.contains(QLatin1String(entry->laterFeature));
  action->setEnabled(on && built);
}

void TfrmMain::provideFeature(const char* feature) {
  providedFeatures_.insert(QLatin1String(feature));
  for (const MenuEntry& entry : mainMenuTable())
    if (!entry.gameCommand && entry.laterFeature && QLatin1String(entry.laterFeature) == QLatin1String(feature))
      setItemEnabled(entry.name, true);
}

void TfrmMain::SetGameCommandsEnabled(bool on) {
  for (const MenuEntry& entry : mainMenuTable())
    if (entry.gameCommand) setItemEnabled(entry.name, on);
}

void TfrmMain::SetUndoRedoEnabled(bool undo, bool redo) {
  setItemEnabled("mnuUndo", undo);
  setItemEnabled("mnuRedo", redo);
}

void TfrmMain::SetAutoplayEnabled(bool on) { setItemEnabled("mnuAutoPlay", on); }

bool TfrmMain::isAutoplayOn() const { return actions_.value("mnuAutoPlay")->isChecked(); }

}  // namespace kes
