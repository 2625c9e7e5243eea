#include "display/table/animation_input_guard.h"

#include <QCoreApplication>
#include <QEvent>

#include "display/table/table_widget.h"

namespace kes {

namespace {

// A shortcut is looked up before its key press is delivered: its look-up
// counts as the press, so that the moves end before the command runs.
bool isPress(QEvent::Type type) {
  switch (type) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

bool isRelease(QEvent::Type type) {
  return type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease ||
         type == QEvent::NonClientAreaMouseButtonRelease;
}

}  // namespace

AnimationInputGuard::AnimationInputGuard(TableWidget& table) : QObject(&table), table_(table) {
  QCoreApplication::instance()->installEventFilter(this);
}

AnimationInputGuard::~AnimationInputGuard() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool AnimationInputGuard::swallow(QEvent* event) {
  event->accept();
  return true;
}

bool AnimationInputGuard::eventFilter(QObject*, QEvent* event) {
  const QEvent::Type type = event->type();
  if (isRelease(type) && swallowing_) {
    swallowing_ = false;
    return swallow(event);
  }
  if (!isPress(type)) return false;
  // The key press that follows the shortcut look-up of a key that stopped the show.
  if (swallowing_ && type == QEvent::KeyPress) return swallow(event);
  if (table_.winningAnimationRunning()) {
    table_.stopWinningAnimation();
    swallowing_ = true;
    return swallow(event);
  }
  if (!table_.animating()) return false;
  table_.finishAnimation();
  // The moves that ended were those of a won game: the show begins, and
  // this press was only the player's impatience with the last cards.
  if (!table_.winningAnimationRunning()) return false;
  swallowing_ = true;
  return swallow(event);
}

}  // namespace kes
