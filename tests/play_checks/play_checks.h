#pragma once

#include <string>
#include <vector>

#include "cli/play_driver.h"
#include "engine/game_state.h"
#include "engine/snapshot.h"

// The promises every game keeps whatever is played, checked the same way by
// the random-play tests and the fuzz targets. Each check answers what went
// wrong, empty when nothing did, so that a test can report it and a fuzzer
// can abort on it.
namespace kes::play_checks {

// Each card of the game lies in exactly one pile; placeholders and the
// selection list of the pairing games aside.
std::string cardsProblem(const GameState& g);

std::vector<PileId> pilesInUse(const GameState& g);

// What one undo must give back: the table (selection marks aside), the pass
// through the stock, the deal count and the score.
struct Position {
  Snapshot table;
  int pass;
  int deals;
  int score;
  bool operator==(const Position&) const = default;
};
Position positionOf(const GameState& g);

// A player's action, not a step through the history; a double click on the
// stock is two presses, two actions.
bool isOneAction(const GameState& g, const std::string& command);

// The first click of a double click is an action of its own: after an undo
// its release may set off autoplay. It is played alone first, so that the
// double click is then one action.
std::vector<std::string> asActions(const GameState& g, const std::string& command);

// One undo after an action that changed the table gives back the table as it
// was before the action, automatic moves and all; one redo replays it whole.
std::string undoProblem(cli::PlayDriver& d, const Position& before);

// One command played as the player's actions it stands for, each checked:
// no error, every card once, and an action that changed the table undone by
// one undo and redone by one redo.
struct Played {
  std::string problem;
  int changes = 0;  // commands answered "ok"
};
Played playChecked(cli::PlayDriver& d, const std::string& command);

}  // namespace kes::play_checks
