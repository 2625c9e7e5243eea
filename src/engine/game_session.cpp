#include "game_session.h"

#include "autoplay.h"
#include "automatic_moves.h"
#include "build_rules.h"
#include "drop_card.h"
#include "drop_rules.h"
#include "game_start.h"
#include "history_steps.h"
#include "move_executor.h"
#include "pairing_rules.h"
#include "game_family.h"

namespace kes {

namespace {

constexpr int kPokerWinningScore = 100;
constexpr int kPauseBeforeAutoplay = 800;
constexpr int kPauseBeforeWinning = 200;

// Accepts what the move rules' foundation test accepts, for the deal's scans.
bool dealFoundationTest(const GameState& g, int f, int card) {
  const Pile& p = g.table.pile(PileId::foundation(f));
  BuildQuery q;
  q.target = p.empty() ? -1 : p.top();
  q.moving = card;
  q.base = g.params[Param::foundationBase(f)];
  q.isDrop = false;
  q.pileIndex = f;
  q.wrap = g.params[Param::tableauWrap(f)] > 0;
  q.foundationMode = true;
  q.code = g.params[Param::foundationBuildRule(f)];
  q.direction = g.params[Param::foundationDirection(f)];
  q.foundationBaseRank = g.params[Param::foundationBase(0)];
  return canBuild(g, q);
}

bool faceDownTableauTop(const GameState& g, int card, PileId pile) {
  return pile.family == PileFamily::Tableau && g.table.pile(pile).top() == card && !g.table.isFaceUp(card);
}

}  // namespace

std::string GameSession::start(const GameParams& params, const std::string& dealNumber) {
  endGame();
  loadGame(game_, params);
  return deal(dealNumber);
}

std::string GameSession::deal(const std::string& dealNumber) {
  endGame();
  actionStart_ = -1;
  std::string error = startDeal(game_, dealNumber, dealFoundationTest);
  if (!error.empty()) {
    events_.message(error);
    return error;
  }
  clock_.start();
  events_.dealt();
  openingAutoplay();
  return {};
}

std::string GameSession::resume(const GameParams& params, const ResumePoint& point) {
  endGame();
  actionStart_ = -1;
  loadGame(game_, params);
  if (!resumeTable(game_, point)) {
    const std::string error = "The saved table cannot be read.";
    events_.message(error);
    return error;
  }
  // Not a deal: nothing is dealt to be shown, and the clock runs on at once.
  clock_.startFrom(point.elapsed);
  if (!game_.inProgress) clock_.stop();
  if (point.openingAutoplay) openingAutoplay();
  return {};
}

void GameSession::openingAutoplay() {
  if (!game_.autoplayOn() || !game_.inProgress) return;
  events_.pause(kPauseBeforeAutoplay);
  autoplayUntilStill();
}

void GameSession::beginAction() { actionStart_ = game_.history.undo.size(); }

void GameSession::mergeAction() {
  const int steps = game_.history.undo.size() - actionStart_;
  if (actionStart_ >= 0 && steps >= 2) game_.history.mergeLastSnapshots(steps - 1);
}

void GameSession::endAction() {
  mergeAction();
  actionStart_ = -1;
}

// Passes that no player's action started (after a deal or a restart, when
// autoplay is switched on) are an action of their own.
void GameSession::autoplayUntilStill() {
  const bool ownAction = actionStart_ < 0;
  if (ownAction) beginAction();
  if (autoplayPass(game_, events_)) {
    while (game_.inProgress) {
      autoFillEmptyTableau(game_, events_);
      if (!autoplayPass(game_, events_)) break;
    }
  }
  endIfWon();
  if (ownAction) endAction();
}

PressResult GameSession::press(int card, PileId pile, PressButton button) {
  if (!game_.inProgress) return PressResult::Nothing;
  beginAction();
  const PressResult result = pressOn(card, pile, button);
  mergeAction();
  return result;
}

PressResult GameSession::pressOn(int card, PileId pile, PressButton button) {
  const PickUp pickUp = canPickUp(game_, card, pile, button);
  switch (pickUp.outcome) {
    case PickUpOutcome::Lift:
    case PickUpOutcome::LiftRun: return lift(pickUp);
    case PickUpOutcome::TurnFaceUp: turnFaceUp(game_, events_, pickUp.card); return PressResult::TurnedUp;
    case PickUpOutcome::Show: return PressResult::Shown;
    case PickUpOutcome::StockPress:
      // A selection the stock's card completes is removed like any other.
      if (stockPressSelects(game_)) return selectForPairing(game_.table.pile(PileId::stock()).top());
      stockPress(game_, events_);
      endIfWon();
      return PressResult::StockPressed;
    case PickUpOutcome::PairingSelection: return pairingPressOn(card, pile);
    case PickUpOutcome::SendToWaste: {
      const bool moved = executeMove(game_, events_, pickUp.card, MoveAction::to(ActionKind::ToSecondWaste));
      endIfWon();
      return moved ? PressResult::MovedToWaste : PressResult::Refused;
    }
    case PickUpOutcome::StartRedeal:
      executeMove(game_, events_, 0, MoveAction::to(ActionKind::StockToSecondWaste));
      return PressResult::StockPressed;
    case PickUpOutcome::Refuse: events_.beep(); return PressResult::Refused;
    case PickUpOutcome::Ignore: break;
  }
  return PressResult::Nothing;
}

PressResult GameSession::lift(const PickUp& pickUp) {
  game_.drag.draggedCard = pickUp.card;
  game_.drag.draggedRunTop = pickUp.runTop;
  game_.drag.singleCardHeld = pickUp.outcome == PickUpOutcome::Lift;
  return PressResult::Lifted;
}

PressResult GameSession::pairingPressOn(int card, PileId pile) {
  if (pile == PileId::stock()) {
    if (game_.family() == Family::NeighbourPairs)
      executeMove(game_, events_, 0, MoveAction::to(ActionKind::CloseGapsAndRefill));
    else
      stockPress(game_, events_);
    endIfWon();
    return PressResult::StockPressed;
  }
  if (faceDownTableauTop(game_, card, pile)) {
    turnFaceUp(game_, events_, card);
    return PressResult::TurnedUp;
  }
  return selectForPairing(card);
}

PressResult GameSession::selectForPairing(int card) {
  switch (pairingPress(game_, card)) {
    case PairingOutcome::Refused: events_.beep(); return PressResult::Refused;
    case PairingOutcome::Marked:
    case PairingOutcome::Unmarked: events_.pileReplaced(PileId::foundation(0)); return PressResult::Selected;
    case PairingOutcome::Completed: break;
  }
  executeMove(game_, events_, 0, MoveAction::to(ActionKind::RemoveSelection));
  if (game_.family() != Family::NeighbourPairs) executeMove(game_, events_, 0, MoveAction::to(ActionKind::RefillEmptyTableau));
  endIfWon();
  return PressResult::Selected;
}

bool GameSession::release(const std::vector<PileId>& candidates) {
  if (game_.drag.redealArmed) {
    executeMove(game_, events_, 0, MoveAction::to(ActionKind::StockToWaste));
    game_.drag.redealArmed = false;
  }
  bool moved = false;
  if (game_.drag.draggedCard >= 1 && !candidates.empty()) moved = dropCard(game_, events_, candidates);
  releaseHeld(game_);
  endIfWon();
  if (game_.inProgress) runReleaseAutomatics(game_, events_);
  endIfWon();
  endAction();
  return moved;
}

bool GameSession::doubleClick(int card) {
  if (!game_.inProgress || card < 1 || !game_.table.isFaceUp(card)) return false;
  const auto at = game_.locateCard(card);
  if (!at) return false;
  const bool eligible = *at == PileId::waste() || at->family == PileFamily::Reserve ||
                        (at->family == PileFamily::Tableau && game_.table.pile(*at).top() == card);
  if (!eligible) return false;
  // The release that follows the double click finishes the action.
  beginAction();
  const bool moved = sendToFoundation(game_, events_, card, false, true);
  endIfWon();
  return moved;
}

bool GameSession::undo() {
  actionStart_ = -1;
  return undoMove(game_, events_);
}

bool GameSession::redo() {
  actionStart_ = -1;
  return redoMove(game_, events_);
}

// Back to the deal, then on as after a deal: the clock starts again and,
// with autoplay on, the passes run after the same pause.
void GameSession::restart() {
  endGame();
  actionStart_ = -1;
  rewindToDeal(game_, events_);
  events_.sound("Restart.wav", "Sounds_Restart");
  game_.inProgress = true;
  clock_.start();
  openingAutoplay();
}

void GameSession::setAutoplay(bool on) {
  game_.prefs.autoplay = on;
  if (on && game_.inProgress) autoplayUntilStill();
}

void GameSession::endIfWon() {
  if (game_.won && game_.inProgress) endGame();
}

void GameSession::endGame() {
  if (!game_.inProgress) return;
  // A poker grid is won only when it was completed with enough points; an
  // abandoned grid is lost whatever it scored so far.
  const bool won = game_.won && (game_.family() != Family::PokerGrid || game_.score >= kPokerWinningScore);
  clock_.stop();
  results_.recordResult(game_, won, static_cast<int>(clock_.elapsed().count()));
  releaseHeld(game_);
  game_.won = false;
  game_.inProgress = false;
  game_.autoplayStop = true;
  if (won) {
    events_.pause(kPauseBeforeWinning);
    events_.sound("Won.wav", "Sounds_GameWon");
  }
  events_.gameEnded(won);
}

}  // namespace kes
