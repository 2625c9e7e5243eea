#include "app/demo_playback.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>

#include "app/window/demo_bar.h"
#include "engine/game_end.h"
#include "engine/history_steps.h"
#include "appearance/busy_cursor.h"

namespace kes {

namespace {

// The buttons beside First and Last step this far.
constexpr int kButtonStep = 3;

// Silent steps tell the table nothing: it is drawn once after the jump.
EngineEvents& quietEvents() {
  static EngineEvents quiet;
  return quiet;
}

}  // namespace

DemoPlayback::DemoPlayback(GameSession& session, DemoBar& bar, Hooks hooks)
    : session_(session), bar_(bar), hooks_(std::move(hooks)) {
  connect(&timer_, &QTimer::timeout, this, &DemoPlayback::playStep);
  connect(&bar_, &DemoBar::firstWanted, this, [this] { goTo(1); });
  connect(&bar_, &DemoBar::lastWanted, this, [this] { goTo(count_); });
  connect(&bar_, &DemoBar::priorWanted, this, [this] { goTo(position_ - kButtonStep); });
  connect(&bar_, &DemoBar::nextWanted, this, [this] { goTo(position_ + kButtonStep); });
  connect(&bar_, &DemoBar::positionWanted, this, &DemoPlayback::goTo);
  connect(&bar_, &DemoBar::playWanted, this, &DemoPlayback::play);
  connect(&bar_, &DemoBar::stopWanted, this, &DemoPlayback::pause);
  connect(&bar_, &DemoBar::closeWanted, this, &DemoPlayback::stop);
}

bool DemoPlayback::start() {
  if (active_) return true;
  BusyCursor busy;
  GameState& g = session_.state();
  // The game on the table is given up without a record.
  g.inProgress = false;
  g.won = false;
  session_.clock().stop();
  active_ = true;
  hooks_.showMode(true);
  QString error;
  if (!hooks_.load(error)) {
    stop();
    hooks_.information(error);
    return false;
  }
  // The demo is watched, not played: its clock does not run.
  session_.clock().stop();
  session_.clock().reset();
  const int moves = silentSteps(static_cast<int>(g.history.undo.snapshots.size()), true);
  // One position more than the file has moves, so that the last one shows
  // the demo's final table: a demo ends on its winning move, not before it.
  count_ = moves + 1;
  // A demo that ends won loads as a finished game; at its deal it is a game
  // in progress again, so that single steps are ordinary undo and redo.
  g.inProgress = true;
  g.won = false;
  position_ = 1;
  if (moves == 0) {
    stop();
    hooks_.information(QStringLiteral("The demo of this game holds no moves."));
    return false;
  }
  showPosition();
  hooks_.redraw();
  return true;
}

void DemoPlayback::stop() {
  if (!active_) return;
  timer_.stop();
  bar_.showPlaying(false);
  session_.state().inProgress = false;
  active_ = false;
  hooks_.showMode(false);
  hooks_.redraw();
  silentSteps(static_cast<int>(session_.state().history.undo.snapshots.size()), true);
  hooks_.redraw();
}

int DemoPlayback::silentSteps(int count, bool back) {
  int made = 0;
  GameState& g = session_.state();
  while (made < count && (back ? undoMove(g, quietEvents(), true) : redoMove(g, quietEvents(), true))) ++made;
  // A silent step leaves the score alone; the jump's one redraw shows the
  // score of the table it lands on.
  if (made > 0) updateScore(g);
  return made;
}

void DemoPlayback::goTo(int target) {
  if (!active_) return;
  const int b = std::clamp(target, 1, count_);
  const int a = position_;
  if (b == a) return showPosition();
  if (std::abs(b - a) == 1) {
    // An ordinary undo or redo: refused with a beep where the undo
    // settings forbid it, and then the position stays.
    hooks_.recordPlaces();
    const bool stepped = b > a ? session_.redo() : session_.undo();
    if (stepped) position_ = b;
    hooks_.redraw();
  } else {
    BusyCursor busy;
    position_ = a + (b > a ? silentSteps(b - a, false) : -silentSteps(a - b, true));
    hooks_.redraw();
  }
  showPosition();
}

void DemoPlayback::showPosition() {
  bar_.showPosition(position_, count_);
  bar_.showPlaying(playing());
}

void DemoPlayback::play() {
  if (!active_ || position_ >= count_) return;
  timer_.start(std::max(1, hooks_.stepInterval()));
  bar_.showPlaying(true);
}

void DemoPlayback::pause() {
  timer_.stop();
  bar_.showPlaying(false);
}

// One move forward per tick, once the last move has landed; at the end the
// playing stops.
void DemoPlayback::playStep() {
  if (!active_ || position_ >= count_) return pause();
  if (hooks_.busy && hooks_.busy()) return;
  const int before = position_;
  goTo(position_ + 1);
  if (position_ == before || position_ >= count_) pause();
}

}  // namespace kes
