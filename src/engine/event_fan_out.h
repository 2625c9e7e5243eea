#pragma once

#include <vector>

#include "engine_events.h"

namespace kes {

// Hands every engine notice to several listeners in the order they were
// added: the table first (it queues the flights), then those that follow
// the table, such as the sounds and the card counter.
class EventFanOut : public EngineEvents {
 public:
  void add(EngineEvents& listener) { listeners_.push_back(&listener); }
  void remove(const EngineEvents& listener);

  void cardMoved(int card, PileId from, PileId to) override;
  void cardTurned(int card, bool faceUp) override;
  void pileReplaced(PileId pile) override;
  void wasteTurnover(bool starting) override;
  void sound(const std::string& file, const std::string& switchKey) override;
  void pause(int milliseconds) override;
  void message(const std::string& text) override;
  void tableInformation(const std::string& text) override;
  void markPiles(const std::vector<PileId>& piles, bool marked) override;
  void beep() override;
  void gameEnded(bool won) override;

 private:
  template <typename Notice>
  void each(Notice notice) {
    // A copy: a listener may remove itself while being told.
    const std::vector<EngineEvents*> listeners = listeners_;
    for (EngineEvents* listener : listeners) notice(*listener);
  }
  std::vector<EngineEvents*> listeners_;
};

}  // namespace kes
