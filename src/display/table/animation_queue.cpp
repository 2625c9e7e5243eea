#include "display/table/animation_queue.h"

namespace kes {

AnimationQueue::AnimationQueue(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &AnimationQueue::tick);
}

void AnimationQueue::addFlight(CardFlight flight) {
  if (flight.frames.empty()) return;
  items_.push_back({std::move(flight), 0});
  if (items_.size() == 1) start();
}

void AnimationQueue::addPause(int milliseconds) {
  if (milliseconds <= 0) return;
  items_.push_back({{}, milliseconds});
  if (items_.size() == 1) start();
}

// The item at the front begins: a pause waits, a flight shows its start.
void AnimationQueue::start() {
  frame_ = 0;
  const Item& item = items_.front();
  if (!item.flight.card) {
    timer_.start(item.pause);
    return;
  }
  emit frameChanged();
  timer_.start(item.flight.frames.front().waits * moveSpeed_);
}

void AnimationQueue::tick() {
  if (items_.empty()) return;
  const Item& item = items_.front();
  if (!item.flight.card || frame_ + 1 >= item.flight.frames.size()) return next();
  ++frame_;
  emit frameChanged();
  timer_.start(item.flight.frames[frame_].waits * moveSpeed_);
}

void AnimationQueue::next() {
  const int card = items_.front().flight.card;
  items_.pop_front();
  if (card) emit landed(card);
  if (!items_.empty()) return start();
  emit finished();
}

void AnimationQueue::finish() {
  if (items_.empty()) return;
  timer_.stop();
  items_.clear();
  emit finished();
}

std::set<int> AnimationQueue::pendingCards() const {
  std::set<int> cards;
  for (const Item& item : items_)
    if (item.flight.card) cards.insert(item.flight.card);
  return cards;
}

const CardFlight* AnimationQueue::flying() const {
  if (items_.empty() || !items_.front().flight.card) return nullptr;
  return &items_.front().flight;
}

QPoint AnimationQueue::flyingAt() const {
  const CardFlight* f = flying();
  if (!f) return {};
  return {f->frames[frame_].x, f->frames[frame_].y};
}

std::vector<const CardFlight*> AnimationQueue::waiting() const {
  // A card that flies twice waits at the start of its first flight only.
  std::vector<const CardFlight*> shown;
  std::set<int> seen;
  if (const CardFlight* f = flying()) seen.insert(f->card);
  for (std::size_t i = 1; i < items_.size(); ++i) {
    const CardFlight& f = items_[i].flight;
    if (f.card && f.shownWhileWaiting && seen.insert(f.card).second) shown.push_back(&f);
  }
  return shown;
}

}  // namespace kes
