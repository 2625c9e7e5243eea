#pragma once

#include <string>

#include "engine/game_state.h"

namespace kes::solver {

// Every pile in use with each card's face, and what the rules read of the
// counters (pass, deals made, moves made, tableau moves, the poker score):
// two states with the same key play alike.
std::string exactKey(const GameState& game);

// The exact key with the piles the rules treat alike put in a fixed order,
// so that positions differing only by which of them holds what meet in the
// transposition table.
std::string canonicalKey(const GameState& game);
// The same key written over the text given: a search builds one for every
// move it plays, in one buffer.
void canonicalKeyInto(const GameState& game, std::string& key);

// What the keys read of the count of tableau moves in the log given (the
// game's own, or a saved position's) under the game's rules.
int tableauMovesRead(const GameState& game, const MoveLog& log);

// The stock deals to the tableau or the reserves pile by pile: a row to
// every pile, a deal to the reserves, or a fill of the empty piles.
bool stockDealsToPiles(const GameParams& params);

// Whether a tableau build rule judges a card by its own rank and suit and
// the target's alone, not by the pile's place or where the card comes from.
bool plainTableauRule(int code);

// Whether the game's tableau piles, or its reserves, are interchangeable in
// this state (see state_key.cpp for the conditions).
bool tableauInterchangeable(const GameState& game);
bool reservesInterchangeable(const GameState& game);
// Whether the foundations are alike: a card that starts one may start any
// of them to the same effect, and which of them holds what never counts
// (the canonical key lists them sorted).
bool foundationsInterchangeable(const GameState& game);

// Whether the rules read how many moves were made (the opening phase, the
// fill from the stock after the first action): then every move changes the
// position, even one that leaves the table as it was.
bool keyReadsMovesMade(const GameParams& params);

}  // namespace kes::solver
