#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <deque>
#include <functional>
#include <set>
#include <vector>

#include "display/geometry/card_flight.h"

namespace kes {

// A card picture on its way from one place on the table to another.
struct CardFlight {
  int card = 0;
  bool faceUp = true;
  std::vector<FlightFrame> frames;
  // Shown at its start while it waits its turn (a move the player sees
  // coming); the cards of a deal appear only when they fly.
  bool shownWhileWaiting = true;
  // Where the card lay in the pile it leaves (0 = bottom): cards waiting
  // at the same place are drawn bottom first.
  int sourceLevel = 0;
};

// What the table plays in order, one item after the other, from a timer so
// that the event loop keeps running: card flights and pauses.
class AnimationQueue : public QObject {
  Q_OBJECT

 public:
  explicit AnimationQueue(QObject* parent = nullptr);

  void addFlight(CardFlight flight);
  void addPause(int milliseconds);
  // Runs `step` when everything queued before it has played; at once when
  // nothing is playing. Ending the queue early still runs every step, in order.
  void addStep(std::function<void()> step);
  bool running() const { return !items_.empty(); }
  // Ends every item at once: the cards are where the table says.
  void finish();
  // Delay in milliseconds per step of a flight.
  void setMoveSpeed(int milliseconds) { moveSpeed_ = milliseconds < 0 ? 0 : milliseconds; }

  // Cards still in the air or waiting to fly: the table leaves them out.
  std::set<int> pendingCards() const;
  // The picture in the air now, if any.
  const CardFlight* flying() const;
  QPoint flyingAt() const;
  // Flights waiting their turn that are shown at their start, in the order
  // they are drawn.
  std::vector<const CardFlight*> waiting() const;

 signals:
  void frameChanged();
  // A card reached its place.
  void landed(int card);
  void finished();

 private:
  struct Item {
    CardFlight flight;
    int pause = 0;                // for a pause item; flight.card is 0
    std::function<void()> step;   // for a step item
  };
  void start();
  void tick();
  void next();
  void runSteps();

  std::deque<Item> items_;
  std::size_t frame_ = 0;
  int moveSpeed_ = 10;
  bool runningSteps_ = false;
  QTimer timer_;
};

}  // namespace kes
