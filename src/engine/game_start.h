#pragma once

#include <string>

#include "deal_context.h"
#include "resume_point.h"

namespace kes {

// Whether the game keeps its selection list in foundation 1: the list names
// cards that lie elsewhere.
bool foundationOneIsSelection(const GameParams& params);

// Makes a freshly loaded game current: its parameters, the bases a deal may
// change, and whether foundation 1 serves as the selection list.
void loadGame(GameState& game, const GameParams& params);

// Starts a new deal of the loaded game: empties the table and the history,
// restores the bases the previous deal changed, resets the per-deal counters
// and deals. Returns the deal generator's error text when the game cannot be
// dealt; the game is then not in progress.
std::string startDeal(GameState& game, const std::string& dealNumber, const FoundationTest& accepts);

// Puts a game that was left back on the table of the loaded game, with its
// undo history, counters and bases, without dealing: the redo history is
// empty, `MovesMade` is 2 when there is anything to undo, `DealCount` is
// counted from the log. Returns false when a pile line cannot be read; the
// game is then not in progress. A table that is already won is not in
// progress either: nothing is left to play, and no win is recorded for it.
bool resumeTable(GameState& game, const ResumePoint& point);

}  // namespace kes
