// The table's moving cards: flights fed by the engine's moves, the deal from
// its source pile, the waste turnover, the poker announcements in step with
// the flights, and the winning show.
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <optional>

#include "display/geometry/pile_geometry.h"
#include "display/table/card_painting.h"
#include "display/table/table_widget.h"

namespace kes {

QPoint TableWidget::cardPlace(int card) const {
  const TableView v = view();
  const auto pile = v.game.locateCard(card);
  if (!pile) return {};
  const Pile& cards = v.pile(*pile);
  if (pile->family == PileFamily::Stock) return {pileOriginX(v, *pile), pileOriginY(v, *pile)};
  const int depth = cards.size() - cards.positionOf(card);
  return {cardLeft(v, *pile, depth, true), cardTop(v, *pile, depth, true)};
}

void TableWidget::recordPlaces() {
  places_.clear();
  levels_.clear();
  const GameState& g = session_.state();
  if (!g.params.loaded()) return;
  for (int ordinal = 0; ordinal < kPileCount; ++ordinal) {
    const PileId pile = PileId::fromOrdinal(ordinal);
    if (!g.onTable(pile)) continue;
    const Pile& cards = g.table.pile(pile);
    for (int i = 0; i < cards.size(); ++i) {
      places_[cards.cardAt(i)] = cardPlace(cards.cardAt(i));
      levels_[cards.cardAt(i)] = i;
    }
  }
}

// Flights are kept in table coordinates, so that a card in the air moves
// with the table when it scrolls; off-table places stay off the table.
void TableWidget::queueFlight(int card, QPoint from, QPoint to, bool fine, bool shownWhileWaiting, int sourceLevel) {
  const auto onTable = [this](int y) { return y < -9999 ? y : y + metrics_.scrollOffset; };
  FlightRequest r;
  r.fromX = from.x();
  r.fromY = onTable(from.y());
  r.toX = to.x();
  r.toY = onTable(to.y());
  r.fine = fine;
  r.landing = !fine;
  r.shadowSize = animation.shadowSize;
  r.cardWidth = images_.size().width;
  r.cardHeight = images_.size().height;
  queue_.setMoveSpeed(animation.moveSpeed);
  queue_.addFlight({card, session_.state().table.isFaceUp(card), flightPath(r), shownWhileWaiting, sourceLevel});
  restingValid_ = false;
}

// The card's new place is noted also when it does not fly, so that a later
// move of it starts where it lies now.
void TableWidget::cardMoved(int card, PileId from, PileId to) {
  if (card < 1 || !session_.state().params.loaded()) return;
  raiseStockPiles(session_.state(), metrics_.stockDraw);
  const TableView v = view();
  const auto known = places_.find(card);
  const QPoint start = known != places_.end() ? known->second : QPoint(pileOriginX(v, from), pileOriginY(v, from));
  const QPoint end = session_.state().onTable(to) ? cardPlace(card) : QPoint(-10000, -10000);
  places_[card] = end;
  const auto level = levels_.find(card);
  const int sourceLevel = level != levels_.end() ? level->second : 0;
  levels_[card] = session_.state().table.pile(to).size() - 1;
  if (!(turnover_ ? animation.redealAnimation : animation.cardsAnimate)) return;
  turnoverFlew_ = turnoverFlew_ || turnover_;
  queueFlight(card, start, end, false, true, sourceLevel);
}

void TableWidget::pauseFor(int milliseconds) { queue_.addPause(milliseconds); }

namespace {
// The turned-over stock rests a moment before play goes on.
constexpr int kPauseAfterTurnover = 100;
}  // namespace

void TableWidget::wasteTurnover(bool starting) {
  turnover_ = starting;
  if (starting || !turnoverFlew_) return;
  turnoverFlew_ = false;
  queue_.addPause(kPauseAfterTurnover);
}

void TableWidget::showInformation(const QString& text) {
  queue_.addStep([this, text] {
    information_.setText(text);
    tableChanged();
  });
}

void TableWidget::markPiles(const std::vector<PileId>& piles, bool marked) {
  queue_.addStep([this, piles, marked] {
    information_.mark(piles, marked);
    tableChanged();
  });
}

void TableWidget::clearInformation() {
  information_.clear();
  tableChanged();
}

namespace {

// Where the cards of a deal come from: the first placed pile of these.
std::optional<PileId> dealSource(const GameState& g) {
  for (const PileId pile : {PileId::stock(), PileId::waste(), PileId::reserve(0), PileId::secondWaste(), PileId::foundation(0)}) {
    if (!g.onTable(pile)) continue;
    if (pile == PileId::reserve(0) && g.table.pile(pile).size() > 1) continue;
    return pile;
  }
  return std::nullopt;
}

// The cards of a deal in the order they go down: the reserves card by card,
// then the tableau pile by pile or level by level as the game deals.
std::vector<int> dealOrder(const GameState& g, std::optional<PileId> source) {
  std::vector<int> order;
  for (int r = 0; r < familySize(PileFamily::Reserve); ++r) {
    const PileId pile = PileId::reserve(r);
    if (!g.onTable(pile) || pile == source) continue;
    const Pile& cards = g.table.pile(pile);
    for (int i = 0; i < cards.size(); ++i) order.push_back(cards.cardAt(i));
  }
  int levels = 0;
  for (int t = 0; t < g.tableauCount(); ++t) levels = std::max(levels, g.table.pile(PileId::tableau(t)).size());
  const auto add = [&](int t, int level) {
    const Pile& cards = g.table.pile(PileId::tableau(t));
    if (g.onTable(PileId::tableau(t)) && level < cards.size() && cards.cardAt(level) > 0) order.push_back(cards.cardAt(level));
  };
  if (g.params[Param::DealPileByPile] != 0) {
    for (int t = 0; t < g.tableauCount(); ++t)
      for (int level = 0; level < levels; ++level) add(t, level);
  } else {
    for (int level = 0; level < levels; ++level)
      for (int t = 0; t < g.tableauCount(); ++t) add(t, level);
  }
  return order;
}

}  // namespace

void TableWidget::animateDeal() {
  queue_.finish();
  information_.clear();
  cleared_ = false;
  drawIrregularOffsets();
  const GameState& g = session_.state();
  if (!animation.dealAnimation || !g.params.loaded() || !g.inProgress) return recordPlaces();
  const std::optional<PileId> source = dealSource(g);
  if (!source) return recordPlaces();
  const TableView v = view();
  const QPoint lifted(pileOriginX(v, *source) - images_.size().width / 7, pileOriginY(v, *source) - images_.size().height / 7);
  for (const int card : dealOrder(g, source)) queueFlight(card, lifted, cardPlace(card), true, false);
  // The busy pointer shows until the last card is down.
  dealing_ = queue_.running();
  if (dealing_) setCursor(Qt::WaitCursor);
  recordPlaces();
  update();
}

void TableWidget::showWithoutDeal() {
  queue_.finish();
  held_.clear();
  information_.clear();
  cleared_ = false;
  drawIrregularOffsets();
  resetScrolling();
  relayout();
  recordPlaces();
}

// The moves still to come wait at their start; the card in the air is drawn last.
void TableWidget::paintFlights(QPainter& p) const {
  p.save();
  p.translate(0, -metrics_.scrollOffset);
  for (const CardFlight* f : queue_.waiting()) paintCard(p, images_, f->card, f->faceUp, f->frames.front().x, f->frames.front().y);
  if (const CardFlight* f = queue_.flying()) {
    const QPoint at = queue_.flyingAt();
    paintCard(p, images_, f->card, f->faceUp, at.x(), at.y());
  }
  p.restore();
}

void TableWidget::playWinningAnimation(int style) {
  if (!animation.winningAnimation) return;
  queue_.finish();
  drawResting();  // the surface the cards are thrown on
  ShowerWindow window{width(), height(), 5};
  shower_ = std::make_unique<WinningShower>(style, images_.size(), window,
                                            [](int n) { return QRandomGenerator::global()->bounded(n); });
  setFocus();
  throwShowerCards();
}

void TableWidget::stopWinningAnimation() {
  showerTimer_.stop();
  if (!shower_) return;
  shower_.reset();
  emit winningAnimationEnded();
}

// Cards land on the table surface until the next pause, which lets the
// event loop run so that a key or a click can stop the show.
void TableWidget::throwShowerCards() {
  if (!shower_) return;
  {
    QPainter p(&resting_);
    p.translate(hOffset_, metrics_.scrollOffset);  // the cards land where the window shows them
    int pause = 0;
    while (!shower_->done() && pause == 0) {
      const ShowerCard c = shower_->next();
      paintCard(p, images_, c.card, true, c.x, c.y);
      pause = c.pauseAfter;
    }
    update();
    if (pause > 0 && !shower_->done()) return showerTimer_.start(pause);
  }
  stopWinningAnimation();
}

}  // namespace kes
