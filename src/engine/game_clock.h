#pragma once

#include <chrono>
#include <string>

namespace kes {

// The playing time of the current game. It measures elapsed time on a
// monotonic clock, so a game played past midnight (or across a change of the
// system time) is timed correctly, and paused time is not counted.
class GameClock {
 public:
  using Clock = std::chrono::steady_clock;

  void start(Clock::time_point now = Clock::now());
  // Runs on from a time already played (a resumed game).
  void startFrom(std::chrono::seconds played, Clock::time_point now = Clock::now());
  void stop(Clock::time_point now = Clock::now());
  void pause(Clock::time_point now = Clock::now());
  void resume(Clock::time_point now = Clock::now());
  void reset();

  bool running() const { return running_; }
  bool paused() const { return paused_; }
  std::chrono::seconds elapsed(Clock::time_point now = Clock::now()) const;

 private:
  bool running_ = false;
  bool paused_ = false;
  Clock::duration accumulated_{};
  Clock::time_point since_{};
};

// "h:nn:ss", e.g. "0:07:03".
std::string formatPlayingTime(std::chrono::seconds elapsed);
// Seconds of a "h:nn:ss" label, 0 when it cannot be read.
int parsePlayingTime(const std::string& label);

}  // namespace kes
