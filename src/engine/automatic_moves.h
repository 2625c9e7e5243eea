#pragma once

#include "action_run.h"

namespace kes {

// Turns a face-down card face up. As a step of its own (a press, the
// autoplay pass) it is undone by itself; as part of an action it belongs to
// that action's undo step.
void turnFaceUp(GameState& game, EngineEvents& events, int card, bool ownStep = true);

// With the "Automatic_FaceUp" preference on, every face-down tableau top is
// turned up. Returns whether any card turned.
bool autoFaceUp(GameState& game, EngineEvents& events, bool ownSteps = true);

// A complete run (ace on top down to the king, all face up, in the colours or
// suit the foundation's base asks for) leaves tableau pile p for the first
// empty run foundation, or the second waste where that foundation is not
// on the table. Each card is its own move, merged into the move that caused it.
void removeCompleteRun(ActionRun& run, int p);

// Four cards of one rank on top of tableau pile p go to the second waste,
// undone together with the move that brought them together.
void removeFourOfAKind(ActionRun& run, int p);

}  // namespace kes
