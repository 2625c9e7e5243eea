#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "engine/engine_events.h"
#include "engine/game_session.h"

namespace kes {

class DemoBar;

// Shows a recorded game move by move. The demo file is loaded like a saved
// game, then undone silently to its deal; position p (1 to n + 1, n the
// moves of the file) is the table after p - 1 moves, so the last position
// shows the file's final table. A single step is an ordinary
// undo or redo, with its sound and the undo settings' checks; longer jumps
// are silent and redraw once. Play steps forward on a timer.
//
// While a demo is shown the loaded game counts as in progress (single steps
// need that), so it must never be recorded: whoever ends or replaces the
// game leaves demo mode first (stop()), which marks it not in progress.
class DemoPlayback : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    // Loads the current game's demo file into the session as a game in
    // progress; false with a message naming the file when it cannot.
    std::function<bool(QString& error)> load;
    std::function<void(const QString&)> information;
    // Demo mode on or off: the tick of the command, the bar, the background.
    std::function<void(bool on)> showMode;
    // Notes where the cards lie before a single step, so its moves fly.
    std::function<void()> recordPlaces;
    // The table changed: it is drawn anew, the window's state follows.
    std::function<void()> redraw;
    // Cards are still flying: Play waits for them.
    std::function<bool()> busy;
    // Milliseconds between two automatic steps.
    std::function<int()> stepInterval;
  };

  DemoPlayback(GameSession& session, DemoBar& bar, Hooks hooks);

  bool active() const { return active_; }
  int position() const { return position_; }
  int count() const { return count_; }
  bool playing() const { return timer_.isActive(); }

  // Turns demo mode on (the caller has asked whether the game in progress
  // may be given up); false when the demo could not be shown.
  bool start();
  // Turns demo mode off: the table shows the demo's deal, no game in
  // progress. Nothing when no demo is shown.
  void stop();
  // Goes to a position, clamped to 1 .. n + 1.
  void goTo(int target);
  void play();
  void pause();

 private:
  // Steps without sound or checks; returns how many were made.
  int silentSteps(int count, bool back);
  void showPosition();
  void playStep();

  GameSession& session_;
  DemoBar& bar_;
  Hooks hooks_;
  QTimer timer_;
  bool active_ = false;
  int position_ = 1;
  int count_ = 0;
};

}  // namespace kes
