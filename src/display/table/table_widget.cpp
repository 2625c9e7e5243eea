#include "display/table/table_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

#include "display/geometry/drop_candidates.h"
#include "display/geometry/hit_testing.h"
#include "display/geometry/pile_geometry.h"
#include "display/geometry/table_layout.h"
#include "display/table/animation_input_guard.h"
#include "display/table/background_painter.h"
#include "display/table/family_indicator_painter.h"
#include "display/table/table_painter.h"

namespace kes {

void TableEvents::message(const std::string& text) {
  if (onMessage) onMessage(QString::fromStdString(text));
}

void TableEvents::tableInformation(const std::string& text) {
  if (onInformation) onInformation(QString::fromStdString(text));
}

void TableEvents::beep() { QApplication::beep(); }

TableWidget::TableWidget(GameSession& session, CardImages& images, QWidget* parent)
    : QWidget(parent), session_(session), images_(images) {
  setObjectName("imgSfondo");
  beep = [] { QApplication::beep(); };
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setMinimumSize(320, 240);
  setCursor(normalCursor_);
  connect(&queue_, &AnimationQueue::frameChanged, this, qOverload<>(&QWidget::update));
  connect(&queue_, &AnimationQueue::landed, this, [this] {
    restingValid_ = false;
    update();
  });
  setFocusPolicy(Qt::StrongFocus);
  new AnimationInputGuard(*this);
  showerTimer_.setSingleShot(true);
  connect(&showerTimer_, &QTimer::timeout, this, &TableWidget::throwShowerCards);
  connect(&queue_, &AnimationQueue::finished, this, [this] {
    if (dealing_) {
      dealing_ = false;
      setCursor(normalCursor_);
    }
    restingValid_ = false;
    update();
    emit changed();
  });
}

void TableWidget::relayout() {
  GameState& g = session_.state();
  if (!g.params.loaded()) return;
  const QSize screen = this->screen() ? this->screen()->size() : size();
  LayoutRequest request;
  request.area = areaSource_ ? areaSource_() : windowTableArea(width(), height(), height());
  request.screen = ScreenSize{screen.width(), screen.height()};
  request.card = images_.size();
  request.shadowSize = animation.shadowSize;
  request.scrollPosition = metrics_.scrollOffset;
  // A new game starts from an empty table; a new layout of the same game
  // from the stock family's unraised places.
  if (g.laidOut)
    lowerStockPiles(g, metrics_.stockDraw);
  else
    resetLayoutForNewGame(g);
  const LayoutReport report = layoutTable(g, request);
  metrics_.stockDraw = report.stockDraw;
  metrics_.card = images_.size();
  metrics_.steps = fanningSteps(metrics_.card, g.params, metrics_.steps);
  metrics_.screenWidth = screen.width();
  metrics_.scrollOffset = report.scrollOffset;
  metrics_.irregularPiles = irregularPiles;
  tableChanged();
}

void TableWidget::tableChanged() {
  if (session_.state().laidOut) raiseStockPiles(session_.state(), metrics_.stockDraw);
  restingValid_ = false;
  // Each bar takes room from the other's side of the table.
  refreshHorizontalBar();
  refreshScrollBar();
  refreshHorizontalBar();
  update();
  emit changed();
}

void TableWidget::resizeEvent(QResizeEvent*) { relayout(); }

void TableWidget::drawIrregularOffsets() {
  metrics_.irregular = IrregularOffsets::draw([] { return QRandomGenerator::global()->bounded(4); });
}

void TableWidget::clearTable() {
  queue_.finish();
  held_.clear();
  shownCard_ = 0;
  information_.clear();
  cleared_ = true;
  tableChanged();
}

void TableWidget::setBackgroundPaint(BackgroundPaint paint) {
  backgroundPaint_ = std::move(paint);
  backgroundChanged();
}

void TableWidget::backgroundChanged() {
  backgroundValid_ = false;
  tableChanged();
}

void TableWidget::drawBackground(QSize surface, QSize pixels) {
  if (backgroundValid_ && background_.size() == pixels) return;
  // A background that draws nothing (a picture file gone) leaves what the
  // surface showed before.
  if (background_.size() != pixels) {
    background_ = QPixmap(pixels);
    background_.setDevicePixelRatio(devicePixelRatioF());
    background_.fill(Qt::black);
  }
  QPainter p(&background_);
  if (backgroundPaint_) backgroundPaint_(p, surface);
  else p.fillRect(QRect(QPoint(0, 0), surface), qColourOf(kDefaultGreen));
  backgroundValid_ = true;
  restingValid_ = false;
}

void TableWidget::drawResting() {
  images_.setDevicePixelRatio(devicePixelRatioF());
  const QSize surface(restingWidth(), restingHeight());
  const QSize pixels = surface * devicePixelRatioF();
  drawBackground(surface, pixels);
  // The winning show throws its cards onto the resting picture: drawing it
  // anew meanwhile would wipe them.
  if (shower_ && resting_.size() == pixels) return;
  if (!restingValid_ || resting_.size() != pixels) {
    resting_ = background_.copy();
    QPainter p(&resting_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    std::set<int> hidden = queue_.pendingCards();
    hidden.insert(held_.begin(), held_.end());
    // The picture is in table coordinates; painting shifts it by the scroll.
    TableMetrics unscrolled = metrics_;
    unscrolled.scrollOffset = 0;
    const TableView table{session_.state(), unscrolled};
    if (session_.state().params.loaded() && !cleared_) {
      paintTable(p, table, images_, hidden, &background_);
      paintInformation(p, table, information_, width());
      paintFamilyIndicators(p, table);
    }
    restingValid_ = true;
  }
}

void TableWidget::paintEvent(QPaintEvent*) {
  drawResting();
  QPainter p(this);
  p.drawPixmap(-hOffset_, -metrics_.scrollOffset, resting_);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(-hOffset_, 0);
  if (shownCard_) paintCard(p, images_, shownCard_, true, shownCorner_.x(), shownCorner_.y());
  paintFlights(p);
  paintHeld(p);
}

// The held run keeps the face-up step it had in its pile.
int TableWidget::heldStep() const {
  return metrics_.steps.downFaceUp > 0 ? metrics_.steps.downFaceUp : images_.size().height / 4;
}

Rect TableWidget::heldRect() const {
  const int height = images_.size().height + heldStep() * (static_cast<int>(held_.size()) - 1);
  return {heldCorner_.x(), heldCorner_.y(), heldCorner_.x() + images_.size().width, heldCorner_.y() + height};
}

void TableWidget::paintHeld(QPainter& p) const {
  if (held_.empty()) return;
  const GameState& g = session_.state();
  const Rect held = heldRect();
  paintDragShadow(p, images_, held.left, held.top, held.bottom - held.top, static_cast<int>(held_.size()),
                  animation.shadowSize);
  for (std::size_t i = 0; i < held_.size(); ++i)
    paintCard(p, images_, held_[i], g.table.isFaceUp(held_[i]), held.left, held.top + static_cast<int>(i) * heldStep());
}

void TableWidget::liftHeld(PileId pile, int card, const Rect& rect, QPoint pointer) {
  const Pile& cards = session_.state().table.pile(pile);
  held_.clear();
  const int from = cards.positionOf(card);
  const int to = session_.state().drag.singleCardHeld ? from + 1 : cards.size();
  for (int i = from; i < to; ++i) held_.push_back(cards.cardAt(i));
  // With shadows the cards come up off the table, towards the top left,
  // and stay that far from the pointer while they are dragged.
  const int raise = animation.shadowSize > 0 ? animation.shadowSize - 2 : 0;
  heldCorner_ = QPoint(rect.left - raise, rect.top - raise);
  grabOffset_ = pointer - heldCorner_;
  dragMoved_ = false;
  tableChanged();
  emit cardsLifted();
}

void TableWidget::keyPressEvent(QKeyEvent* e) {
  if (shower_) return stopWinningAnimation();
  QWidget::keyPressEvent(e);
}

void TableWidget::mousePressEvent(QMouseEvent* e) {
  if (shower_) {
    stopWinningAnimation();
    pressIgnored_ = true;
    return;
  }
  emit pressed();
  if (refusesPresses && refusesPresses()) {
    pressIgnored_ = true;
    if (beep) beep();
    return;
  }
  // A press while cards move is ignored up to its release.
  pressIgnored_ = animating();
  if (pressIgnored_ || !session_.state().inProgress) return;
  recordPlaces();
  const QPoint at = tablePoint(e->position().toPoint());
  const PileHit hit = pileAtPoint(view(), at.x(), at.y());
  if (!hit.pile) {
    // Only the left button may press on the bare table.
    if (e->button() != Qt::LeftButton && beep) beep();
    return;
  }
  const PressButton button = e->button() == Qt::LeftButton    ? PressButton::Left
                             : e->button() == Qt::RightButton ? PressButton::Right
                                                              : PressButton::Middle;
  const PressResult result = session_.press(hit.card, *hit.pile, button);
  if (result == PressResult::Lifted) liftHeld(*hit.pile, hit.card, hit.rect, at);
  if (result == PressResult::Shown) {
    shownCard_ = hit.card;
    shownCorner_ = QPoint(hit.rect.left, hit.rect.top);
    update();
  }
  if (result != PressResult::Lifted && result != PressResult::Shown) tableChanged();
}

bool TableWidget::overStock(QPoint pointer) const {
  const GameState& g = session_.state();
  const PileId place = g.params[Param::StockShownAtStock] == 1 ? PileId::stock() : PileId::waste();
  const int x = pileOriginX(view(), place), y = pileOriginY(view(), place);
  return cardRect(x, y, images_.size().width, images_.size().height).contains(pointer.x(), pointer.y());
}

void TableWidget::mouseMoveEvent(QMouseEvent* e) {
  if (pressIgnored_ || animating()) return;
  const QPoint at = tablePoint(e->position().toPoint());
  if (!held_.empty()) {
    if (!dragMoved_) setCursor(dragCursor_);
    dragMoved_ = true;
    autoScroll(at);
    heldCorner_ = tablePoint(e->position().toPoint()) - grabOffset_;
    update();
  } else if (session_.state().drag.redealArmed && !overStock(at)) {
    session_.disarmRedeal();
    tableChanged();
  } else if (session_.state().inProgress) {
    emit pointerMoved(e->position().toPoint());
  }
}

std::vector<PileId> TableWidget::dropTargets() const {
  std::vector<PileId> targets;
  for (const DropCandidate& c : findDropCandidates(view(), heldRect())) targets.push_back(c.pile());
  return targets;
}

void TableWidget::mouseReleaseEvent(QMouseEvent*) {
  if (pressIgnored_) {
    pressIgnored_ = false;
    return;
  }
  const std::vector<PileId> targets = !held_.empty() && dragMoved_ ? dropTargets() : std::vector<PileId>{};
  // The held cards fly on from where they were let go.
  recordPlaces();
  for (std::size_t i = 0; i < held_.size(); ++i) places_[held_[i]] = heldCorner_ + QPoint(0, static_cast<int>(i) * heldStep());
  const bool wasHolding = !held_.empty();
  held_.clear();
  setCursor(normalCursor_);
  shownCard_ = 0;
  const bool moved = session_.release(targets);
  tableChanged();
  if (wasHolding && !moved) emit cardsPutBack();
}

// The double click stands for the second press of the pair. On the stock it
// is a second stock press. A face-up card is offered to the foundations,
// and whether or not it went, the second press does nothing more: a quick
// double click never selects and unselects, nor lifts the card again. On a
// face-down card, or with another button, it is an ordinary press.
void TableWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  if (refusesPresses && refusesPresses()) return mousePressEvent(e);
  pressIgnored_ = animating() || shower_;
  if (pressIgnored_) return stopWinningAnimation();
  recordPlaces();
  const QPoint at = tablePoint(e->position().toPoint());
  const PileHit hit = pileAtPoint(view(), at.x(), at.y());
  const bool faceUp = hit.card > 0 && session_.state().table.isFaceUp(hit.card);
  if (e->button() == Qt::LeftButton && hit.pile && *hit.pile != PileId::stock() && faceUp) {
    session_.doubleClick(hit.card);
    tableChanged();
    return;
  }
  mousePressEvent(e);
}

}  // namespace kes
