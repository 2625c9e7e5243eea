#pragma once

#include <QtTest>
#include <memory>
#include <string>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "datafiles/data_dirs.h"
#include "datafiles/message_sink.h"
#include "datafiles/settings_file.h"
#include "display/geometry/pile_geometry.h"
#include "test_temp_dir.h"

namespace kes::test {

// The catalogue and resource library the build made, read from the
// installation folder the test run names; `data` takes what the game writes.
inline DataDirs builtDataDirs(const TempDir& data) {
  return {qEnvironmentVariable("KESTROVA_TEST_DATA").toStdString(), data.path()};
}

// Shows the window at 1024 x 768 once the controller has read the built data;
// a controller that could not says why.
[[nodiscard]] inline bool showTable(TfrmMain& window, GameController& controller) {
  if (!controller.ready()) {
    qWarning("%s", qPrintable(controller.error()));
    return false;
  }
  window.resize(1024, 768);
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

// A window and controller on the built data and a fresh data folder.
// The dialogs a controller would open, by object name; each is closed at
// once, so that no test waits on a dialog it did not ask for.
inline void closeDialogsAtOnce(GameController& controller, QStringList& opened) {
  controller.setDialogRunner([&opened](QDialog& dialog) {
    opened << dialog.objectName();
    return int(QDialog::Rejected);
  });
}

struct ShownGame {
  TempDir data;
  TfrmMain window;
  GameController controller{window, builtDataDirs(data)};
  QStringList dialogs;

  ShownGame() { closeDialogsAtOnce(controller, dialogs); }

  // Shows the table and deals the first deal of `game` at once, with no
  // automatic moves to disturb what the test does.
  [[nodiscard]] bool deal(int game) {
    if (!showTable(window, controller)) return false;
    controller.session().state().prefs.autoplay = false;
    controller.table().animation.dealAnimation = false;
    return controller.startGame(game, "0000000000001");
  }
};

// The centre of the top card of a tableau pile, on the table widget.
inline QPoint topCardCentre(TableWidget& table, int pile) {
  const TableView view = table.view();
  const PileId id = PileId::tableau(pile);
  return {cardLeft(view, id, 0, false) + view.width() / 2, cardTop(view, id, 0, false) + view.height() / 2};
}

// The centre of a pile's place on the table widget.
inline QPoint pileCentre(TableWidget& table, PileId pile) {
  const TableView view = table.view();
  return {pileOriginX(view, pile) + view.width() / 2, pileOriginY(view, pile) + view.height() / 2};
}

// Takes a card from wherever it lies in the game; false when it lies nowhere.
[[nodiscard]] inline bool takeCard(GameState& g, int card) {
  const auto at = g.locateCard(card);
  if (!at) return false;
  g.table.pile(*at).remove(card);
  return true;
}

// Lays a card by hand on top of a pile, keeping the side it shows.
inline void moveCardOnto(GameController& controller, int card, PileId pile) {
  GameState& g = controller.session().state();
  QVERIFY(takeCard(g, card));
  g.table.pile(pile).append(card);
  controller.table().tableChanged();
}

// A message sink for settings whose messages the test does not look at.
struct IgnoredMessages : MessageSink {
  void information(const std::string&) override {}
};

// A window and a controller on a start-up context with a settings file of
// its own; the messages the controller would show are collected.
struct ControllerWithSettings {
  TempDir data;
  IgnoredMessages messages;
  AppContext app;
  SettingsFile settings{data.path() / "CFG.DAT", messages};
  TfrmMain window;
  std::unique_ptr<GameController> controller;
  QStringList information;
  QStringList dialogs;

  // Makes the controller once `app` holds the folders and preferences wanted;
  // the catalogue is read as start-up reads it.
  void makeController() {
    app.readCatalogue();
    controller = std::make_unique<GameController>(window, app.dirs, &app, &settings);
    controller->setInformation([this](const QString& text) { information << text; });
    closeDialogsAtOnce(*controller, dialogs);
  }
};

}  // namespace kes::test
