#pragma once

#include <string>

#include "engine_events.h"
#include "game_state.h"

namespace kes {

// One executed action in progress: pushes the undo snapshot before the first
// change, moves cards and tells the display, and remembers what the end of
// the action needs to know.
struct ActionRun {
  GameState& game;
  EngineEvents& events;
  bool takesSnapshot = true;  // false for a fill that belongs to the action before it
  bool pushed = false;
  bool changed = false;
  bool leftTableau = false;
  int lastCard = 0;

  ActionRun(GameState& g, EngineEvents& ev, bool snapshot = true) : game(g), events(ev), takesSnapshot(snapshot) {}

  Pile& pile(PileId id) { return game.table.pile(id); }
  int param(int entry) const { return game.params[entry]; }

  void beforeChange();
  // Moves one card from wherever it lies onto the top of a pile.
  bool moveCard(int card, PileId to, bool faceUp = true);
  // Moves the card and every card above it, keeping their order.
  bool moveRun(int card, PileId to);
  // The stock's top card onto a pile, face up.
  bool dealFromStock(PileId to);
  void sound(const char* file, const char* key) { events.sound(file, key); }
  void recomputeWon();
};

}  // namespace kes
