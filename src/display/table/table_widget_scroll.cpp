// The table's vertical scrolling and its pointers: the picture of the
// resting table is as high as the scroll bar can reach, and the scroll
// position decides which part of it the window shows and where the
// hit tests and drops look.
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include "display/table/table_widget.h"

namespace kes {

void TableWidget::setScrollBar(QScrollBar* bar) {
  scrollBar_ = bar;
  if (!bar) return;
  bar->setSingleStep(kScrollSmallChange);
  bar->setPageStep(kScrollLargeChange);
  if (bar->isHidden()) bar->setRange(0, kHiddenScrollMaximum);
  connect(bar, &QScrollBar::valueChanged, this, &TableWidget::scrollTo);
  refreshScrollBar();
}

void TableWidget::setScrollingWanted(bool on) {
  scrollingWanted_ = on;
  refreshScrollBar();
}

ScrollBarState TableWidget::scrollBarState() const {
  if (!scrollBar_) return {};
  return {!scrollBar_->isHidden(), scrollBar_->value(), scrollBar_->maximum()};
}

void TableWidget::resetScrolling() {
  surfaceHeight_ = 0;
  metrics_.scrollOffset = 0;
  if (!scrollBar_) return;
  const QSignalBlocker quiet(scrollBar_);
  scrollBar_->setRange(0, kHiddenScrollMaximum);
  scrollBar_->setValue(0);
  scrollBar_->hide();
}

void TableWidget::setCursors(const QCursor& normal, const QCursor& dragging) {
  normalCursor_ = normal;
  dragCursor_ = dragging;
  if (!dealing_) setCursor(held_.empty() || !dragMoved_ ? normalCursor_ : dragCursor_);
}

int TableWidget::restingHeight() const {
  const ScrollBarState bar = scrollBarState();
  return height() + (bar.shown ? bar.maximum : 0);
}

// After the table was drawn anew or resized: the bar comes, grows or goes,
// and the table is laid out again for it.
void TableWidget::refreshScrollBar() {
  const GameState& g = session_.state();
  if (!scrollBar_ || rescrolling_ || !g.params.loaded() || !g.inProgress) return;
  const ScrollBarState bar = scrollBarState();
  const int screenHeight = screen() ? screen()->size().height() : height();
  ScrollingInputs in;
  in.lowestCardBottom = lowestCardBottom(view());
  in.cardHeight = images_.size().height;
  in.clientHeight = height();
  in.screenHeight = screenHeight;
  in.surfaceHeight = bar.shown ? surfaceHeight_ : screenHeight + kSurfaceMargin;
  in.applies = scrollingApplies(scrollingWanted_, view().kind(PileFamily::Tableau));
  const ScrollingUpdate u = updateScrolling(in, bar);
  surfaceHeight_ = u.surfaceHeight;
  if (u.change == ScrollChange::None) return;
  rescrolling_ = true;
  {
    const QSignalBlocker quiet(scrollBar_);
    scrollBar_->setRange(0, u.bar.maximum);
    scrollBar_->setValue(u.bar.position);
  }
  scrollBar_->setVisible(u.bar.shown);
  scrollBar_->raise();
  metrics_.scrollOffset = u.bar.position;
  relayout();
  rescrolling_ = false;
}

void TableWidget::scrollTo(int position) {
  if (position == metrics_.scrollOffset) return;
  metrics_.scrollOffset = position;
  update();
}

void TableWidget::autoScroll(QPoint pointer) {
  if (!scrollBar_) return;
  if (const auto position = autoScrollPosition(pointer.y(), height(), scrollBarState())) scrollBar_->setValue(*position);
}

}  // namespace kes
