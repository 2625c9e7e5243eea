#pragma once

#include <string>

#include "engine/game_session.h"
#include "solver_move.h"

namespace kes::solver {

// One game as the solver plays it: the engine's own session, played with
// autoplay off (every move is the player's, so the line replays with
// "AutoPlay=N"). Moves go through the session's press and release, so they
// are judged and carried out by exactly the code that judges the player's.
class Position : private EngineEvents, private ResultListener {
 public:
  // What undo needs: all a move can change of the state the rules read,
  // plus the verdict. The parameters, the layout and the preferences stay
  // as the deal set them, and between moves the history is always reduced
  // to its log (compactHistory), so a saved position holds only the table
  // and a few numbers; it is restored only into the deal it was taken from.
  struct Saved {
    TableState table;
    MoveLog log;
    DragState drag;
    int passNumber = 1;
    int dealCount = 0;
    int movesMade = 0;
    int score = 0;
    bool gameWon = false;
    bool inProgress = false;
    bool autoplayStop = false;
    bool won = false;
  };

  Position() : session_(*this, *this) {}
  Position(const Position&) = delete;
  Position& operator=(const Position&) = delete;

  // Deals the game; returns the deal's error text.
  std::string deal(const GameParams& params, const std::string& dealNumber);
  // Takes a state built elsewhere (a constructed position, or the player's
  // game); a won state stays won.
  void setState(const GameState& state);

  const GameState& state() const { return session_.state(); }
  GameState& mutableState() { return session_.state(); }
  bool won() const { return won_; }
  // The game ended: won, or lost with nothing left to play (a full grid).
  bool over() const { return !session_.state().inProgress; }

  // Plays the move; false (with the state unchanged in every rule-relevant
  // way) when the engine refused it.
  bool apply(const SolverMove& move);
  // One press on the stock, judged only by what a press can change (the
  // stock's and the waste's sizes, the pass, the armed turnover): cheaper
  // than apply, for going round the stock. False when nothing changed.
  bool pressStock();
  Saved save() const;
  // The same, written over a saved position whose memory is reused.
  void saveInto(Saved& saved) const;
  void restore(const Saved& saved);
  // Whether the position is the saved one in everything its key reads (the
  // piles, the cards' faces, the counters, the tableau moves as the rules
  // count them): cheaper than building the key, for a move that may lead
  // straight back to a position met before.
  bool sameAs(const Saved& saved) const;

 private:
  void recordResult(const GameState& game, bool won, int seconds) override;
  bool applyUnchecked(const SolverMove& move);
  bool applyAfterPresses(const SolverMove& move);

  GameSession session_;
  bool won_ = false;
};

// Keeps of the undo history only what the rules read (the count of tableau
// moves); the snapshots the player's undo needs would make every saved
// position grow with its depth.
void compactHistory(GameState& game);

}  // namespace kes::solver
