#pragma once

#include "game_params.h"
#include "history.h"
#include "table_state.h"

namespace kes {

// The engine's view of the player's preferences that change how it plays.
struct PlayPreferences {
  bool automaticFaceUp = true;  // "Automatic_FaceUp"
  bool autoplay = true;         // "AutoPlay", and the game allows it
  UndoMode undoMode = UndoMode::Unlimited;  // "Undo_Enabled"
  bool scoring = true;          // scoring system "01"
};

// What is being held by the pointer.
struct DragState {
  int draggedCard = 0;
  int draggedRunTop = 0;
  bool singleCardHeld = true;
  bool redealArmed = false;
};

// Everything the rules read and the move executor changes for one game.
struct GameState {
  TableState table;
  GameParams params;
  SavedPileParams savedPileParams;
  History history;
  DragState drag;
  PlayPreferences prefs;

  int passNumber = 1;
  int dealCount = 0;
  int movesMade = 0;  // 0, 1, or 2 for "more than one"
  int score = 0;
  bool won = false;
  bool inProgress = false;
  // Whether the visible waste has a place on the table; the layout clears
  // it for games that keep the waste off the table.
  bool wastePlaced = true;

  int family() const { return params[Param::Family]; }
  int foundationCount() const { return params[Param::FoundationCount]; }
  int tableauCount() const { return params[Param::TableauCount]; }
  int reserveCount() const { return params[Param::ReserveCount]; }
  bool inOpeningPhase() const { return params[Param::OpeningPhase] == 1 && movesMade == 0; }
};

}  // namespace kes
