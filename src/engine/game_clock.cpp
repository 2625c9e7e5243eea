#include "game_clock.h"

#include <cstdio>

namespace kes {

void GameClock::start(Clock::time_point now) {
  accumulated_ = {};
  since_ = now;
  running_ = true;
  paused_ = false;
}

void GameClock::startFrom(std::chrono::seconds played, Clock::time_point now) {
  start(now);
  if (played.count() > 0) accumulated_ = played;
}

void GameClock::stop(Clock::time_point now) {
  if (running_) accumulated_ += now - since_;
  running_ = false;
  paused_ = false;
}

void GameClock::pause(Clock::time_point now) {
  if (!running_) return;
  accumulated_ += now - since_;
  running_ = false;
  paused_ = true;
}

void GameClock::resume(Clock::time_point now) {
  if (!paused_) return;
  since_ = now;
  running_ = true;
  paused_ = false;
}

void GameClock::reset() { *this = GameClock{}; }

std::chrono::seconds GameClock::elapsed(Clock::time_point now) const {
  const Clock::duration total = running_ ? accumulated_ + (now - since_) : accumulated_;
  return std::chrono::duration_cast<std::chrono::seconds>(total);
}

std::string formatPlayingTime(std::chrono::seconds elapsed) {
  const long long s = elapsed.count() < 0 ? 0 : elapsed.count();
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  return text;
}

int parsePlayingTime(const std::string& label) {
  int h = 0, m = 0, s = 0;
  char tail = 0;
  if (std::sscanf(label.c_str(), "%d:%d:%d%c", &h, &m, &s, &tail) != 3) return 0;
  if (h < 0 || m < 0 || m > 59 || s < 0 || s > 59) return 0;
  return h * 3600 + m * 60 + s;
}

}  // namespace kes
