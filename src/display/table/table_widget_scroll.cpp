// The table's scrolling and its pointers: the picture of the resting table
// is as high and as wide as the scroll bars can reach, and the positions
// decide which part of it the window shows and where the hit tests and
// drops look.
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "display/geometry/table_area.h"
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
  hOffset_ = 0;
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

HorizontalScroll TableWidget::horizontalScroll() const {
  if (!hScrollBar_ || hScrollBar_->isHidden()) return {};
  return {true, hScrollBar_->value(), hScrollBar_->maximum()};
}

// The window's vertical bar covers the table's right edge, the sideways
// bar its bottom edge.
int TableWidget::visibleWidth() const { return width() - (scrollBarState().shown ? kScrollBarWidth : 0); }

int TableWidget::visibleHeight() const { return height() - (horizontalScroll().shown ? kScrollBarWidth : 0); }

int TableWidget::restingWidth() const {
  const HorizontalScroll h = horizontalScroll();
  return h.shown ? std::max(width(), visibleWidth() + h.maximum) : width();
}

// A table whose piles reach past the window's width, even with the small
// cards a narrow window gets, scrolls sideways.
void TableWidget::refreshHorizontalBar() {
  if (!hScrollBar_) {
    hScrollBar_ = new QScrollBar(Qt::Horizontal, this);
    hScrollBar_->setObjectName("scrBarHorizontal");
    hScrollBar_->setSingleStep(kScrollSmallChange);
    hScrollBar_->setPageStep(kScrollLargeChange);
    hScrollBar_->setCursor(Qt::ArrowCursor);
    hScrollBar_->hide();
    connect(hScrollBar_, &QScrollBar::valueChanged, this, &TableWidget::scrollToX);
  }
  const GameState& g = session_.state();
  const HorizontalScroll h =
      g.params.loaded() ? horizontalScrolling(rightmostCardRight(view()), visibleWidth(), hOffset_) : HorizontalScroll{};
  const bool moved = h.position != hOffset_;
  hOffset_ = h.position;
  {
    const QSignalBlocker quiet(hScrollBar_);
    hScrollBar_->setRange(0, h.maximum);
    hScrollBar_->setValue(h.position);
  }
  hScrollBar_->setGeometry(0, height() - kScrollBarWidth, visibleWidth(), kScrollBarWidth);
  hScrollBar_->setVisible(h.shown);
  if (h.shown) hScrollBar_->raise();
  if (moved) update();
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
  in.clientHeight = visibleHeight();
  in.screenHeight = screenHeight;
  in.surfaceHeight = bar.shown ? surfaceHeight_ : screenHeight + kSurfaceMargin;
  in.applies = scrollingApplies(scrollingWanted_, view().kind(PileFamily::Tableau), in.lowestCardBottom, in.clientHeight);
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

void TableWidget::scrollToX(int position) {
  if (position == hOffset_) return;
  hOffset_ = position;
  update();
}

// The pointer in table coordinates; near an edge the table scrolls.
void TableWidget::autoScroll(QPoint pointer) {
  if (scrollBar_)
    if (const auto position = autoScrollPosition(pointer.y(), visibleHeight(), scrollBarState())) scrollBar_->setValue(*position);
  if (const auto x = autoScrollPositionX(pointer.x() - hOffset_, visibleWidth(), horizontalScroll())) hScrollBar_->setValue(*x);
}

}  // namespace kes
