#include "display/table/animation_queue.h"

#include <algorithm>

namespace kes {

AnimationQueue::AnimationQueue(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &AnimationQueue::tick);
}

void AnimationQueue::addFlight(CardFlight flight) {
  if (flight.frames.empty()) return;
  items_.push_back({std::move(flight), 0, {}});
  if (items_.size() == 1) start();
}

void AnimationQueue::addPause(int milliseconds) {
  if (milliseconds <= 0) return;
  items_.push_back({{}, milliseconds, {}});
  if (items_.size() == 1) start();
}

void AnimationQueue::addStep(std::function<void()> step) {
  if (!step) return;
  if (items_.empty() && !runningSteps_) return step();
  items_.push_back({{}, 0, std::move(step)});
}

// The steps at the front run; then the next item begins: a pause waits, a
// flight shows its start. A step may queue more; they wait their turn.
void AnimationQueue::start() {
  if (runningSteps_) return;
  runningSteps_ = true;
  while (!items_.empty() && items_.front().step) {
    const std::function<void()> step = std::move(items_.front().step);
    items_.pop_front();
    step();
  }
  runningSteps_ = false;
  if (items_.empty()) {
    emit finished();
    return;
  }
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
  start();
}

void AnimationQueue::finish() {
  if (items_.empty()) return;
  timer_.stop();
  while (!items_.empty()) {
    const std::function<void()> step = std::move(items_.front().step);
    items_.pop_front();
    if (step) step();
  }
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
  // A card dealt unseen and then played on stays unseen until its deal flight.
  for (std::size_t i = 1; i < items_.size(); ++i) {
    const CardFlight& f = items_[i].flight;
    if (f.card && seen.insert(f.card).second && f.shownWhileWaiting) shown.push_back(&f);
  }
  std::stable_sort(shown.begin(), shown.end(),
                   [](const CardFlight* a, const CardFlight* b) { return a->sourceLevel < b->sourceLevel; });
  return shown;
}

}  // namespace kes
