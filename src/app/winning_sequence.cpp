#include "app/winning_sequence.h"

#include <QRandomGenerator>
#include <QTimer>

namespace kes {

WinningSequence::WinningSequence(TableWidget& table, Hooks hooks) : table_(table), hooks_(std::move(hooks)) {
  connect(&table_, &TableWidget::winningAnimationEnded, this, &WinningSequence::animationEnded);
}

void WinningSequence::begin() {
  table_.whenIdle([this] { run(); });
}

void WinningSequence::run() {
  // A new deal started before the last cards landed takes the place of it all.
  if (table_.view().game.inProgress) return;
  if (!table_.animation.winningAnimation) {
    // The key or click that hurried the last moves is handled first.
    if (hooks_.gameWon) QTimer::singleShot(0, this, [this] { hooks_.gameWon(); });
    return;
  }
  running_ = true;
  if (hooks_.animationRunning) hooks_.animationRunning(true);
  // One of the two shows, either alike.
  table_.playWinningAnimation(1 + QRandomGenerator::global()->bounded(2));
}

void WinningSequence::animationEnded() {
  if (!running_) return;
  running_ = false;
  const bool closing = hooks_.closeRequested && hooks_.closeRequested();
  if (hooks_.animationRunning) hooks_.animationRunning(false);
  // The message waits for the key or click that stopped the show to be done.
  if (!closing && hooks_.gameWon) QTimer::singleShot(0, this, [this] { hooks_.gameWon(); });
}

}  // namespace kes
