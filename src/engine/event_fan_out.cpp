#include "event_fan_out.h"

#include <algorithm>

namespace kes {

void EventFanOut::remove(const EngineEvents& listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener), listeners_.end());
}

void EventFanOut::cardMoved(int card, PileId from, PileId to) {
  each([&](EngineEvents& l) { l.cardMoved(card, from, to); });
}
void EventFanOut::cardTurned(int card, bool faceUp) {
  each([&](EngineEvents& l) { l.cardTurned(card, faceUp); });
}
void EventFanOut::pileReplaced(PileId pile) {
  each([&](EngineEvents& l) { l.pileReplaced(pile); });
}
void EventFanOut::wasteTurnover(bool starting) {
  each([&](EngineEvents& l) { l.wasteTurnover(starting); });
}
void EventFanOut::sound(const std::string& file, const std::string& switchKey) {
  each([&](EngineEvents& l) { l.sound(file, switchKey); });
}
void EventFanOut::pause(int milliseconds) {
  each([&](EngineEvents& l) { l.pause(milliseconds); });
}
void EventFanOut::message(const std::string& text) {
  each([&](EngineEvents& l) { l.message(text); });
}
void EventFanOut::tableInformation(const std::string& text) {
  each([&](EngineEvents& l) { l.tableInformation(text); });
}
void EventFanOut::markPiles(const std::vector<PileId>& piles, bool marked) {
  each([&](EngineEvents& l) { l.markPiles(piles, marked); });
}
void EventFanOut::beep() {
  each([](EngineEvents& l) { l.beep(); });
}
void EventFanOut::gameEnded(bool won) {
  each([&](EngineEvents& l) { l.gameEnded(won); });
}

}  // namespace kes
