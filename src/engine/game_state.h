#pragma once

#include <optional>

#include "game_params.h"
#include "history.h"
#include "pile_positions.h"
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

  // Where the layout put the piles; until a layout ran, the piles the game
  // uses count as placed.
  PilePositions positions;
  bool laidOut = false;

  int passNumber = 1;
  int dealCount = 0;
  int movesMade = 0;  // 0, 1, or 2 for "more than one"
  int score = 0;
  bool won = false;
  bool inProgress = false;
  bool autoplayStop = false;  // set when the game ends inside an autoplay pass

  int family() const { return params[Param::Family]; }
  int foundationCount() const { return params[Param::FoundationCount]; }
  int tableauCount() const { return params[Param::TableauCount]; }
  int reserveCount() const { return params[Param::ReserveCount]; }
  bool inOpeningPhase() const { return params[Param::OpeningPhase] == 1 && movesMade == 0; }
  bool inUse(PileId id) const {
    switch (id.family) {
      case PileFamily::Stock:
        if (id.index == kWaste) return params[Param::WasteUsed] == 1 || params[Param::WasteDealCount] > 0;
        if (id.index == kSecondWaste) return params[Param::SecondWasteUsed] != 0;
        return true;
      case PileFamily::Foundation: return id.index < foundationCount();
      case PileFamily::Tableau: return id.index < tableauCount();
      case PileFamily::Reserve: return id.index < reserveCount();
    }
    return false;
  }
  bool onTable(PileId id) const { return laidOut ? positions.isPlaced(id) : inUse(id); }
  bool autoplayOn() const { return prefs.autoplay && params[Param::AutoplayAvailable] != 0; }
  // Where a card lies in play; the selection list of pairing games, which
  // names cards that lie elsewhere, is left out.
  std::optional<PileId> locateCard(int card) const {
    for (int o = 0; o < kPileCount; ++o) {
      const PileId id = PileId::fromOrdinal(o);
      if (history.foundationOneIsSelection && id == PileId::foundation(0)) continue;
      if (table.pile(id).contains(card)) return id;
    }
    return std::nullopt;
  }
};

}  // namespace kes
