#pragma once

#include <string>
#include <vector>

#include "engine_events.h"
#include "game_clock.h"
#include "game_state.h"
#include "pick_up_rules.h"
#include "resume_point.h"

namespace kes {

// Where a finished or abandoned game is recorded (the statistics).
class ResultListener {
 public:
  virtual ~ResultListener() = default;
  virtual void recordResult(const GameState& game, bool won, int seconds) = 0;
};

// What a press on the table did.
enum class PressResult { Nothing, Lifted, TurnedUp, Shown, StockPressed, Selected, MovedToWaste, Refused };

// One game being played: the state, the clock and the player's operations,
// free of any screen geometry. The display finds which card and pile lie
// under the pointer and which piles a dropped card overlaps; the session does
// the rest through the move rules and the move executor.
class GameSession {
 public:
  GameSession(EngineEvents& events, ResultListener& results) : events_(events), results_(results) {}

  GameState& state() { return game_; }
  const GameState& state() const { return game_; }
  GameClock& clock() { return clock_; }

  // Makes the game current and deals; returns the deal's error text.
  std::string start(const GameParams& params, const std::string& dealNumber);
  // Makes the game current and puts a game that was left back on the table
  // without dealing; the clock runs on from the time already played. No
  // deal is reported: the caller shows the table as it is. Returns an error
  // text when the table cannot be read.
  std::string resume(const GameParams& params, const ResumePoint& point);
  // A new deal of the current game.
  std::string deal(const std::string& dealNumber);

  PressResult press(int card, PileId pile, PressButton button = PressButton::Left);
  // Ends a press: completes an armed redeal, drops what is held on the first
  // accepting candidate (none when the pointer did not move), then runs the
  // automatic fills and autoplay. Returns whether the held cards moved.
  bool release(const std::vector<PileId>& candidates = {});
  // The pointer left the stock after a press that armed a redeal.
  void disarmRedeal() { game_.drag.redealArmed = false; }
  bool doubleClick(int card);

  bool undo();
  bool redo();
  // Back to the table as dealt; the game in progress is recorded as lost.
  void restart();
  void setAutoplay(bool on);

  // Records the game in progress (lost unless it was won) and ends it.
  void endGame();

 private:
  PressResult pressOn(int card, PileId pile, PressButton button);
  PressResult pairingPressOn(int card, PileId pile);
  // Toggles the card in the selection; a completed selection is removed.
  PressResult selectForPairing(int card);
  PressResult lift(const PickUp& pickUp);
  void endIfWon();
  void autoplayUntilStill();
  // A pause, then the autoplay passes, as after a deal, as one history step.
  void openingAutoplay();
  // One player's action (a press and its release, a double click and its
  // release, switching autoplay on) is one history step: the face-ups, fills,
  // run removals and autoplay passes it sets off are folded into it, so one
  // undo gives back the table as it was before the action.
  void beginAction();
  void mergeAction();
  void endAction();

  EngineEvents& events_;
  ResultListener& results_;
  GameState game_;
  GameClock clock_;
  int actionStart_ = -1;  // undo steps before the action in progress; -1 for none
};

}  // namespace kes
