#pragma once

#include <string>
#include <vector>

#include "pile_id.h"

namespace kes {

// Where a card was, for the card counter: 1 stock, 2 waste, 3 second waste,
// 4 tableau, 5 foundation, 6 reserve.
enum class CardFamily { Stock = 1, Waste = 2, SecondWaste = 3, Tableau = 4, Foundation = 5, Reserve = 6 };

CardFamily cardFamilyOf(PileId pile);

// What the engine tells the display. The engine never draws, plays sounds or
// waits: it reports what happened in order, and the display animates,
// plays and pauses without blocking. Every notice has an empty default so a
// listener only overrides what it shows.
class EngineEvents {
 public:
  virtual ~EngineEvents() = default;

  virtual void cardMoved(int /*card*/, PileId /*from*/, PileId /*to*/) {}
  virtual void cardTurned(int /*card*/, bool /*faceUp*/) {}
  // A pile was replaced wholesale (undo, redo, redeal, restart).
  virtual void pileReplaced(PileId /*pile*/) {}
  // The waste is being turned back into the stock: the card moves reported
  // between the start (true) and the end (false) are the turnover's, which
  // the player may want shown card by card.
  virtual void wasteTurnover(bool /*starting*/) {}
  // A sound file name ("Foundation.wav") with the preference key that switches
  // it; an empty key: the sound answers to the master switch alone.
  virtual void sound(const std::string& /*file*/, const std::string& /*switchKey*/) {}
  virtual void pause(int /*milliseconds*/) {}
  // A message box for the player, with an OK button.
  virtual void message(const std::string& /*text*/) {}
  // Text for the table's information area (the hands of poker solitaire).
  virtual void tableInformation(const std::string& /*text*/) {}
  // Cells of the table marked (or unmarked) while a hand is announced.
  virtual void markPiles(const std::vector<PileId>& /*piles*/, bool /*marked*/) {}
  virtual void beep() {}
  // The game has ended and was recorded; after a win the display plays the
  // winning sequence.
  virtual void gameEnded(bool /*won*/) {}
};

// A listener that ignores everything.
EngineEvents& silentEvents();

}  // namespace kes
