#include "card_counter.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

#include "app/counter/card_counter_window.h"
#include "app/main_window.h"
#include "engine/game_session.h"

namespace kes {

CardCounter::CardCounter(TfrmMain& main, GameSession& session, const ResourceLibrary& library, SettingsFile* settings)
    : main_(main), session_(session), library_(library), settings_(settings) {
  if (QAction* item = main_.menuAction("mnuCardCounter")) connect(item, &QAction::triggered, this, &CardCounter::toggle);
}

CardCounter::~CardCounter() {
  if (window_) window_->disconnect(this);
}

bool CardCounter::shown() const { return window_ && window_->isVisible(); }

TfrmCardCounter& CardCounter::counter() {
  if (!window_) {
    // A tool window of the main window: it stays above it and goes with it.
    window_ = new TfrmCardCounter(library_, &main_);
    window_->setFilter(state_.filter);
    connect(window_, &TfrmCardCounter::optionsChanged, this, [this] {
      refresh();
      save();
    });
    connect(window_, &TfrmCardCounter::closedByUser, this, &CardCounter::closedByUser);
    placeOnScreen();
  }
  return *window_;
}

// The saved place when it is usable and on a screen; else beside the main
// window's top right corner.
void CardCounter::placeOnScreen() {
  const QPoint saved(state_.left, state_.top);
  if (state_.hasPlace() && QGuiApplication::screenAt(saved + QPoint(20, 20))) return window_->move(saved);
  const QRect mainFrame = main_.frameGeometry();
  QPoint place(mainFrame.right() - kCounterWidth - 30, mainFrame.top() + 80);
  if (const QScreen* screen = QGuiApplication::screenAt(mainFrame.center())) {
    const QRect area = screen->availableGeometry();
    place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() - kCounterWidth)));
    place.setY(std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() - 200)));
  }
  window_->move(place);
}

void CardCounter::restore() {
  if (settings_) state_ = readCounterSettings(*settings_);
  if (window_) {
    window_->setFilter(state_.filter);
    placeOnScreen();
  }
  if (state_.visible && !shown()) toggle();
}

void CardCounter::save() {
  if (window_) {
    state_.filter = window_->grid().filter;
    state_.left = window_->pos().x();
    state_.top = window_->pos().y();
  }
  state_.visible = shown();
  if (settings_) writeCounterSettings(*settings_, state_);
}

void CardCounter::toggle() {
  TfrmCardCounter& c = counter();
  const bool wasShown = c.isVisible();
  c.hide();
  main_.repaint();
  c.resetCounter(session_.state().params[Param::CardCount]);
  if (session_.state().inProgress) c.refreshCounter(session_.state());
  if (!wasShown) {
    c.show();
    c.raise();
  }
  syncMenu();
}

void CardCounter::closedByUser() {
  syncMenu();
  main_.repaint();
}

void CardCounter::syncMenu() {
  if (QAction* item = main_.menuAction("mnuCardCounter")) item->setChecked(shown());
}

void CardCounter::refresh() {
  if (window_) window_->refreshCounter(session_.state());
}

void CardCounter::dealt() {
  if (!shown()) return;
  window_->resetCounter(session_.state().params[Param::CardCount]);
  if (session_.state().inProgress) refresh();
}

void CardCounter::cardMoved(int card, PileId from, PileId to) {
  // A turnover is marked as a whole once it is over.
  if (!shown() || turnover_) return;
  window_->cardMoved(session_.state(), card, from, to);
}

void CardCounter::cardTurned(int card, bool) {
  if (shown()) window_->cardTurned(session_.state(), card);
}

// Undo, redo, restart and the tableau redeals replace piles wholesale.
void CardCounter::pileReplaced(PileId) {
  if (shown()) refresh();
}

void CardCounter::wasteTurnover(bool starting) {
  turnover_ = starting;
  if (!starting && shown()) window_->stockReplaced(session_.state());
}

}  // namespace kes
