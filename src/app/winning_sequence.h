#pragma once

#include <QObject>
#include <functional>

#include "display/table/table_widget.h"

namespace kes {

// What follows a won game once its last cards have landed: the winning
// animation when the player wants it, then the game-won message; without
// the animation the message comes at once. A close of the window asked for
// during the animation happens instead of the message, and a new deal
// started meanwhile cancels both.
class WinningSequence : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<void(bool)> animationRunning;  // the main window's flag
    std::function<bool()> closeRequested;        // asked during the animation
    std::function<void()> gameWon;               // the message
  };

  WinningSequence(TableWidget& table, Hooks hooks);

  // Waits for the moves and pauses still playing, then runs.
  void begin();

 private:
  void run();
  void animationEnded();

  TableWidget& table_;
  Hooks hooks_;
  bool running_ = false;
};

}  // namespace kes
