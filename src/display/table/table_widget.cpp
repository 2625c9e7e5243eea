#include "display/table/table_widget.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "display/geometry/drop_candidates.h"
#include "display/geometry/hit_testing.h"
#include "display/geometry/pile_geometry.h"
#include "display/geometry/table_layout.h"
#include "display/table/table_painter.h"
#include "datafiles/product_title.h"

namespace kes {

void TableEvents::message(const std::string& text) {
  QMessageBox::information(&table_, QString::fromUtf8(kProductTitle), QString::fromStdString(text));
}

void TableEvents::tableInformation(const std::string& text) {
  information = QString::fromStdString(text);
  changed();
}

void TableEvents::beep() { QApplication::beep(); }

TableWidget::TableWidget(GameSession& session, CardImages& images, QWidget* parent)
    : QWidget(parent), session_(session), images_(images) {
  setObjectName("imgSfondo");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setMinimumSize(320, 240);
}

void TableWidget::relayout() {
  GameState& g = session_.state();
  if (!g.params.loaded()) return;
  const QSize screen = this->screen() ? this->screen()->size() : size();
  LayoutRequest request;
  request.area = windowTableArea(width(), height(), height());
  request.screen = ScreenSize{screen.width(), screen.height()};
  request.card = images_.size();
  const LayoutReport report = layoutTable(g, request);
  metrics_.card = images_.size();
  metrics_.steps = fanningSteps(metrics_.card, g.params, metrics_.steps);
  metrics_.screenWidth = screen.width();
  metrics_.scrollOffset = report.scrollOffset;
  metrics_.irregularPiles = false;
  tableChanged();
}

void TableWidget::tableChanged() {
  restingValid_ = false;
  update();
  emit changed();
}

void TableWidget::resizeEvent(QResizeEvent*) { relayout(); }

void TableWidget::paintEvent(QPaintEvent*) {
  if (!restingValid_ || resting_.size() != size() * devicePixelRatioF()) {
    resting_ = QPixmap(size() * devicePixelRatioF());
    resting_.setDevicePixelRatio(devicePixelRatioF());
    resting_.fill(kTableGreen);
    QPainter p(&resting_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (session_.state().params.loaded()) paintTable(p, view(), images_, {held_.begin(), held_.end()});
    restingValid_ = true;
  }
  QPainter p(this);
  p.drawPixmap(0, 0, resting_);
  p.setRenderHint(QPainter::Antialiasing);
  if (shownCard_) paintCard(p, images_, shownCard_, true, shownCorner_.x(), shownCorner_.y());
  paintHeld(p);
}

void TableWidget::paintHeld(QPainter& p) const {
  if (held_.empty()) return;
  const GameState& g = session_.state();
  const int step = metrics_.steps.downFaceUp > 0 ? metrics_.steps.downFaceUp : images_.size().height / 4;
  const int runHeight = images_.size().height + step * (static_cast<int>(held_.size()) - 1);
  p.fillRect(heldCorner_.x() + 6, heldCorner_.y() + 6, images_.size().width, runHeight, QColor(0, 0, 0, 70));
  for (std::size_t i = 0; i < held_.size(); ++i)
    paintCard(p, images_, held_[i], g.table.isFaceUp(held_[i]), heldCorner_.x(), heldCorner_.y() + static_cast<int>(i) * step);
}

void TableWidget::liftHeld(PileId pile, int card, const Rect& rect, QPoint pointer) {
  const Pile& cards = session_.state().table.pile(pile);
  held_.clear();
  const int from = cards.positionOf(card);
  const int to = session_.state().drag.singleCardHeld ? from + 1 : cards.size();
  for (int i = from; i < to; ++i) held_.push_back(cards.cardAt(i));
  heldCorner_ = QPoint(rect.left, rect.top);
  grabOffset_ = pointer - heldCorner_;
  dragMoved_ = false;
  tableChanged();
}

void TableWidget::mousePressEvent(QMouseEvent* e) {
  if (!session_.state().inProgress) return;
  const QPoint at = e->position().toPoint();
  const PileHit hit = pileAtPoint(view(), at.x(), at.y());
  if (!hit.pile) return;
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
  const QPoint at = e->position().toPoint();
  if (!held_.empty()) {
    dragMoved_ = true;
    heldCorner_ = at - grabOffset_;
    update();
  } else if (session_.state().drag.redealArmed && !overStock(at)) {
    session_.disarmRedeal();
    tableChanged();
  }
}

std::vector<PileId> TableWidget::dropTargets() const {
  const int step = metrics_.steps.downFaceUp > 0 ? metrics_.steps.downFaceUp : 0;
  const int height = images_.size().height + step * (static_cast<int>(held_.size()) - 1);
  const Rect held{heldCorner_.x(), heldCorner_.y(), heldCorner_.x() + images_.size().width, heldCorner_.y() + height};
  std::vector<PileId> targets;
  for (const DropCandidate& c : findDropCandidates(view(), held)) targets.push_back(c.pile());
  return targets;
}

void TableWidget::mouseReleaseEvent(QMouseEvent*) {
  const std::vector<PileId> targets = !held_.empty() && dragMoved_ ? dropTargets() : std::vector<PileId>{};
  held_.clear();
  shownCard_ = 0;
  session_.release(targets);
  tableChanged();
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  const PileHit hit = pileAtPoint(view(), at.x(), at.y());
  // On the stock the second click is a second press; elsewhere a face-up
  // card goes home, and anything else is an ordinary press.
  if (hit.pile && *hit.pile != PileId::stock() && session_.doubleClick(hit.card)) {
    tableChanged();
    return;
  }
  mousePressEvent(e);
}

}  // namespace kes
